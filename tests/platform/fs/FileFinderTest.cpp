#include "FileFinder.h"

#include "Cp932.h"
#include "TempDirectory.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace {

constexpr const char* kSo = "\x83\x5C";
constexpr const char* kHyo = "\x95\x5C";

std::string Utf8(const char8_t* text)
{
    return reinterpret_cast<const char*>(text);
}

CString Marker()
{
    return CString::FromBytes(std::string(1, cp932::kMarker));
}

bool HasMarker(const CString& name)
{
    return name.Bytes().find(cp932::kMarker) != std::string::npos;
}

// name (CP932 bytes) -> attribute word, or nullopt when FindFirst fails.
// Names with the marker can coincide, hence a multimap.
using Listing = std::multimap<std::string, std::uint32_t>;

std::optional<Listing> List(const CString& pattern)
{
    FileFinder finder;
    WIN32_FIND_DATAA record;
    if (!finder.FindFirst(pattern, record))
        return std::nullopt;
    Listing entries;
    do {
        entries.emplace(record.cFileName.Bytes(), record.dwFileAttributes);
    } while (finder.FindNext(record));
    return entries;
}

std::optional<WIN32_FIND_DATAA> Lookup(const CString& path)
{
    FileFinder finder;
    WIN32_FIND_DATAA record;
    if (!finder.FindFirst(path, record))
        return std::nullopt;
    WIN32_FIND_DATAA next;
    EXPECT_FALSE(finder.FindNext(next)) << "a lookup continued";
    return record;
}

class FileFinderTest : public ::testing::Test {
protected:
    void Touch(const std::string& name) const { dir.Write(name, "x"); }
    void MakeDirectory(const std::string& name) const
    {
        ASSERT_EQ(mkdir(dir.Path(name).c_str(), 0755), 0) << name;
    }
    void Symlink(const std::string& target, const std::string& name) const
    {
        ASSERT_EQ(symlink(target.c_str(), dir.Path(name).c_str()), 0) << name;
    }
    CString Every() const { return dir.Text() + "\\*.*"; }

    TempDirectory dir;
};

enum class Kind { Existing, File, ReadOnlyFile, Directory, Link, Fifo, Socket };

void MakeSocket(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof(address.sun_path));
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    close(fd);
}

TEST_F(FileFinderTest, ListingAndLookupReportTheAttributeWordOfEachKind)
{
    struct Row {
        const char* label;
        const char* name;
        Kind kind;
        const char* target;
        std::uint32_t expected;
    };
    const Row rows[] = {
        {"the directory itself", ".", Kind::Existing, "", 0x10},
        {"its parent", "..", Kind::Existing, "", 0x10},
        {"file", "file.txt", Kind::File, "", 0x20},
        {"read-only file", "readonly.txt", Kind::ReadOnlyFile, "", 0x21},
        {"dot file", ".profile", Kind::File, "", 0x22},
        {"directory", "sub", Kind::Directory, "", 0x10},
        {"dot directory", ".cache", Kind::Directory, "", 0x12},
        {"symlink to a file", "to-file", Kind::Link, "file.txt", 0x420},
        {"symlink to a read-only file", "to-readonly", Kind::Link, "readonly.txt", 0x421},
        {"symlink to a directory", "to-dir", Kind::Link, "sub", 0x410},
        {"dot symlink to a file", ".to-file", Kind::Link, "file.txt", 0x422},
        {"dangling symlink", "dangling", Kind::Link, "no-such-file", 0x420},
        {"FIFO", "fifo", Kind::Fifo, "", 0x04},
        {"socket", "sock", Kind::Socket, "", 0x04},
    };
    for (const Row& row : rows) {
        const std::string path = dir.Path(row.name);
        switch (row.kind) {
        case Kind::Existing:
            break;
        case Kind::File:
            Touch(row.name);
            break;
        case Kind::ReadOnlyFile:
            Touch(row.name);
            ASSERT_EQ(chmod(path.c_str(), 0444), 0);
            break;
        case Kind::Directory:
            MakeDirectory(row.name);
            break;
        case Kind::Link:
            Symlink(row.target, row.name);
            break;
        case Kind::Fifo:
            ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
            break;
        case Kind::Socket:
            MakeSocket(path);
            break;
        }
    }

    const auto listed = List(Every());
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->size(), std::size(rows));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        ASSERT_EQ(listed->count(row.name), 1u);
        const auto entry = listed->find(row.name);
        EXPECT_EQ(entry->second, row.expected);
        const auto found = Lookup(dir.Text(row.name));
        ASSERT_TRUE(found);
        EXPECT_EQ(found->dwFileAttributes, row.expected);
        EXPECT_EQ(found->cFileName.Bytes(), row.name);
    }
}

