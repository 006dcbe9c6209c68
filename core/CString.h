#pragma once
// A byte string in code page 932: the program's one text type. Lengths and
// positions count bytes; only ReverseFind and CompareNoCase walk double-byte
// characters as units.

#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    // A narrow literal or buffer is taken as CP932 bytes, unchanged.
    CString(const char* cp932);
    // A u8 literal is the program's own UTF-8 source text, converted once.
    CString(const char8_t* utf8);

    static CString FromBytes(std::string_view cp932);

    int GetLength() const { return static_cast<int>(m_bytes.size()); }
    bool IsEmpty() const { return m_bytes.empty(); }
    void Empty() { m_bytes.clear(); }
    char GetAt(int index) const { return m_bytes[static_cast<size_t>(index)]; }
    char operator[](int index) const { return GetAt(index); }

    // Out-of-range counts are clamped, as the platform's string class does.
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    // Returns the new length.
    int Delete(int index, int count = 1);
    // Position of the last character equal to ch, or -1. The second byte of a
    // double-byte character never matches.
    int ReverseFind(char ch) const;
    // printf-style; the format and %s arguments are CP932 bytes.
    void Format(const char* format, ...);
    // Case-insensitive for single-byte Latin letters only; double-byte
    // characters compare by their bytes. <0, 0, >0.
    int CompareNoCase(const CString& other) const;
    // Whether this text begins with prefix, compared as CompareNoCase does.
    bool BeginsWithNoCase(const CString& prefix) const;

    // The string table lives with the resources; defined there.
    bool LoadString(unsigned id);

    const std::string& Bytes() const { return m_bytes; }
    const char* GetString() const { return m_bytes.c_str(); }

    CString& operator+=(const CString& tail);
    CString& operator+=(char ch);
    friend CString operator+(CString head, const CString& tail) { return head += tail; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_bytes == b.m_bytes; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_bytes != b.m_bytes; }

private:
    std::string m_bytes;
};
