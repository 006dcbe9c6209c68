#pragma once
// Renaming in the role of MoveFileA: never replaces an existing file, atomic.

#include "CString.h"

enum class MoveError {
    None,
    NameTaken,      // another file already has the target name
    NotFound,       // the source is gone, or a directory on the way is missing
    Unmappable,     // a path holds the marker or no exact form
    Refused,        // anything else the file system refused (errno kept)
};

struct MoveResult {
    MoveError error = MoveError::None;
    int errnoValue = 0;
    bool ok() const { return error == MoveError::None; }
};

// from and to are full program paths (JoinPath). The same file under the same
// name, or under a name that differs only in letter case on a case-insensitive
// file system, is a plain rename and succeeds; a hard link of it under another
// name is a taken name.
MoveResult MoveFile(const CString& from, const CString& to);
