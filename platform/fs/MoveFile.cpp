#include "MoveFile.h"

#include "MoveFileSeam.h"
#include "PathMapping.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace move_file_seam {

int SystemRenameNoReplace(const char* from, const char* to)
{
    return static_cast<int>(
        syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE));
}

RenameNoReplace renameNoReplace = SystemRenameNoReplace;

}  // namespace move_file_seam

namespace {

MoveResult Failed(MoveError error, int errnoValue)
{
    return {error, errnoValue};
}

MoveResult FromErrno(int errnoValue)
{
    if (errnoValue == ENOENT)
        return Failed(MoveError::NotFound, errnoValue);
    return Failed(MoveError::Refused, errnoValue);
}

MoveResult PlainRename(const std::string& from, const std::string& to)
{
    if (std::rename(from.c_str(), to.c_str()) == 0)
        return {};
    return FromErrno(errno);
}

std::string_view BaseName(std::string_view path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string ParentDirectory(std::string_view path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return ".";
    if (slash == 0)
        return "/";
    return std::string(path.substr(0, slash));
}

bool SameInode(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// "d/a" and "./d/a" are one entry although their bytes differ.
bool SameEntry(const std::string& from, const std::string& to)
{
    if (BaseName(from) != BaseName(to))
        return false;
    struct stat fromParent;
    struct stat toParent;
    return stat(ParentDirectory(from).c_str(), &fromParent) == 0 &&
        stat(ParentDirectory(to).c_str(), &toParent) == 0 && SameInode(fromParent, toParent);
}

// Looks for the name byte for byte: on a case-insensitive file system the
// OS would also find "A" when asked for "a".
std::optional<bool> DirectoryHoldsExactly(const std::string& directory, std::string_view name)
{
    DIR* dir = opendir(directory.c_str());
    if (!dir)
        return std::nullopt;
    bool found = false;
    while (dirent* entry = readdir(dir)) {
        if (name == entry->d_name) {
            found = true;
            break;
        }
    }
    closedir(dir);
    return found;
}

// The target name exists. It may still be the source itself: the very same
// path, or the same entry under a name that differs only in letter case on a
// case-insensitive file system, which the person means as a plain rename.
MoveResult WhenNameExists(const std::string& from, const std::string& to)
{
    const MoveResult taken = Failed(MoveError::NameTaken, EEXIST);
    if (from == to)
        return {};
    struct stat source;
    struct stat target;
    if (lstat(from.c_str(), &source) != 0 || lstat(to.c_str(), &target) != 0)
        return taken;
    if (!SameInode(source, target))
        return taken;
    if (SameEntry(from, to))
        return {};
    if (source.st_nlink == 1)
        return PlainRename(from, to);
    // Several names share the inode: only an entry spelled exactly like the
    // target shows that the name belongs to another link.
    const std::optional<bool> holds = DirectoryHoldsExactly(ParentDirectory(to), BaseName(to));
    if (!holds || *holds)
        return taken;
    return PlainRename(from, to);
}

// For file systems that refuse RENAME_NOREPLACE: link creates the target
// atomically or fails because the name is taken, and the unlink that follows
// cannot replace anything.
MoveResult MoveByLink(const std::string& from, const std::string& to)
{
    if (link(from.c_str(), to.c_str()) == 0) {
        if (unlink(from.c_str()) == 0)
            return {};
        const int unlinkError = errno;
        unlink(to.c_str());
        return Failed(MoveError::Refused, unlinkError);
    }
    const int linkError = errno;
    if (linkError == EEXIST)
        return WhenNameExists(from, to);
    const bool linkImpossible = linkError == EPERM || linkError == EOPNOTSUPP ||
        linkError == EXDEV || linkError == EMLINK;
    if (!linkImpossible)
        return FromErrno(linkError);
    struct stat target;
    if (lstat(to.c_str(), &target) == 0)
        return WhenNameExists(from, to);
    if (errno != ENOENT)
        return FromErrno(errno);
    // Last resort (a directory, or a file system without hard links): a
    // plain rename. A file created under the target name between the check
    // above and this call would be replaced; nothing better is left here.
    return PlainRename(from, to);
}

}  // namespace

MoveResult MoveFile(const CString& from, const CString& to)
{
    const std::optional<std::string> source = NativePath(from);
    const std::optional<std::string> target = NativePath(to);
    if (!source || !target)
        return Failed(MoveError::Unmappable, 0);
    if (move_file_seam::renameNoReplace(source->c_str(), target->c_str()) == 0)
        return {};
    const int renameError = errno;
    if (renameError == EEXIST)
        return WhenNameExists(*source, *target);
    // EINVAL: the file system refuses the flag; ENOSYS: a kernel without renameat2.
    if (renameError == EINVAL || renameError == ENOSYS)
        return MoveByLink(*source, *target);
    return FromErrno(renameError);
}