TEST_F(FileFinderTest, ListingFailsWhenThereIsNoDirectoryToRead)
{
    Touch("plain.txt");
    struct Row {
        const char* label;
        CString pattern;
    };
    const Row rows[] = {
        {"missing directory", dir.Text("missing") + "\\*.*"},
        {"a file, not a directory", dir.Text("plain.txt") + "\\*.*"},
        {"marker in the directory", dir.Text("a") + Marker() + "\\*.*"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_FALSE(List(row.pattern));
    }
}

TEST_F(FileFinderTest, ListingFailsForAnUnreadableDirectory)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every directory";
    MakeDirectory("locked");
    ASSERT_EQ(chmod(dir.Path("locked").c_str(), 0), 0);
    EXPECT_FALSE(List(dir.Text("locked") + "\\*.*"));
}

TEST_F(FileFinderTest, LookupTakesTheNameLiterally)
{
    Touch("star*?.txt");
    Touch("plain.txt");
    struct Row {
        const char* label;
        CString path;
        const char* expected;  // nullptr: not found
    };
    const Row rows[] = {
        {"wildcards are part of the name", dir.Text("star*?.txt"), "star*?.txt"},
        {"a star does not match", dir.Text("st*"), nullptr},
        {"a question mark does not match", dir.Text("plain.tx?"), nullptr},
        {"a name ending in *.* is a name", dir.Text("plain*.*"), nullptr},
        {"doubled separators count once", dir.Text() + "\\\\/plain.txt", "plain.txt"},
        {"forward slashes", CString::FromBytes(dir.Path("plain.txt")), "plain.txt"},
        {"letter case matters", dir.Text("PLAIN.TXT"), nullptr},
        {"missing file", dir.Text("missing.txt"), nullptr},
        {"trailing separator", dir.Text("plain.txt") + "\\", nullptr},
        {"empty text", "", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const auto found = Lookup(row.path);
        if (!row.expected) {
            EXPECT_FALSE(found);
            continue;
        }
        ASSERT_TRUE(found);
        EXPECT_EQ(found->cFileName.Bytes(), row.expected);
        EXPECT_EQ(found->dwFileAttributes, 0x20u);
    }
}

// A name taken from a listing may be "*.*" itself, which FindFirst reads as
// the listing pattern; FindFile looks up exactly the entry named.
TEST_F(FileFinderTest, FindFileLooksUpEveryNameLiterally)
{
    TempDirectory empty;
    Touch("*.*");
    Touch("a.txt");
    MakeDirectory("sub");
    struct Row {
        const char* label;
        CString path;
        const char* expected;  // nullptr: not found
        std::uint32_t attributes;
    };
    const Row rows[] = {
        {"a file named *.*", dir.Text("*.*"), "*.*", 0x20},
        {"no file named *.*", empty.Text("*.*"), nullptr, 0},
        {"a plain name", dir.Text("a.txt"), "a.txt", 0x20},
        {"a folder", dir.Text("sub"), "sub", 0x10},
        {"wildcards do not match", dir.Text("a.*"), nullptr, 0},
        {"trailing separator", dir.Text() + "\\", nullptr, 0},
        {"the marker", dir.Text() + "\\" + Marker(), nullptr, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        FileFinder finder;
        WIN32_FIND_DATAA record;
        const bool found = finder.FindFile(row.path, record);
        WIN32_FIND_DATAA next;
        EXPECT_FALSE(finder.FindNext(next)) << "a lookup left a search open";
        if (!row.expected) {
            EXPECT_FALSE(found);
            continue;
        }
        ASSERT_TRUE(found);
        EXPECT_EQ(record.cFileName.Bytes(), row.expected);
        EXPECT_EQ(record.dwFileAttributes, row.attributes);
    }
}

TEST_F(FileFinderTest, LookupReportsTheLastWriteTimeInNanosecondHalves)
{
    struct Row {
        const char* label;
        time_t seconds;
        long nanos;
        std::uint32_t low;
        std::uint32_t high;
    };
    const Row rows[] = {
        {"2023", 1700000000, 123456789, 0x3D85CD15, 0x17979CFE},
        {"carry into the high half", 4, 294967296, 0x0, 0x1},
        {"just below the carry", 4, 294967295, 0xFFFFFFFF, 0x0},
        {"before 1970 counts as 0", -1000, 5, 0x0, 0x0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Touch("timed");
        const timespec times[2] = {{0, UTIME_OMIT}, {row.seconds, row.nanos}};
        ASSERT_EQ(utimensat(AT_FDCWD, dir.Path("timed").c_str(), times, 0), 0);
        const auto found = Lookup(dir.Text("timed"));
        ASSERT_TRUE(found);
        EXPECT_EQ(found->ftLastWriteTime.dwLowDateTime, row.low);
        EXPECT_EQ(found->ftLastWriteTime.dwHighDateTime, row.high);
    }
}

TEST_F(FileFinderTest, SymlinkReportsItsTargetsTime)
{
    Touch("target");
    Symlink("target", "link");
    const timespec targetTimes[2] = {{0, UTIME_OMIT}, {4, 294967296}};
    const timespec linkTimes[2] = {{0, UTIME_OMIT}, {9, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, dir.Path("target").c_str(), targetTimes, 0), 0);
    ASSERT_EQ(utimensat(AT_FDCWD, dir.Path("link").c_str(), linkTimes, AT_SYMLINK_NOFOLLOW), 0);

    const auto found = Lookup(dir.Text("link"));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->ftLastWriteTime.dwLowDateTime, 0u);
    EXPECT_EQ(found->ftLastWriteTime.dwHighDateTime, 1u);
}

TEST_F(FileFinderTest, NamesWithoutAnExactFormAreListedButNeverResolve)
{
    // Names a marker might be mistaken for: they must stay untouched by any
    // lookup of a marked name.
    Touch(Utf8(u8"a\uFFFD.txt"));
    Touch("a_.txt");
    Touch("a?.txt");
    Touch("a.txt");
    Touch("a\\.txt");
    Touch(Utf8(u8"a😀.txt"));
    Touch("a\xC3.txt");

    const auto listed = List(Every());
    ASSERT_TRUE(listed);
    int marked = 0;
    for (const auto& [bytes, attributes] : *listed) {
        const CString name = CString::FromBytes(bytes);
        SCOPED_TRACE(bytes);
        const auto found = Lookup(dir.Text() + "\\" + name);
        if (!HasMarker(name)) {
            EXPECT_TRUE(found);
            continue;
        }
        ++marked;
        EXPECT_EQ(attributes, 0x20u);
        EXPECT_FALSE(found);
    }
    // The replacement character, the backslash, the emoji and the bad byte
    // all show as the same text.
    EXPECT_EQ(marked, 4);
    EXPECT_EQ(listed->count("a" + Marker().Bytes() + ".txt"), 4u);
    EXPECT_TRUE(listed->contains("a_.txt"));
    EXPECT_TRUE(listed->contains("a?.txt"));
}

TEST_F(FileFinderTest, JapaneseNamesRoundTrip)
{
    MakeDirectory(Utf8(u8"ソ"));
    Touch(Utf8(u8"ソ/表.txt"));
    Touch(Utf8(u8"ソ/ソ表ソ"));
    MakeDirectory(Utf8(u8"ソ/予定表"));

    // The directory's trail byte 0x5C must not pass for the separator.
    const CString base = dir.Text(kSo);
    const auto listed = List(base + "\\*.*");
    ASSERT_TRUE(listed);
    const Listing expected = {
        {".", 0x10},
        {"..", 0x10},
        {std::string(kHyo) + ".txt", 0x20},
        {std::string(kSo) + kHyo + kSo, 0x20},
        {"\x97\x5C\x92\xE8\x95\x5C", 0x10},  // 予定表
    };
    EXPECT_EQ(*listed, expected);
    for (const auto& [name, attributes] : *listed) {
        SCOPED_TRACE(name);
        const auto found = Lookup(base + "\\" + CString::FromBytes(name));
        ASSERT_TRUE(found);
        EXPECT_EQ(found->cFileName.Bytes(), name);
        EXPECT_EQ(found->dwFileAttributes, attributes);
    }
}

TEST_F(FileFinderTest, RelativeAndRootPatterns)
{
    Touch("here.txt");
    MakeDirectory("sub");
    Touch("sub/inner.txt");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());

    const auto current = List("*.*");
    const auto sub = List("sub\\*.*");
    const auto lookup = Lookup("sub\\inner.txt");
    const auto root = List("\\*.*");
    std::filesystem::current_path(previous);

    ASSERT_TRUE(current);
    EXPECT_TRUE(current->contains("here.txt"));
    ASSERT_TRUE(sub);
    EXPECT_TRUE(sub->contains("inner.txt"));
    EXPECT_TRUE(lookup);
    ASSERT_TRUE(root);
    ASSERT_EQ(root->count("tmp"), 1u);
    EXPECT_EQ(root->find("tmp")->second & 0x10u, 0x10u);
}

TEST_F(FileFinderTest, ListsEveryEntryOfALargeDirectory)
{
    // Far more than one getdents buffer holds.
    constexpr int kCount = 5000;
    for (int i = 0; i < kCount; ++i)
        Touch("entry-with-a-long-name-" + std::to_string(i));
    const auto listed = List(Every());
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->size(), kCount + 2u);
    EXPECT_TRUE(listed->contains("entry-with-a-long-name-4999"));
}

TEST_F(FileFinderTest, FindNextAfterTheEndAndAfterCloseReturnsFalse)
{
    WIN32_FIND_DATAA record;
    FileFinder finder;
    EXPECT_FALSE(finder.FindNext(record));
    ASSERT_TRUE(finder.FindFirst(Every(), record));
    finder.Close();
    EXPECT_FALSE(finder.FindNext(record));
    ASSERT_TRUE(finder.FindFirst(Every(), record));
    ASSERT_TRUE(finder.FindNext(record));
    EXPECT_FALSE(finder.FindNext(record));
    EXPECT_FALSE(finder.FindNext(record));
}

}  // namespace
