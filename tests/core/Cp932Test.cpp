#include "Cp932.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

std::string Utf8(const char8_t* text)
{
    return reinterpret_cast<const char*>(text);
}

enum class Check {
    RoundTrip,  // FromUtf8(utf8) == cp932, and cp932 decodes exactly to utf8
    Encode,     // FromUtf8(utf8) == cp932 only (the text has no exact form)
    Decode,     // ToUtf8(cp932) == utf8, and ToUtf8Exact(cp932) is nullopt
};

struct CodecRow {
    const char* label;
    Check check;
    std::string utf8;
    std::string cp932;
};

TEST(Cp932, ConvertsBothWaysAndMarksWhatHasNoExactForm)
{
    const CodecRow rows[] = {
        {"empty", Check::RoundTrip, "", ""},
        {"ASCII, backslash and tilde kept", Check::RoundTrip, "Readme_1.txt ~\\", "Readme_1.txt ~\\"},
        {"Japanese", Check::RoundTrip, Utf8(u8"夏休み"), "\x89\xC4\x8B\x78\x82\xDD"},
        {"half-width katakana", Check::RoundTrip, Utf8(u8"ｿﾗﾌﾞﾝ"), "\xBF\xD7\xCC\xDE\xDD"},
        {"full-width tilde is CP932's own 0x8160", Check::RoundTrip, Utf8(u8"～"), "\x81\x60"},
        {"trail byte 0x5C stays inside its character", Check::RoundTrip, Utf8(u8"ソ表\\"),
         "\x83\x5C\x95\x5C\\"},
        {"trail byte 0x5C before ASCII", Check::RoundTrip, Utf8(u8"C:\\ソ\\a"), "C:\\\x83\x5C\\a"},

        {"emoji is one marker", Check::Encode, Utf8(u8"a😀b"), "a\xFF" "b"},
        {"e with acute", Check::Encode, Utf8(u8"café"), "caf\xFF"},
        {"yen sign encodes one way to 0x5C", Check::Encode, Utf8(u8"100¥"), "100\xFF"},
        {"wave dash encodes one way to 0x8160", Check::Encode, Utf8(u8"a〜b"), "a\xFF" "b"},
        {"no-break space", Check::Encode, Utf8(u8"a\u00A0b"), "a\xFF" "b"},
        {"lone combining voiced mark", Check::Encode, Utf8(u8"か\u3099"), "\x82\xA9\xFF"},
        {"good parts around a marker kept", Check::Encode, Utf8(u8"夏😀休"), "\x89\xC4\xFF\x8B\x78"},
        {"truncated sequence: one marker per byte", Check::Encode, "a\xE3\x81" "b", "a\xFF\xFF" "b"},
        {"stray continuation byte", Check::Encode, "\x80x", "\xFFx"},
        {"overlong slash", Check::Encode, "\xC0\xAF", "\xFF\xFF"},
        {"surrogate", Check::Encode, "\xED\xA0\x80", "\xFF\xFF\xFF"},

        {"marker shows as U+FFFD", Check::Decode, Utf8(u8"a\uFFFDb"), "a\xFF" "b"},
        {"lone lead byte at the end", Check::Decode, Utf8(u8"ソ\uFFFD"), "\x83\x5C\x83"},
        {"invalid pair is one U+FFFD", Check::Decode, Utf8(u8"\uFFFDa"), "\x85\x40" "a"},
        {"lead byte before a space swallows it", Check::Decode, Utf8(u8"\uFFFDa"), "\x81 a"},
        {"bytes that are no character", Check::Decode, Utf8(u8"\uFFFD\uFFFD\uFFFD\uFFFD"),
         "\x80\xA0\xFD\xFE"},
        {"marker inside a pair", Check::Decode, Utf8(u8"a\uFFFD"), "a\x81\xFF"},
    };
    for (const CodecRow& row : rows) {
        SCOPED_TRACE(row.label);
        if (row.check != Check::Decode) {
            EXPECT_EQ(cp932::FromUtf8(row.utf8), row.cp932);
        }
        if (row.check == Check::RoundTrip) {
            EXPECT_EQ(cp932::ToUtf8(row.cp932), row.utf8);
            EXPECT_EQ(cp932::ToUtf8Exact(row.cp932), std::optional<std::string>(row.utf8));
        }
        if (row.check == Check::Decode) {
            EXPECT_EQ(cp932::ToUtf8(row.cp932), row.utf8);
            EXPECT_EQ(cp932::ToUtf8Exact(row.cp932), std::nullopt);
        }
    }
}

TEST(Cp932, LongTextWithOneBadCharacterKeepsTheRest)
{
    std::string utf8;
    std::string expected;
    for (int i = 0; i < 2000; ++i) {
        utf8 += Utf8(u8"写真");
        expected += "\x8E\xCA\x90\x5E";
    }
    utf8 += Utf8(u8"😀");
    expected += cp932::kMarker;

    std::string converted = cp932::FromUtf8(utf8);

    EXPECT_EQ(converted, expected);
    EXPECT_EQ(cp932::ToUtf8Exact(converted), std::nullopt);
}

TEST(Cp932, LeadByteRanges)
{
    struct Row {
        const char* label;
        unsigned char byte;
        bool lead;
    };
    const Row rows[] = {
        {"0x80", 0x80, false}, {"0x81", 0x81, true},  {"0x9F", 0x9F, true},
        {"0xA0", 0xA0, false}, {"0xDF", 0xDF, false}, {"0xE0", 0xE0, true},
        {"0xFC", 0xFC, true},  {"0xFD", 0xFD, false}, {"marker", 0xFF, false},
        {"backslash", 0x5C, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(cp932::IsLeadByte(row.byte), row.lead);
    }
}

}  // namespace
