#include "DirectoryText.h"

#include "Cp932.h"

namespace {

bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

// True when the text's last character is a single-byte separator. Only a walk
// from the start tells whether a final 0x5C is a character or the trail byte
// of one such as "ソ".
bool EndsWithSeparator(const std::string& bytes)
{
    bool separator = false;
    size_t i = 0;
    while (i < bytes.size()) {
        if (cp932::IsLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size()) {
            separator = false;
            i += 2;
            continue;
        }
        separator = IsSeparator(bytes[i]);
        ++i;
    }
    return separator;
}

}  // namespace

void RemoveEnclosingQuotes(CString& directory)
{
    if (directory.IsEmpty())
        return;
    if (directory[0] != '"' || directory[directory.GetLength() - 1] != '"')
        return;
    // A lone quote is both the first and the last byte: it goes, and nothing
    // is left for the second delete.
    directory.Delete(0);
    if (!directory.IsEmpty())
        directory.Delete(directory.GetLength() - 1);
}

CString SearchBase(const CString& directory)
{
    if (directory.IsEmpty())
        return CString("\\");
    if (EndsWithSeparator(directory.Bytes()))
        return directory;
    return directory + CString("\\");
}

CString JoinPath(const CString& directory, const CString& name)
{
    return directory + CString("\\") + name;
}
