#include "PathMapping.h"

#include "Cp932.h"

namespace {

bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

// Works on decoded UTF-8, where a byte 0x5C can only be a backslash, never
// the second half of a double-byte character such as "ソ".
std::string CollapseSeparators(std::string_view utf8)
{
    std::string native;
    native.reserve(utf8.size());
    for (char ch : utf8) {
        if (!IsSeparator(ch)) {
            native += ch;
            continue;
        }
        if (native.empty() || native.back() != '/')
            native += '/';
    }
    return native;
}

bool IsPlainAscii(std::string_view bytes)
{
    for (char ch : bytes) {
        if (static_cast<unsigned char>(ch) >= 0x80)
            return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> NativePath(const CString& path)
{
    std::optional<std::string> utf8 = cp932::ToUtf8Exact(path.Bytes());
    if (!utf8)
        return std::nullopt;
    // The OS would cut the path at a NUL; a path is used whole or not at all.
    if (utf8->find('\0') != std::string::npos)
        return std::nullopt;
    return CollapseSeparators(*utf8);
}

CString NameFromNative(std::string_view name)
{
    // A backslash is a separator for the program, so inside a Linux name it
    // must not survive as one: it becomes the marker like anything else that
    // cannot name this file again.
    std::string cp932;
    cp932.reserve(name.size());
    while (true) {
        size_t backslash = name.find('\\');
        std::string_view part = name.substr(0, backslash);
        // Most names are ASCII, which CP932 holds unchanged; this keeps a
        // listing of many entries clear of the codec.
        if (IsPlainAscii(part))
            cp932 += part;
        else
            cp932 += cp932::FromUtf8(part);
        if (backslash == std::string_view::npos)
            break;
        cp932 += cp932::kMarker;
        name.remove_prefix(backslash + 1);
    }
    return CString::FromBytes(cp932);
}

CString PathFromNative(std::string_view path)
{
    CString result;
    while (true) {
        size_t slash = path.find('/');
        result += NameFromNative(path.substr(0, slash));
        if (slash == std::string_view::npos)
            break;
        result += '/';
        path.remove_prefix(slash + 1);
    }
    return result;
}
