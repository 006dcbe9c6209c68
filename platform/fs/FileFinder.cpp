#include "FileFinder.h"

#include "AttributeFilter.h"
#include "PathMapping.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kEveryEntry = "*.*";

// The directory a pattern lists, or nullopt when the pattern names one entry.
std::optional<std::string> ListedDirectory(const std::string& native)
{
    if (!native.ends_with(kEveryEntry))
        return std::nullopt;
    std::string directory = native.substr(0, native.size() - kEveryEntry.size());
    if (directory.empty())
        return std::string(".");
    if (directory.back() != '/')
        return std::nullopt;  // "a*.*" is a name like any other
    return directory;
}

bool IsHiddenName(std::string_view name)
{
    return name.starts_with('.') && name != "." && name != "..";
}

FILETIME FileTimeOf(const timespec& time)
{
    if (time.tv_sec < 0)
        return {};
    constexpr std::uint64_t kNanosPerSecond = 1'000'000'000;
    constexpr std::uint64_t kMaxSeconds =
        (std::numeric_limits<std::uint64_t>::max() - kNanosPerSecond) / kNanosPerSecond;
    const auto seconds = static_cast<std::uint64_t>(time.tv_sec);
    const std::uint64_t nanos = seconds > kMaxSeconds
        ? std::numeric_limits<std::uint64_t>::max()
        : seconds * kNanosPerSecond + static_cast<std::uint64_t>(time.tv_nsec);
    return {static_cast<std::uint32_t>(nanos), static_cast<std::uint32_t>(nanos >> 32)};
}

}  // namespace

struct FileFinder::Search {
    DIR* dir = nullptr;
    uid_t euid = geteuid();
    gid_t egid = getegid();
    std::optional<std::vector<gid_t>> groups;  // read when first needed

    Search() = default;
    Search(const Search&) = delete;
    Search& operator=(const Search&) = delete;
    ~Search()
    {
        if (dir)
            closedir(dir);
    }

    bool InGroup(gid_t gid)
    {
        if (gid == egid)
            return true;
        if (!groups)
            groups = SupplementaryGroups();
        return std::find(groups->begin(), groups->end(), gid) != groups->end();
    }

    static std::vector<gid_t> SupplementaryGroups()
    {
        int count = getgroups(0, nullptr);
        if (count <= 0)
            return {};
        std::vector<gid_t> list(static_cast<size_t>(count));
        count = getgroups(count, list.data());
        list.resize(static_cast<size_t>(std::max(count, 0)));
        return list;
    }

    // From the mode bits rather than access(2): root may write anything that
    // access(2) is asked about, yet a file nobody may write is read-only to
    // the person using the program.
    bool MayWrite(const struct stat& st)
    {
        if (euid == 0)
            return (st.st_mode & 0222) != 0;
        if (st.st_uid == euid)
            return (st.st_mode & S_IWUSR) != 0;
        if (InGroup(st.st_gid))
            return (st.st_mode & S_IWGRP) != 0;
        return (st.st_mode & S_IWOTH) != 0;
    }

    std::uint32_t KindAttributes(const struct stat& st, std::string_view name)
    {
        const std::uint32_t hidden = IsHiddenName(name) ? FILE_ATTRIBUTE_HIDDEN : 0;
        if (S_ISDIR(st.st_mode))
            return FILE_ATTRIBUTE_DIRECTORY | hidden;
        if (S_ISREG(st.st_mode))
            return FILE_ATTRIBUTE_ARCHIVE | hidden | (MayWrite(st) ? 0 : FILE_ATTRIBUTE_READONLY);
        return FILE_ATTRIBUTE_SYSTEM;
    }

    // Fills the record for the entry at path (relative to dirFd); name is the
    // entry's own name. dType may be DT_UNKNOWN. false when the entry is gone.
    bool Describe(int dirFd, const char* path, std::string_view name, unsigned char dType,
                  WIN32_FIND_DATAA& record)
    {
        struct stat st;
        if (dType != DT_LNK) {
            if (fstatat(dirFd, path, &st, AT_SYMLINK_NOFOLLOW) != 0)
                return false;
            if (!S_ISLNK(st.st_mode)) {
                Fill(record, KindAttributes(st, name), st, name);
                return true;
            }
        }
        if (fstatat(dirFd, path, &st, 0) == 0) {
            Fill(record, KindAttributes(st, name) | FILE_ATTRIBUTE_REPARSE_POINT, st, name);
            return true;
        }
        // A link whose target is missing or out of reach is a file of its own.
        if (fstatat(dirFd, path, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        const std::uint32_t hidden = IsHiddenName(name) ? FILE_ATTRIBUTE_HIDDEN : 0;
        Fill(record, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_REPARSE_POINT | hidden, st, name);
        return true;
    }

    static void Fill(WIN32_FIND_DATAA& record, std::uint32_t attributes, const struct stat& st,
                     std::string_view name)
    {
        record.dwFileAttributes = attributes;
        record.ftLastWriteTime = FileTimeOf(st.st_mtim);
        record.cFileName = NameFromNative(name);
    }

    bool Next(WIN32_FIND_DATAA& record)
    {
        while (dirent* entry = readdir(dir)) {
            // An entry removed between readdir and fstatat is skipped: it no
            // longer exists, and reporting it would offer a name that cannot
            // be renamed.
            if (Describe(dirfd(dir), entry->d_name, entry->d_name, entry->d_type, record))
                return true;
        }
        // End of the directory and a read error alike end the listing; the
        // names already reported stand.
        return false;
    }

    bool Lookup(const std::string& native, WIN32_FIND_DATAA& record)
    {
        // A trailing separator names a directory's contents, not an entry.
        if (native.empty() || native.back() == '/')
            return false;
        const size_t slash = native.rfind('/');
        const std::string_view name =
            std::string_view(native).substr(slash == std::string::npos ? 0 : slash + 1);
        return Describe(AT_FDCWD, native.c_str(), name, DT_UNKNOWN, record);
    }
};

FileFinder::FileFinder() = default;

FileFinder::~FileFinder() = default;

bool FileFinder::FindFirst(const CString& pattern, WIN32_FIND_DATAA& record)
{
    Close();
    const std::optional<std::string> native = NativePath(pattern);
    if (!native)
        return false;
    auto search = std::make_unique<Search>();
    const std::optional<std::string> directory = ListedDirectory(*native);
    if (!directory)
        return search->Lookup(*native, record);
    search->dir = opendir(directory->c_str());
    if (!search->dir)
        return false;
    if (!search->Next(record))
        return false;
    m_search = std::move(search);
    return true;
}

bool FileFinder::FindFile(const CString& path, WIN32_FIND_DATAA& record)
{
    Close();
    const std::optional<std::string> native = NativePath(path);
    if (!native)
        return false;
    return Search().Lookup(*native, record);
}

bool FileFinder::FindNext(WIN32_FIND_DATAA& record)
{
    if (!m_search)
        return false;
    if (m_search->Next(record))
        return true;
    Close();
    return false;
}

void FileFinder::Close()
{
    m_search.reset();
}
