#include "CString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CString, Utf8LiteralBecomesCp932Bytes)
{
    EXPECT_EQ(CString(u8"ソ表").Bytes(), "\x83\x5C\x95\x5C");
    EXPECT_EQ(CString("\x83\x5C").Bytes(), "\x83\x5C");
}

TEST(CString, PartsClampOutOfRangeCounts)
{
    const CString abc("abc");
    struct Row {
        const char* label;
        CString result;
        const char* expected;
    };
    const Row rows[] = {
        {"Left within", abc.Left(2), "ab"},
        {"Left negative", abc.Left(-1), ""},
        {"Left beyond the end", abc.Left(9), "abc"},
        {"Right within", abc.Right(2), "bc"},
        {"Right negative", abc.Right(-3), ""},
        {"Right beyond the end", abc.Right(9), "abc"},
        {"Mid from within", abc.Mid(1), "bc"},
        {"Mid from negative", abc.Mid(-2), "abc"},
        {"Mid from the end", abc.Mid(3), ""},
        {"Mid from beyond the end", abc.Mid(7), ""},
        {"Mid with count", abc.Mid(1, 1), "b"},
        {"Mid with count beyond the end", abc.Mid(1, 9), "bc"},
        {"Mid with negative count", abc.Mid(1, -1), ""},
        {"Mid from negative with count", abc.Mid(-1, 2), "ab"},
        {"Mid from beyond with count", abc.Mid(5, 2), ""},
        {"Mid with huge count", abc.Mid(2, 0x7FFFFFFF), "c"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(row.result.Bytes(), row.expected);
    }
}

TEST(CString, DeleteClampsAndReturnsTheNewLength)
{
    struct Row {
        const char* label;
        int index;
        int count;
        const char* expected;
    };
    const Row rows[] = {
        {"one byte", 1, 1, "acde"},
        {"default count", 0, 1, "bcde"},
        {"count beyond the end", 3, 9, "abc"},
        {"negative index starts at 0", -2, 2, "cde"},
        {"negative count deletes nothing", 1, -1, "abcde"},
        {"index at the end", 5, 1, "abcde"},
        {"index beyond the end", 9, 1, "abcde"},
        {"huge count", 1, 0x7FFFFFFF, "a"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CString text("abcde");
        int length = text.Delete(row.index, row.count);
        EXPECT_EQ(text.Bytes(), row.expected);
        EXPECT_EQ(length, text.GetLength());
    }
}

TEST(CString, ReverseFindSkipsTrailBytes)
{
    struct Row {
        const char* label;
        CString text;
        char ch;
        int expected;
    };
    const Row rows[] = {
        {"trail byte of ソ is no backslash", CString(u8"ソ"), '\\', -1},
        {"trail byte of 表 is no backslash", CString(u8"表"), '\\', -1},
        {"backslash after ソ", CString(u8"ソ\\"), '\\', 2},
        {"backslash before ソ", CString(u8"\\ソ"), '\\', 0},
        {"folder ending in ソ", CString(u8"C:\\写真\\ソ"), '\\', 7},
        {"trail byte A of ア", CString(u8"ア"), 'A', -1},
        {"last of several dots", CString("a.b.c"), '.', 3},
        {"not there", CString("abc"), '.', -1},
        {"empty", CString(""), '.', -1},
        {"lone lead byte at the end is a character", CString("a\x83"), '\x83', 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(row.text.ReverseFind(row.ch), row.expected);
    }
}

TEST(CString, FormatHasNoLengthLimit)
{
    std::string longName(5000, 'x');
    CString text;
    text.Format("%s-%03d.\x83\x5C", longName.c_str(), 7);
    EXPECT_EQ(text.Bytes(), longName + "-007.\x83\x5C");

    // The argument may be the string's own bytes.
    CString self("ab");
    self.Format("%s%s", self.GetString(), self.GetString());
    EXPECT_EQ(self.Bytes(), "abab");
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

TEST(CString, CompareNoCaseFoldsSingleByteLettersOnly)
{
    struct Row {
        const char* label;
        CString a;
        CString b;
        int sign;
    };
    const Row rows[] = {
        {"case differs", CString("Photo.JPG"), CString("photo.jpg"), 0},
        {"letters across case", CString("a"), CString("B"), -1},
        {"letters across case, reversed", CString("B"), CString("a"), 1},
        {"shorter prefix first", CString("ab"), CString("ABC"), -1},
        {"both empty", CString(""), CString(""), 0},
        {"folds to lower case: _ before A", CString("_"), CString("A"), -1},
        {"folds to lower case: z after _", CString("Z"), CString("_"), 1},
        {"trail byte 0x41 not folded (ア vs ヂ)", CString(u8"ア"), CString(u8"ヂ"), -1},
        {"letter after a double-byte character folds", CString(u8"アA"), CString(u8"アa"), 0},
        {"bytes compare unsigned", CString("\xE0\x40"), CString("a"), 1},
        {"half-width katakana after ASCII", CString(u8"ｱ"), CString("z"), 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(Sign(row.a.CompareNoCase(row.b)), row.sign);
        EXPECT_EQ(Sign(row.b.CompareNoCase(row.a)), -row.sign);
    }
}

}  // namespace
