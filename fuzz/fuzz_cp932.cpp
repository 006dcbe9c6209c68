// The code-page-932 codec on any bytes, read both ways: as UTF-8 the way a
// name comes from Qt or the file system, and as CP932 the way a CString holds it.

#include "Cp932.h"
#include "FuzzCheck.h"
#include "TextOracle.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void CheckFromUtf8(std::string_view utf8)
{
    const std::string cp932 = cp932::FromUtf8(utf8);
    FUZZ_REQUIRE(!oracle::EndsWithLoneLeadByte(cp932),
                 "FromUtf8 ends inside a double-byte character");

    const std::string shown = cp932::ToUtf8(cp932);
    FUZZ_REQUIRE(oracle::IsValidUtf8(shown), "ToUtf8 of FromUtf8 output is not UTF-8");

    const std::optional<std::vector<char32_t>> points = oracle::DecodeUtf8(utf8);
    if (!points)
        return;
    const std::optional<std::string> exact = cp932::ToUtf8Exact(cp932);
    if (exact)
        FUZZ_REQUIRE(*exact == utf8, "a text with an exact form does not convert back to itself");
    if (cp932.find(cp932::kMarker) == std::string::npos)
        FUZZ_REQUIRE(exact.has_value(), "a marker-free conversion has no exact form");

    // Character by character: each code point comes back as itself or, where
    // CP932 has no exact form for it, as U+FFFD; none is lost, split or merged.
    const std::vector<char32_t> back = *oracle::DecodeUtf8(shown);
    FUZZ_REQUIRE(back.size() == points->size(), "the round trip changes the number of characters");
    for (std::size_t i = 0; i < back.size(); ++i)
        FUZZ_REQUIRE(back[i] == (*points)[i] || back[i] == kReplacement,
                     "the round trip turns a character into another one");
}

void CheckFromCp932(std::string_view cp932)
{
    const std::string shown = cp932::ToUtf8(cp932);
    FUZZ_REQUIRE(oracle::IsValidUtf8(shown), "ToUtf8 produces invalid UTF-8");

    const std::optional<std::string> exact = cp932::ToUtf8Exact(cp932);
    if (!exact)
        return;
    FUZZ_REQUIRE(cp932.find(cp932::kMarker) == std::string_view::npos,
                 "a text holding the marker has an exact form");
    FUZZ_REQUIRE(oracle::IsValidUtf8(*exact), "ToUtf8Exact produces invalid UTF-8");
    FUZZ_REQUIRE(shown == *exact, "ToUtf8 and ToUtf8Exact disagree on an exact text");

    // A name read from the disk and converted must name the same file again:
    // its CP932 form (which may differ in bytes, as for the NEC and IBM
    // duplicates) converts back to exactly the same UTF-8.
    const std::string again = cp932::FromUtf8(*exact);
    FUZZ_REQUIRE(again.find(cp932::kMarker) == std::string::npos,
                 "a decoded text has a character without a CP932 form");
    const std::optional<std::string> twice = cp932::ToUtf8Exact(again);
    FUZZ_REQUIRE(twice && *twice == *exact, "a decoded text does not survive a second round trip");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckFromUtf8(bytes);
    CheckFromCp932(bytes);
    return 0;
}
