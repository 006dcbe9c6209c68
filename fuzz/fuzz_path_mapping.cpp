// The edge between Linux names and the program's CP932 texts, on any bytes:
// a name from the disk never turns into a path, and one the program can
// show without the marker names that same file again.

#include "PathMapping.h"

#include "Cp932.h"
#include "FuzzCheck.h"
#include "TextOracle.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool HasMarker(std::string_view cp932)
{
    return cp932.find(cp932::kMarker) != std::string_view::npos;
}

std::size_t SeparatorCharacters(std::string_view cp932)
{
    std::size_t count = 0;
    for (std::size_t start : oracle::CharacterStarts(cp932)) {
        if (cp932[start] == '\\' || cp932[start] == '/')
            ++count;
    }
    return count;
}

std::string CollapseSlashes(std::string_view path)
{
    std::string collapsed;
    for (char ch : path) {
        if (ch == '/' && !collapsed.empty() && collapsed.back() == '/')
            continue;
        collapsed += ch;
    }
    return collapsed;
}

void CheckName(std::string_view name)
{
    const std::string shown = NameFromNative(name).Bytes();
    FUZZ_REQUIRE(SeparatorCharacters(shown) == 0, "a Linux name becomes a text with a separator");
    FUZZ_REQUIRE(!oracle::EndsWithLoneLeadByte(shown), "a Linux name becomes a text cut inside a character");
    if (name.find('\\') != std::string_view::npos)
        FUZZ_REQUIRE(HasMarker(shown), "a backslash in a Linux name survives without the marker");
    if (HasMarker(shown))
        return;
    const std::optional<std::string> back = NativePath(CString::FromBytes(shown));
    FUZZ_REQUIRE(back && *back == name, "a name without the marker does not name the same file again");
}

void CheckPath(std::string_view path)
{
    const std::string shown = PathFromNative(path).Bytes();
    FUZZ_REQUIRE(SeparatorCharacters(shown) == static_cast<std::size_t>(std::count(path.begin(), path.end(), '/')),
                 "a path's separators are not its slashes");
    if (HasMarker(shown))
        return;
    const std::optional<std::string> back = NativePath(CString::FromBytes(shown));
    FUZZ_REQUIRE(back && *back == CollapseSlashes(path), "a path without the marker does not come back");
}

// Whatever the program hands the file system is a clean Linux path.
void CheckNativePath(std::string_view cp932)
{
    const std::optional<std::string> native = NativePath(CString::FromBytes(cp932));
    if (!native)
        return;
    FUZZ_REQUIRE(!HasMarker(cp932), "a text holding the marker names a file");
    FUZZ_REQUIRE(oracle::IsValidUtf8(*native), "a native path is not UTF-8");
    FUZZ_REQUIRE(native->find('\0') == std::string::npos, "a native path holds a NUL");
    FUZZ_REQUIRE(native->find('\\') == std::string::npos, "a native path holds a backslash");
    FUZZ_REQUIRE(native->find("//") == std::string::npos, "a native path holds an empty component");
    FUZZ_REQUIRE(std::count(native->begin(), native->end(), '/') <= static_cast<std::ptrdiff_t>(SeparatorCharacters(cp932)),
                 "a native path has more separators than the text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckNativePath(bytes);
    // Linux names and paths hold no NUL.
    if (bytes.find('\0') != std::string_view::npos)
        return 0;
    CheckPath(bytes);
    if (bytes.find('/') == std::string_view::npos)
        CheckName(bytes);
    return 0;
}
