// The scan and the rename on a real folder of fuzzer-made entries: names of
// any bytes, files, read-only files, folders, FIFOs, links and hard links.
//
// The listing reports each entry once, under its CP932 name, with the
// attribute word its kind gives; the scan's filter leaves out exactly the
// plain folders, the FIFOs, "." and ".."; a listed name without the marker
// finds its own entry again, one with the marker finds nothing. Moving one
// listed entry to a typed bare name either renames that entry alone or
// changes nothing; it never replaces a file.
//
// Input: a word for the filter (four bytes), the entry to move and its new
// name (NUL-terminated), then up to eight entries, each a kind byte and a
// NUL-terminated Linux name.

#include "AttributeFilter.h"
#include "Cp932.h"
#include "DirectoryText.h"
#include "FileFinder.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "MoveFile.h"
#include "PathMapping.h"
#include "TextOracle.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kMaxEntries = 8;

enum class Kind { File, ReadOnlyFile, Directory, Fifo, LinkToFile, LinkToDirectory, DanglingLink, HardLink };
constexpr int kKinds = 8;

struct Entry {
    std::string name;  // native, UTF-8 or not
    std::uint32_t attributes = 0;
};

void Empty(const std::string& folder);

// One scratch folder per process: "list" holds the entries, the link targets
// live beside it so that the listing shows only what the input made.
struct Scratch {
    std::string root;
    std::string list;
    std::string fileTarget;
    std::string directoryTarget;

    Scratch()
    {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/sorabun-fuzz-XXXXXX";
        FUZZ_REQUIRE(mkdtemp(pattern.data()) != nullptr, "no scratch folder");
        root = pattern;
        list = root + "/list";
        fileTarget = root + "/file";
        directoryTarget = root + "/folder";
        FUZZ_REQUIRE(mkdir(list.c_str(), 0755) == 0, "no list folder");
        FUZZ_REQUIRE(mkdir(directoryTarget.c_str(), 0755) == 0, "no link target folder");
        const int fd = open(fileTarget.c_str(), O_CREAT | O_WRONLY, 0644);
        FUZZ_REQUIRE(fd >= 0, "no link target file");
        close(fd);
    }

    ~Scratch()
    {
        Empty(list);
        rmdir(list.c_str());
        rmdir(directoryTarget.c_str());
        unlink(fileTarget.c_str());
        rmdir(root.c_str());
    }
};

Scratch& TheScratch()
{
    static Scratch scratch;
    return scratch;
}

std::uint32_t Hidden(std::string_view name)
{
    return name.starts_with('.') ? FILE_ATTRIBUTE_HIDDEN : 0;
}

// Makes the entry; false when the file system refuses the name (too long,
// taken), and the entry is left out.
bool Make(const Scratch& scratch, Kind kind, const std::string& name, const Entry* lastFile, Entry& made)
{
    const std::string path = scratch.list + "/" + name;
    const std::uint32_t hidden = Hidden(name);
    made.name = name;
    switch (kind) {
    case Kind::File:
    case Kind::ReadOnlyFile: {
        const mode_t mode = kind == Kind::File ? 0644 : 0444;
        const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY, mode);
        if (fd < 0)
            return false;
        close(fd);
        const std::uint32_t readOnly = kind == Kind::File ? 0 : FILE_ATTRIBUTE_READONLY;
        made.attributes = FILE_ATTRIBUTE_ARCHIVE | hidden | readOnly;
        return true;
    }
    case Kind::Directory:
        made.attributes = FILE_ATTRIBUTE_DIRECTORY | hidden;
        return mkdir(path.c_str(), 0755) == 0;
    case Kind::Fifo:
        made.attributes = FILE_ATTRIBUTE_SYSTEM;
        return mkfifo(path.c_str(), 0644) == 0;
    case Kind::LinkToFile:
        made.attributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_REPARSE_POINT | hidden;
        return symlink(scratch.fileTarget.c_str(), path.c_str()) == 0;
    case Kind::LinkToDirectory:
        made.attributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | hidden;
        return symlink(scratch.directoryTarget.c_str(), path.c_str()) == 0;
    case Kind::DanglingLink:
        made.attributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_REPARSE_POINT | hidden;
        return symlink((scratch.root + "/missing").c_str(), path.c_str()) == 0;
    case Kind::HardLink: {
        if (!lastFile)
            return false;
        made.attributes = (lastFile->attributes & ~FILE_ATTRIBUTE_HIDDEN) | hidden;
        return link((scratch.list + "/" + lastFile->name).c_str(), path.c_str()) == 0;
    }
    }
    return false;
}

void Empty(const std::string& folder)
{
    DIR* dir = opendir(folder.c_str());
    FUZZ_REQUIRE(dir != nullptr, "the list folder is gone");
    std::vector<std::string> names;
    while (dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    closedir(dir);
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        if (unlink(path.c_str()) != 0)
            rmdir(path.c_str());
    }
}

// Native name -> inode, read past the code under test.
std::map<std::string, ino_t> Inodes(const std::string& folder)
{
    std::map<std::string, ino_t> inodes;
    DIR* dir = opendir(folder.c_str());
    FUZZ_REQUIRE(dir != nullptr, "the list folder is gone");
    while (dirent* entry = readdir(dir)) {
        struct stat st;
        if (fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0)
            inodes[entry->d_name] = st.st_ino;
    }
    closedir(dir);
    return inodes;
}

using Listing = std::vector<std::pair<std::string, std::uint32_t>>;  // CP932 name, attributes

