#pragma once
// The program's CP932 paths as Linux paths, and Linux names as CP932.

#include "CString.h"

#include <optional>
#include <string>
#include <string_view>

// "\" and "/" both separate and a run of them counts as one; "\" alone or a
// leading separator is the root "/"; a relative text stays relative (the
// process's current directory). nullopt when the text has no exact UTF-8 form
// (the marker, or bytes that do not decode): such a text names no file.
std::optional<std::string> NativePath(const CString& path);

// A Linux file name as the program sees it: UTF-8 converted to CP932, and
// whatever has no exact form there, a backslash included, as the marker.
CString NameFromNative(std::string_view name);

// A native path handed back to the program (file-open dialog, folder browser):
// "/" separators kept, converted as NameFromNative does.
CString PathFromNative(std::string_view path);
