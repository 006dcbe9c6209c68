// The rules for the typed directory text, on any bytes: the quotes come off
// as one pair or not at all, and the search base always ends in a separator
// character of its own (never a trail byte 0x5C), adding one only when needed.

#include "DirectoryText.h"

#include "FuzzCheck.h"
#include "TextOracle.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void CheckRemoveEnclosingQuotes(const std::string& text)
{
    CString directory = CString::FromBytes(text);
    RemoveEnclosingQuotes(directory);
    const bool enclosed = !text.empty() && text.front() == '"' && text.back() == '"';
    if (!enclosed) {
        FUZZ_REQUIRE(directory.Bytes() == text, "a text without enclosing quotes changed");
        return;
    }
    const std::string inner = text.size() <= 2 ? "" : text.substr(1, text.size() - 2);
    FUZZ_REQUIRE(directory.Bytes() == inner, "not exactly one pair of quotes came off");
}

void CheckSearchBase(const std::string& text)
{
    const std::string base = SearchBase(CString::FromBytes(text)).Bytes();
    if (text.empty()) {
        FUZZ_REQUIRE(base == "\\", "the empty text's base is not the root");
        return;
    }
    FUZZ_REQUIRE(base == text || base == text + "\\", "the base is neither the text nor the text and a separator");
    FUZZ_REQUIRE((base == text) == oracle::EndsWithSeparatorCharacter(text),
                 "a separator is added to a text that ends in one, or not added to one that does not");
    // Texts from the window and the file system never end inside a character
    // (FromUtf8 does not cut one); a cut one takes the added "\" as its
    // trail byte, which no rule here can help.
    if (oracle::EndsWithLoneLeadByte(text))
        return;
    FUZZ_REQUIRE(oracle::EndsWithSeparatorCharacter(base), "the base does not end in a separator character");
    FUZZ_REQUIRE(SearchBase(CString::FromBytes(base)).Bytes() == base, "the base of a base is not itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckRemoveEnclosingQuotes(text);
    CheckSearchBase(text);

    // The scan's order: quotes off first, then the base of what is left.
    CString typed = CString::FromBytes(text);
    RemoveEnclosingQuotes(typed);
    CheckSearchBase(typed.Bytes());
    return 0;
}
