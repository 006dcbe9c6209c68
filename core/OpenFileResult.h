#pragma once
// The file-open dialog's result as bytes: "dir NUL name NUL ... NUL NUL" when
// several files were chosen, "fullpath NUL NUL" when one was.

#include "CString.h"

#include <string>
#include <string_view>
#include <vector>

enum class PickedForm { OneFile, SeveralFiles };

struct PickedFiles {
    PickedForm form = PickedForm::OneFile;
    CString directory;
    std::vector<CString> names;  // in the order the dialog gave them
};

// The form is told by the byte after the first NUL: nonzero, several files.
// "/d\0a\0b\0\0" -> several, "/d", {a, b}; "/d/a\0\0" -> one, "/d", {a}.
// A result cut short ends where its bytes end.
PickedFiles ParseOpenFileResult(std::string_view result);

// One picked path split at its last separator ("\" or "/"), found character
// by character so the trail byte 0x5C of "ソ" or "表" is none; a file in the
// root keeps the separator as its directory: "/a.txt" -> "/", "a.txt". No
// separator at all: the directory is empty and the name is the whole text.
void SplitPickedPath(const CString& path, CString& directory, CString& name);

// The result the dialog hands back for names (at least one) chosen in one
// directory. One name is joined to the directory with "/" unless the
// directory already ends in a separator.
std::string BuildOpenFileResult(const CString& directory, const std::vector<CString>& names);
