#include "OpenFileResult.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_literals;

std::vector<std::string> Bytes(const std::vector<CString>& texts)
{
    std::vector<std::string> bytes;
    for (const CString& text : texts)
        bytes.push_back(text.Bytes());
    return bytes;
}

struct ParseRow {
    const char* label;
    std::string result;
    PickedForm form;
    CString directory;
    std::vector<CString> names;
};

TEST(OpenFileResult, ParsesBothForms)
{
    const ParseRow rows[] = {
        {"several files", "/home/me\0b.txt\0a.txt\0\0"s, PickedForm::SeveralFiles, CString("/home/me"),
         {CString("b.txt"), CString("a.txt")}},
        {"several files in the root", "/\0a\0b\0\0"s, PickedForm::SeveralFiles, CString("/"),
         {CString("a"), CString("b")}},
        {"several Japanese names", CString(u8"/写真/ソ").Bytes() + "\0"s + CString(u8"表.jpg").Bytes() + "\0"s + CString(u8"ソ.jpg").Bytes() + "\0\0"s,
         PickedForm::SeveralFiles, CString(u8"/写真/ソ"), {CString(u8"表.jpg"), CString(u8"ソ.jpg")}},
        {"several, cut short after a name", "/d\0a\0b"s, PickedForm::SeveralFiles, CString("/d"),
         {CString("a"), CString("b")}},
        {"one file", "/home/me/a.txt\0\0"s, PickedForm::OneFile, CString("/home/me"), {CString("a.txt")}},
        {"one file in the root", "/a.txt\0\0"s, PickedForm::OneFile, CString("/"), {CString("a.txt")}},
        {"one file, backslashes", "C:\\dir\\a.txt\0\0"s, PickedForm::OneFile, CString("C:\\dir"),
         {CString("a.txt")}},
        {"one file, last separator of either kind", "/a\\b/c\0\0"s, PickedForm::OneFile, CString("/a\\b"),
         {CString("c")}},
        {"one file whose name ends in ソ", CString(u8"/d/ソ").Bytes() + "\0\0"s, PickedForm::OneFile,
         CString("/d"), {CString(u8"ソ")}},
        {"one file whose name holds 表 and ソ", CString(u8"/写真/表ソ表.jpg").Bytes() + "\0\0"s,
         PickedForm::OneFile, CString(u8"/写真"), {CString(u8"表ソ表.jpg")}},
        {"one file in a folder named ソ", CString(u8"/ソ/a").Bytes() + "\0\0"s, PickedForm::OneFile,
         CString(u8"/ソ"), {CString("a")}},
        {"one file, no terminator at all", "/d/a"s, PickedForm::OneFile, CString("/d"), {CString("a")}},
        {"one text without a separator", "a.txt\0\0"s, PickedForm::OneFile, CString(""), {CString("a.txt")}},
        {"empty name list reads as one path", "/home/me\0\0"s, PickedForm::OneFile, CString("/home"),
         {CString("me")}},
        {"nothing at all", ""s, PickedForm::OneFile, CString(""), {CString("")}},
        {"a marker is no lead byte", "/d/\xFF\0\0"s, PickedForm::OneFile, CString("/d"), {CString("\xFF")}},
    };
    for (const ParseRow& row : rows) {
        SCOPED_TRACE(row.label);
        const PickedFiles picked = ParseOpenFileResult(row.result);
        EXPECT_EQ(picked.form, row.form);
        EXPECT_EQ(picked.directory.Bytes(), row.directory.Bytes());
        EXPECT_EQ(Bytes(picked.names), Bytes(row.names));
    }
}

// What the dialog builds, the command reads back; one file and several in the
// same folder give the same directory text, so the list is kept between them.
TEST(OpenFileResult, BuiltFormsReadBackWithTheSameDirectory)
{
    struct Row {
        const char* label;
        CString directory;
        std::vector<CString> names;
        std::string expected;
    };
    const Row rows[] = {
        {"one file", CString("/home/me"), {CString("a.txt")}, "/home/me/a.txt\0\0"s},
        {"one file in the root", CString("/"), {CString("a.txt")}, "/a.txt\0\0"s},
        {"one file in a folder named ソ", CString(u8"/ソ"), {CString("a")}, CString(u8"/ソ/a").Bytes() + "\0\0"s},
        {"several files", CString("/home/me"), {CString("b"), CString("a")}, "/home/me\0b\0a\0\0"s},
        {"several files in the root", CString("/"), {CString("a"), CString("b")}, "/\0a\0b\0\0"s},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const std::string built = BuildOpenFileResult(row.directory, row.names);
        EXPECT_EQ(built, row.expected);
        const PickedFiles picked = ParseOpenFileResult(built);
        EXPECT_EQ(picked.form, row.names.size() == 1 ? PickedForm::OneFile : PickedForm::SeveralFiles);
        EXPECT_EQ(picked.directory.Bytes(), row.directory.Bytes());
        EXPECT_EQ(Bytes(picked.names), Bytes(row.names));
    }
}

}  // namespace
