#pragma once
// A fresh directory under /tmp for one rename test, removed with all it holds.
// Names are UTF-8 as they lie on disk.

#include "CString.h"

#include <map>
#include <string>

class RenameTestDirectory {
public:
    RenameTestDirectory();
    ~RenameTestDirectory();
    RenameTestDirectory(const RenameTestDirectory&) = delete;
    RenameTestDirectory& operator=(const RenameTestDirectory&) = delete;

    const std::string& Path() const { return m_path; }
    // The directory as the program writes it; the path is ASCII, so its CP932
    // bytes are its UTF-8 bytes.
    CString Text() const { return CString::FromBytes(m_path); }

    void Write(const std::string& name, const std::string& content) const;
    // Every entry with its content, to compare the whole directory byte by byte.
    std::map<std::string, std::string> Snapshot() const;

private:
    std::string m_path;
};
