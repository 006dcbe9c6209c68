#pragma once

#include "CString.h"

#include <cstdint>

// A last-write time as two unsigned halves of one 64-bit count of nanoseconds
// since 1970-01-01 UTC (earlier times count as 0).
struct FILETIME {
    std::uint32_t dwLowDateTime = 0;
    std::uint32_t dwHighDateTime = 0;
};

// One entry as a listing or a lookup reports it.
struct WIN32_FIND_DATAA {
    std::uint32_t dwFileAttributes = 0;
    FILETIME ftLastWriteTime;
    CString cFileName;  // the bare name as stored, in CP932 (with the marker where needed)
};
