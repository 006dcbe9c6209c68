#pragma once
// The one system call MoveFile makes first, replaceable so that tests can
// play a file system that refuses RENAME_NOREPLACE (FUSE answers EINVAL).
// Not part of the library's interface.

namespace move_file_seam {

// Renames without replacing: 0, or -1 with errno set, as renameat2 answers.
using RenameNoReplace = int (*)(const char* from, const char* to);

int SystemRenameNoReplace(const char* from, const char* to);

// SystemRenameNoReplace unless a test has put in its own.
extern RenameNoReplace renameNoReplace;

}  // namespace move_file_seam
