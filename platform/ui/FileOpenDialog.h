#pragma once
// The file-open dialog, in the roles of GetOpenFileNameA and
// CommDlgExtendedError: several files of one folder may be chosen, every file
// is offered, and a typed name of a file that does not exist is taken too.

#include "CString.h"

#include <cstddef>
#include <string>

class CWnd;

inline constexpr unsigned FNERR_INVALIDFILENAME = 0x3002;
inline constexpr unsigned FNERR_BUFFERTOOSMALL = 0x3003;

struct OpenFileRequest {
    CWnd* owner = nullptr;
    CString initialDir;  // resolved like any path; empty: the root
    CString title;
    std::size_t maxFile = 2048;  // the largest result, its NULs included
};

// Nonzero when the person confirmed a choice; result then holds it in CP932,
// "dir NUL name NUL ... NUL NUL" for several files and "fullpath NUL NUL" for
// one, with "/" separators and the root as "/". Zero otherwise, with result
// unchanged and the reason in CommDlgExtendedError.
int GetOpenFileName(const OpenFileRequest& request, std::string& result);

// Why the last GetOpenFileName gave zero: FNERR_BUFFERTOOSMALL when the
// result would exceed maxFile, 0 when the person cancelled.
unsigned CommDlgExtendedError();
