#include "CString.h"

#include "Cp932.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {

size_t ClampedCount(int count, size_t available)
{
    if (count <= 0)
        return 0;
    return std::min(static_cast<size_t>(count), available);
}

// Only single-byte characters fold; a trail byte in 'A'..'Z' is part of a
// double-byte character ("ア" is 0x83 0x41) and must stay as it is.
unsigned char FoldSingleByte(unsigned char byte)
{
    if (byte >= 'A' && byte <= 'Z')
        return static_cast<unsigned char>(byte - 'A' + 'a');
    return byte;
}

}  // namespace

CString::CString(const char* cp932)
{
    if (cp932)
        m_bytes = cp932;
}

CString::CString(const char8_t* utf8)
{
    if (utf8)
        m_bytes = cp932::FromUtf8(reinterpret_cast<const char*>(utf8));
}

CString CString::FromBytes(std::string_view cp932)
{
    CString text;
    text.m_bytes = cp932;
    return text;
}

CString CString::Left(int count) const
{
    return FromBytes(std::string_view(m_bytes).substr(0, ClampedCount(count, m_bytes.size())));
}

CString CString::Right(int count) const
{
    size_t length = ClampedCount(count, m_bytes.size());
    return FromBytes(std::string_view(m_bytes).substr(m_bytes.size() - length));
}

CString CString::Mid(int first) const
{
    return FromBytes(std::string_view(m_bytes).substr(ClampedCount(first, m_bytes.size())));
}

CString CString::Mid(int first, int count) const
{
    size_t start = ClampedCount(first, m_bytes.size());
    return FromBytes(std::string_view(m_bytes).substr(start, ClampedCount(count, m_bytes.size() - start)));
}

int CString::Delete(int index, int count)
{
    size_t start = ClampedCount(index, m_bytes.size());
    m_bytes.erase(start, ClampedCount(count, m_bytes.size() - start));
    return GetLength();
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    size_t i = 0;
    while (i < m_bytes.size()) {
        bool doubleByte = cp932::IsLeadByte(static_cast<unsigned char>(m_bytes[i])) && i + 1 < m_bytes.size();
        if (doubleByte) {
            i += 2;
            continue;
        }
        if (m_bytes[i] == ch)
            found = static_cast<int>(i);
        ++i;
    }
    return found;
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measuring;
    va_copy(measuring, args);
    int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (length < 0) {
        va_end(args);
        m_bytes.clear();
        return;
    }
    // Built aside: an argument may be this string's own bytes.
    std::string formatted(static_cast<size_t>(length), '\0');
    std::vsnprintf(formatted.data(), formatted.size() + 1, format, args);
    va_end(args);
    m_bytes = std::move(formatted);
}

// The first count bytes of a and b, both at least that long.
static int CompareNoCaseBytes(const std::string& a, const std::string& b, size_t count)
{
    // While every byte so far compared equal, both texts split into the same
    // characters, so one flag tells for both whether a byte is a trail byte.
    bool trail = false;
    for (size_t i = 0; i < count; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (!trail) {
            x = FoldSingleByte(x);
            y = FoldSingleByte(y);
        }
        if (x != y)
            return x < y ? -1 : 1;
        trail = !trail && cp932::IsLeadByte(x);
    }
    return 0;
}

int CString::CompareNoCase(const CString& other) const
{
    const std::string& a = m_bytes;
    const std::string& b = other.m_bytes;
    if (const int order = CompareNoCaseBytes(a, b, std::min(a.size(), b.size())); order != 0)
        return order;
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool CString::BeginsWithNoCase(const CString& prefix) const
{
    if (m_bytes.size() < prefix.m_bytes.size())
        return false;
    return CompareNoCaseBytes(m_bytes, prefix.m_bytes, prefix.m_bytes.size()) == 0;
}

CString& CString::operator+=(const CString& tail)
{
    m_bytes += tail.m_bytes;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_bytes += ch;
    return *this;
}
