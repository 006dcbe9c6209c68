#include "PathMapping.h"

#include "Cp932.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// "ソ" and "表" in CP932 both end in 0x5C, the byte of "\".
constexpr const char* kSo = "\x83\x5C";
constexpr const char* kHyo = "\x95\x5C";

std::string Utf8(const char8_t* text)
{
    return reinterpret_cast<const char*>(text);
}

TEST(NativePathTest, MapsProgramTextsToLinuxPaths)
{
    struct Row {
        const char* label;
        CString text;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {"empty stays empty", "", ""},
        {"backslash alone is the root", "\\", "/"},
        {"slash alone is the root", "/", "/"},
        {"leading separator is the root", "\\tmp\\x", "/tmp/x"},
        {"run of backslashes is one", "a\\\\b", "a/b"},
        {"mixed run is one", "a/\\//b", "a/b"},
        {"both separators in one path", "a/b\\c", "a/b/c"},
        {"trailing separator kept once", "dir\\\\", "dir/"},
        {"relative stays relative", "sub\\file.txt", "sub/file.txt"},
        {"wildcards are ordinary", "a*\\?b", "a*/?b"},
        {"trail byte 0x5C does not split", CString("x\\") + kSo + "\\" + kHyo + ".txt",
         Utf8(u8"x/ソ/表.txt")},
        {"trail byte 0x5C at the end is no separator", CString("dir\\") + kSo, Utf8(u8"dir/ソ")},
        {"marker names nothing", CString("dir\\a") + CString::FromBytes(std::string(1, cp932::kMarker)) + "b", std::nullopt},
        {"lone lead byte names nothing", "dir\\a\x81", std::nullopt},
        {"NUL would cut the path", CString::FromBytes(std::string("a\0b", 3)), std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(NativePath(row.text), row.expected);
    }
}

TEST(NameFromNativeTest, ConvertsLinuxNamesAndMarksWhatHasNoExactForm)
{
    const std::string marker(1, cp932::kMarker);
    struct Row {
        const char* label;
        std::string native;
        std::string expected;
    };
    const Row rows[] = {
        {"ASCII unchanged", "Read Me~1.txt", "Read Me~1.txt"},
        {"Japanese to CP932", Utf8(u8"ソ表.txt"), std::string(kSo) + kHyo + ".txt"},
        {"backslash becomes the marker", "a\\b", "a" + marker + "b"},
        {"emoji becomes the marker", Utf8(u8"a😀b"), "a" + marker + "b"},
        {"backslash next to Japanese", Utf8(u8"ソ\\表"), std::string(kSo) + marker + kHyo},
        {"replacement character itself", Utf8(u8"a\uFFFD"), "a" + marker},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(NameFromNative(row.native).Bytes(), row.expected);
    }
}

TEST(NameFromNativeTest, InvalidUtf8NeverNamesAFileAgain)
{
    const CString name = NameFromNative("a\xC3(b\xFF.txt");
    EXPECT_NE(name.Bytes().find(cp932::kMarker), std::string::npos) << name.Bytes();
    EXPECT_EQ(NativePath(name), std::nullopt);
}

TEST(PathFromNativeTest, KeepsSlashesAndConvertsEachComponent)
{
    const std::string marker(1, cp932::kMarker);
    EXPECT_EQ(PathFromNative("/").Bytes(), "/");
    EXPECT_EQ(PathFromNative(Utf8(u8"/tmp/ソ/a\\b")).Bytes(),
              std::string("/tmp/") + kSo + "/a" + marker + "b");
    // What the program gets back maps to the same native path again.
    EXPECT_EQ(NativePath(PathFromNative(Utf8(u8"/home/表/x.txt"))), Utf8(u8"/home/表/x.txt"));
}

}  // namespace
