// The new-name rule on any fields: the name is the numbering prefix (when
// numbering), then the typed name unchanged, then exactly the extension part
// the mode asks for, and nothing else.
//
// Input: flags (bit 0 numbering, bits 1-7 the extension mode as a signed
// value, so modes outside the enumeration occur), the sequence number (four
// bytes), then the typed name, the unified extension and the old name
// separated by NULs.

#include "NewName.h"

#include "ExtensionMode.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "TextOracle.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string NumberPrefix(int sequence)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d ", sequence);
    return buffer;
}

// What a file's own extension is: the text from its last "." that starts a
// character; a byte 0x2E right after a lead byte belongs to that character.
std::string KeptExtension(std::string_view oldName)
{
    std::size_t dot = std::string_view::npos;
    for (std::size_t start : oracle::CharacterStarts(oldName)) {
        if (oldName[start] == '.')
            dot = start;
    }
    if (dot == std::string_view::npos)
        return "";
    return std::string(oldName.substr(dot));
}

std::string ExpectedExtension(int mode, std::string_view extension, std::string_view oldName)
{
    if (mode == EXT_UNIFY)
        return extension.empty() ? "" : "." + std::string(extension);
    if (mode == EXT_KEEP)
        return KeptExtension(oldName);
    return "";  // EXT_NONE and every value outside the enumeration
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t flags = input.Byte();
    NewNameInputs in;
    in.numbering = (flags & 1) != 0;
    in.extMode = static_cast<std::int8_t>(flags) >> 1;
    in.sequence = input.Int32();
    const std::string_view typed = input.Piece();
    const std::string_view extension = input.Piece();
    const std::string_view oldName = input.Rest();
    in.typedName = CString::FromBytes(typed);
    in.extension = CString::FromBytes(extension);
    in.oldName = CString::FromBytes(oldName);

    const std::string name = ComposeNewName(in).Bytes();

    const std::string prefix = in.numbering ? NumberPrefix(in.sequence) : "";
    FUZZ_REQUIRE(name.starts_with(prefix), "the name does not start with the number prefix");
    FUZZ_REQUIRE(std::string_view(name).substr(prefix.size()).starts_with(typed),
                 "the typed name does not follow the prefix unchanged");
    const std::string_view tail = std::string_view(name).substr(prefix.size() + typed.size());
    FUZZ_REQUIRE(tail == ExpectedExtension(in.extMode, extension, oldName),
                 "the name ends in another extension than its mode asks for");
    if (in.extMode == EXT_KEEP)
        FUZZ_REQUIRE(oldName.ends_with(tail), "a kept extension is not the end of the old name");
    return 0;
}
