// CString's byte-counting operations on any text and any counts, negative and
// huge ones included: the results are the clamped byte ranges, and
// ReverseFind only ever answers a character's first byte.
//
// Input: mode byte, two counts (a signed byte each, or four bytes where the
// mode's bit 0 / bit 1 says so), the character to find, then two texts
// separated by a NUL.

#include "CString.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "TextOracle.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

int ReadCount(FuzzInput& input, bool wide)
{
    if (wide)
        return input.Int32();
    return static_cast<std::int8_t>(input.Byte());
}

std::size_t Clamp(int count, std::size_t available)
{
    if (count <= 0)
        return 0;
    return std::min(static_cast<std::size_t>(count), available);
}

void CheckRanges(const std::string& s, int a, int b)
{
    const CString text = CString::FromBytes(s);
    const std::size_t n = s.size();

    const std::size_t left = Clamp(a, n);
    FUZZ_REQUIRE(text.Left(a).Bytes() == s.substr(0, left), "Left is not the clamped prefix");
    FUZZ_REQUIRE(text.Right(a).Bytes() == s.substr(n - left), "Right is not the clamped suffix");

    const std::size_t first = Clamp(a, n);
    FUZZ_REQUIRE(text.Mid(a).Bytes() == s.substr(first), "Mid(first) is not the clamped tail");
    const std::size_t count = Clamp(b, n - first);
    const CString middle = text.Mid(a, b);
    FUZZ_REQUIRE(middle.Bytes() == s.substr(first, count), "Mid(first, count) is not the clamped range");
    FUZZ_REQUIRE(text.Left(a) + middle + text.Mid(static_cast<int>(first + count)) == text,
                 "Left, Mid and the rest do not make up the text");

    CString shortened = text;
    const int length = shortened.Delete(a, b);
    FUZZ_REQUIRE(length == shortened.GetLength(), "Delete returns another length than the result's");
    FUZZ_REQUIRE(static_cast<std::size_t>(length) == n - count, "Delete removes another count than Mid takes");
    FUZZ_REQUIRE(shortened.Bytes() == s.substr(0, first) + s.substr(first + count),
                 "Delete removes another range than Mid takes");
}

// Whether the character starting at starts[k] is one byte long.
bool IsSingleByte(const std::vector<std::size_t>& starts, std::size_t k, std::size_t size)
{
    const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : size;
    return end == starts[k] + 1;
}

void CheckReverseFind(const std::string& s, char ch)
{
    const int found = CString::FromBytes(s).ReverseFind(ch);
    // The expected answer: the last character that is the single byte ch.
    const std::vector<std::size_t> starts = oracle::CharacterStarts(s);
    int expected = -1;
    for (std::size_t k = 0; k < starts.size(); ++k) {
        if (IsSingleByte(starts, k, s.size()) && s[starts[k]] == ch)
            expected = static_cast<int>(starts[k]);
    }
    FUZZ_REQUIRE(found == expected, "ReverseFind misses the last single-byte match or finds a trail byte");
    if (found >= 0)
        FUZZ_REQUIRE(oracle::IsCharacterStart(s, static_cast<std::size_t>(found)),
                     "ReverseFind answers a position inside a character");
}

// Folds Latin capitals that start a character; a capital can be a trail
// byte ("ア" is 0x83 0x41) but never a lead byte.
std::string FoldedCopy(const std::string& s)
{
    std::string folded = s;
    for (std::size_t start : oracle::CharacterStarts(s)) {
        if (folded[start] >= 'A' && folded[start] <= 'Z')
            folded[start] = static_cast<char>(folded[start] - 'A' + 'a');
    }
    return folded;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

void CheckCompareNoCase(const std::string& s, const std::string& t)
{
    const CString a = CString::FromBytes(s);
    const CString b = CString::FromBytes(t);
    FUZZ_REQUIRE(a.CompareNoCase(a) == 0, "a text differs from itself");
    FUZZ_REQUIRE(Sign(a.CompareNoCase(b)) == -Sign(b.CompareNoCase(a)), "CompareNoCase is not antisymmetric");
    FUZZ_REQUIRE(a.CompareNoCase(CString::FromBytes(FoldedCopy(s))) == 0,
                 "a text differs from its own single-byte lower case");
    const int folded = FoldedCopy(s).compare(FoldedCopy(t));
    FUZZ_REQUIRE(Sign(a.CompareNoCase(b)) == Sign(folded),
                 "CompareNoCase orders otherwise than the folded bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t mode = input.Byte();
    const int a = ReadCount(input, (mode & 1) != 0);
    const int b = ReadCount(input, (mode & 2) != 0);
    const char ch = static_cast<char>(input.Byte());
    const std::string s(input.Piece());
    const std::string t(input.Rest());

    CheckRanges(s, a, b);
    CheckReverseFind(s, ch);
    CheckCompareNoCase(s, t);
    return 0;
}
