#pragma once
// Directory listing and single-file lookup, in the roles of FindFirstFileA and
// FindNextFileA.
//
// A pattern whose last component is "*.*" lists that directory (one level,
// "." and ".." included, as the original platform reports them); any other
// text looks up the one entry it names, taken literally ("*" and "?" are
// ordinary characters). Linux lets a file be named "*.*", and FindFirst cannot
// tell that name from the listing pattern, so a caller holding a name it got
// from a listing uses FindFile. Attribute words follow the Linux metadata:
//   directory 0x10 (+0x02 for a dot name other than "." and "..");
//   regular file 0x20 (+0x01 when the user may not write it, +0x02 for a dot name);
//   a symbolic link adds 0x400 to what its target is (a dangling one is 0x420);
//   FIFO, socket or device 0x04.

#include "FindData.h"

#include <memory>

class FileFinder {
public:
    FileFinder();
    ~FileFinder();
    FileFinder(const FileFinder&) = delete;
    FileFinder& operator=(const FileFinder&) = delete;

    // false when nothing matches, the directory does not exist or cannot be
    // read, or the text holds the marker.
    bool FindFirst(const CString& pattern, WIN32_FIND_DATAA& record);
    // false when no entry is left or on any error; ends the search either way.
    bool FindNext(WIN32_FIND_DATAA& record);
    void Close();

    // Looks up the one entry the path names, whatever its last component is;
    // false as for FindFirst. Ends any search in progress and starts none.
    bool FindFile(const CString& path, WIN32_FIND_DATAA& record);

private:
    struct Search;
    std::unique_ptr<Search> m_search;
};
