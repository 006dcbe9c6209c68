#include "DirectoryText.h"

#include <gtest/gtest.h>

namespace {

enum class Rule { Unquote, SearchBase };

struct Row {
    const char* label;
    Rule rule;
    CString input;
    CString expected;
};

TEST(DirectoryText, QuotesAndSearchBase)
{
    const Row rows[] = {
        {"enclosed", Rule::Unquote, CString("\"photos\""), CString("photos")},
        {"enclosed Japanese", Rule::Unquote, CString(u8"\"C:\\写真\\ソ\""), CString(u8"C:\\写真\\ソ")},
        {"empty", Rule::Unquote, CString(""), CString("")},
        {"one quote", Rule::Unquote, CString("\""), CString("")},
        {"two quotes", Rule::Unquote, CString("\"\""), CString("")},
        {"doubled quotes lose one pair", Rule::Unquote, CString("\"\"a\"\""), CString("\"a\"")},
        {"four quotes leave two", Rule::Unquote, CString("\"\"\"\""), CString("\"\"")},
        {"quote at the start only", Rule::Unquote, CString("\"photos"), CString("\"photos")},
        {"quote at the end only", Rule::Unquote, CString("photos\""), CString("photos\"")},
        {"quotes inside", Rule::Unquote, CString("C:\\\"a\""), CString("C:\\\"a\"")},

        {"empty means the root", Rule::SearchBase, CString(""), CString("\\")},
        {"backslash alone", Rule::SearchBase, CString("\\"), CString("\\")},
        {"ends in a slash", Rule::SearchBase, CString("/home/me/"), CString("/home/me/")},
        {"ends in a backslash", Rule::SearchBase, CString("C:\\photos\\"), CString("C:\\photos\\")},
        {"no separator at the end", Rule::SearchBase, CString("C:\\photos"), CString("C:\\photos\\")},
        {"ends in the trail byte of ソ", Rule::SearchBase, CString(u8"C:\\写真\\ソ"), CString(u8"C:\\写真\\ソ\\")},
        {"only 表", Rule::SearchBase, CString(u8"表"), CString(u8"表\\")},
        {"separator after ソ", Rule::SearchBase, CString(u8"ソ\\"), CString(u8"ソ\\")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        if (row.rule == Rule::SearchBase) {
            EXPECT_EQ(SearchBase(row.input).Bytes(), row.expected.Bytes());
            continue;
        }
        CString text = row.input;
        RemoveEnclosingQuotes(text);
        EXPECT_EQ(text.Bytes(), row.expected.Bytes());
    }
}

TEST(DirectoryText, JoinPathNormalisesNothing)
{
    EXPECT_EQ(JoinPath(CString(u8"C:\\写真"), CString("a.txt")).Bytes(), CString(u8"C:\\写真\\a.txt").Bytes());
    EXPECT_EQ(JoinPath(CString("C:\\dir\\"), CString("a")).Bytes(), "C:\\dir\\\\a");
}

}  // namespace
