#include "OpenFileResult.h"

#include "Cp932.h"

namespace {

bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

// Position of the last single-byte separator, or -1; a lead byte takes the
// byte after it along, whatever that byte is.
int LastSeparator(const std::string& bytes)
{
    int last = -1;
    size_t i = 0;
    while (i < bytes.size()) {
        if (cp932::IsLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size()) {
            i += 2;
            continue;
        }
        if (IsSeparator(bytes[i]))
            last = static_cast<int>(i);
        ++i;
    }
    return last;
}

bool EndsWithSeparator(const CString& text)
{
    return !text.IsEmpty() && LastSeparator(text.Bytes()) == text.GetLength() - 1;
}

// The NUL-terminated piece at pos, and pos moved past its NUL.
std::string_view NextPiece(std::string_view result, size_t& pos)
{
    if (pos >= result.size())
        return {};
    const size_t end = result.find('\0', pos);
    const std::string_view piece = result.substr(pos, end == std::string_view::npos ? end : end - pos);
    pos = end == std::string_view::npos ? result.size() : end + 1;
    return piece;
}

}  // namespace

void SplitPickedPath(const CString& path, CString& directory, CString& name)
{
    const int separator = LastSeparator(path.Bytes());
    name = path.Mid(separator + 1);
    directory = path.Left(separator == 0 ? 1 : separator);
}

PickedFiles ParseOpenFileResult(std::string_view result)
{
    PickedFiles picked;
    size_t pos = 0;
    const CString first = CString::FromBytes(NextPiece(result, pos));
    if (pos >= result.size() || result[pos] == '\0') {
        picked.form = PickedForm::OneFile;
        CString name;
        SplitPickedPath(first, picked.directory, name);
        picked.names.push_back(name);
        return picked;
    }
    picked.form = PickedForm::SeveralFiles;
    picked.directory = first;
    while (pos < result.size() && result[pos] != '\0')
        picked.names.push_back(CString::FromBytes(NextPiece(result, pos)));
    return picked;
}

std::string BuildOpenFileResult(const CString& directory, const std::vector<CString>& names)
{
    std::string result;
    if (names.size() == 1) {
        result = directory.Bytes();
        if (!EndsWithSeparator(directory))
            result += '/';
        result += names.front().Bytes();
        result += '\0';
        result += '\0';
        return result;
    }
    result = directory.Bytes();
    result += '\0';
    for (const CString& name : names) {
        result += name.Bytes();
        result += '\0';
    }
    result += '\0';
    return result;
}
