#include "NewName.h"

#include "ExtensionMode.h"

#include <gtest/gtest.h>

namespace {

constexpr bool kOff = false;
constexpr bool kOn = true;

struct Row {
    const char* label;
    const char8_t* oldName;
    const char8_t* typed;
    bool numbering;
    int sequence;
    int mode;
    const char8_t* ext;
    const char8_t* expected;
};

TEST(NewName, ComposesFromTheDialogFields)
{
    const Row rows[] = {
        {"keep", u8"IMG_0001.JPG", u8"夏休み", kOff, 0, EXT_KEEP, u8"", u8"夏休み.JPG"},
        {"keep, numbered", u8"IMG_0001.JPG", u8"夏休み", kOn, 7, EXT_KEEP, u8"", u8"07 夏休み.JPG"},
        {"keep after 表", u8"表.xls", u8"資料", kOn, 2, EXT_KEEP, u8"", u8"02 資料.xls"},
        {"keep after ソ", u8"ソ.txt", u8"名前", kOff, 0, EXT_KEEP, u8"", u8"名前.txt"},
        {"unify, numbered", u8"report.txt", u8"memo", kOn, 1, EXT_UNIFY, u8"doc", u8"01 memo.doc"},
        {"unify with no extension", u8"report.txt", u8"memo", kOff, 0, EXT_UNIFY, u8"", u8"memo"},
        {"unify takes a dot as typed", u8"report.txt", u8"memo", kOff, 0, EXT_UNIFY, u8".doc", u8"memo..doc"},
        {"none ignores the extension", u8"report.txt", u8"memo", kOff, 0, EXT_NONE, u8"doc", u8"memo"},
        {"keep, old name without dot", u8"README", u8"readme2", kOff, 0, EXT_KEEP, u8"", u8"readme2"},
        {"keep takes the last dot", u8"archive.tar.gz", u8"backup", kOff, 0, EXT_KEEP, u8"", u8"backup.gz"},
        {"keep, leading dot", u8".profile", u8"x", kOff, 0, EXT_KEEP, u8"", u8"x.profile"},
        {"keep, dot at the end", u8"name.", u8"new", kOff, 0, EXT_KEEP, u8"", u8"new."},
        {"keep after a typed extension", u8"a.txt", u8"b.txt", kOff, 0, EXT_KEEP, u8"", u8"b.txt.txt"},
        {"none keeps the typed text", u8"a.txt", u8"b.txt", kOff, 0, EXT_NONE, u8"", u8"b.txt"},
        {"keep, same name typed", u8"a.txt", u8"a.txt", kOff, 0, EXT_KEEP, u8"", u8"a.txt.txt"},
        {"numbered, nothing typed", u8"a.txt", u8"", kOn, 12, EXT_KEEP, u8"", u8"12 .txt"},
        {"number 0", u8"a.txt", u8"x", kOn, 0, EXT_NONE, u8"", u8"00 x"},
        {"number 99", u8"a.txt", u8"x", kOn, 99, EXT_NONE, u8"", u8"99 x"},
        {"number 100 is not cut", u8"old.ext", u8"name", kOn, 100, EXT_KEEP, u8"", u8"100 name.ext"},
        {"number 1234 is not cut", u8"old.ext", u8"name", kOn, 1234, EXT_NONE, u8"", u8"1234 name"},
        {"mode outside the enumeration", u8"a.txt", u8"b", kOff, 0, 7, u8"doc", u8"b"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        NewNameInputs in;
        in.numbering = row.numbering;
        in.sequence = row.sequence;
        in.typedName = CString(row.typed);
        in.extMode = row.mode;
        in.extension = CString(row.ext);
        in.oldName = CString(row.oldName);
        EXPECT_EQ(ComposeNewName(in).Bytes(), CString(row.expected).Bytes());
    }
}

}  // namespace
