#pragma once
// A fresh directory under /tmp for one test, removed with all it holds.

#include "CString.h"

#include <string>

class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    // The native path of the directory, or of a name inside it.
    const std::string& Path() const { return m_path; }
    std::string Path(const std::string& name) const { return m_path + "/" + name; }
    // The same as the program writes it: CP932, "\" before the name. The
    // directory's own path is ASCII, so its bytes are the same in both.
    CString Text() const { return CString::FromBytes(m_path); }
    CString Text(const char* cp932Name) const { return Text() + "\\" + CString(cp932Name); }

    void Write(const std::string& name, const std::string& content) const;
    // The whole content, or "<missing>".
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

private:
    std::string m_path;
};