Listing Scan(const CString& directory)
{
    Listing listing;
    FileFinder finder;
    WIN32_FIND_DATAA record;
    const CString pattern = SearchBase(directory) + CString("*.*");
    for (bool found = finder.FindFirst(pattern, record); found; found = finder.FindNext(record))
        listing.emplace_back(record.cFileName.Bytes(), record.dwFileAttributes);
    std::sort(listing.begin(), listing.end());
    return listing;
}

void CheckFilterWord(std::uint32_t word)
{
    // Equality, not bit tests: no word with two bits or with the archive bit
    // is left out.
    if (std::popcount(word) > 1 || (word & FILE_ATTRIBUTE_ARCHIVE) != 0)
        FUZZ_REQUIRE(!IsExcludedAttribute(word), "a combined attribute word is left out");
}

void CheckListing(const CString& directory, const std::vector<Entry>& entries, const Listing& listing)
{
    Listing expected = {{".", FILE_ATTRIBUTE_DIRECTORY}, {"..", FILE_ATTRIBUTE_DIRECTORY}};
    for (const Entry& entry : entries)
        expected.emplace_back(NameFromNative(entry.name).Bytes(), entry.attributes);
    std::sort(expected.begin(), expected.end());
    FUZZ_REQUIRE(listing == expected, "the listing is not the entries made, with their kinds' attributes");

    for (const auto& [name, attributes] : listing) {
        const bool plainFolder = attributes == FILE_ATTRIBUTE_DIRECTORY;
        const bool special = attributes == FILE_ATTRIBUTE_SYSTEM;
        FUZZ_REQUIRE(IsExcludedAttribute(attributes) == (plainFolder || special),
                     "the scan's filter keeps a plain folder or a FIFO, or leaves out another entry");

        FileFinder finder;
        WIN32_FIND_DATAA record;
        const bool found = finder.FindFile(JoinPath(directory, CString::FromBytes(name)), record);
        if (name.find(cp932::kMarker) != std::string::npos) {
            FUZZ_REQUIRE(!found, "a name holding the marker finds an entry");
            continue;
        }
        if (name == "." || name == "..")
            continue;
        FUZZ_REQUIRE(found, "a listed name does not find its entry again");
        FUZZ_REQUIRE(record.cFileName.Bytes() == name && record.dwFileAttributes == attributes,
                     "a listed name finds another entry");
    }
}

bool IsBareName(std::string_view cp932)
{
    if (cp932.empty() || cp932 == "." || cp932 == "..")
        return false;
    for (std::size_t start : oracle::CharacterStarts(cp932)) {
        if (cp932[start] == '\\' || cp932[start] == '/')
            return false;
    }
    return true;
}

void CheckMove(const CString& directory, const std::string& listDir, const Listing& listing,
               std::size_t chosen, std::string_view typed)
{
    std::vector<std::string> movable;
    for (const auto& entry : listing) {
        if (entry.first != "." && entry.first != "..")
            movable.push_back(entry.first);
    }
    if (movable.empty() || !IsBareName(typed))
        return;
    const std::string& oldName = movable[chosen % movable.size()];
    const CString newName = CString::FromBytes(typed);

    const std::map<std::string, ino_t> before = Inodes(listDir);
    const MoveResult moved = MoveFile(JoinPath(directory, CString::FromBytes(oldName)), JoinPath(directory, newName));
    const std::map<std::string, ino_t> after = Inodes(listDir);

    const std::optional<std::string> oldNative = NativePath(CString::FromBytes(oldName));
    const std::optional<std::string> newNative = NativePath(newName);
    if (!moved.ok()) {
        FUZZ_REQUIRE(after == before, "a refused move changed the folder");
        if (oldNative && newNative && before.count(*newNative) && *newNative != *oldNative)
            FUZZ_REQUIRE(moved.error == MoveError::NameTaken, "a move onto a taken name fails otherwise");
        return;
    }
    FUZZ_REQUIRE(oldNative && newNative, "a name holding the marker was moved");
    if (*oldNative == *newNative) {
        FUZZ_REQUIRE(after == before, "a move to the same name changed the folder");
        return;
    }
    FUZZ_REQUIRE(!before.count(*newNative), "a move replaced a file");
    std::map<std::string, ino_t> expected = before;
    expected[*newNative] = expected.at(*oldNative);
    expected.erase(*oldNative);
    FUZZ_REQUIRE(after == expected, "a move changed another entry than the chosen one");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    CheckFilterWord(static_cast<std::uint32_t>(input.Int32()));
    const std::size_t chosen = input.Byte();
    const std::string_view typed = input.Piece();

    const Scratch& scratch = TheScratch();
    std::vector<Entry> entries;
    std::optional<Entry> lastFile;  // what a hard link links to
    while (!input.AtEnd() && entries.size() < kMaxEntries) {
        const auto kind = static_cast<Kind>(input.Byte() % kKinds);
        const std::string name(input.Piece());
        if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos)
            continue;
        Entry made;
        if (!Make(scratch, kind, name, lastFile ? &*lastFile : nullptr, made))
            continue;
        entries.push_back(made);
        if (kind == Kind::File || kind == Kind::ReadOnlyFile)
            lastFile = made;
    }

    const CString directory = PathFromNative(scratch.list);
    const Listing listing = Scan(directory);
    CheckListing(directory, entries, listing);
    CheckMove(directory, scratch.list, listing, chosen, typed);
    Empty(scratch.list);
    return 0;
}
