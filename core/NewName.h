#pragma once
// The rule that composes a file's new name from the rename dialog's fields.

#include "CString.h"

struct NewNameInputs {
    bool numbering = false;
    int sequence = 0;
    CString typedName;
    int extMode = 0;  // an ExtensionMode; other values append nothing
    CString extension;
    CString oldName;
};

// "report.txt" + EXT_KEEP + typed "memo" -> "memo.txt"; numbering with
// sequence 7 -> "07 memo.txt"; no dot in the old name -> no extension.
CString ComposeNewName(const NewNameInputs& in);
