#pragma once
// The program's folder browser: its title, and the folder of the initial path
// selected when it opens. Knows nothing of the main window.

#include "CString.h"

class CWnd;

// IDOK with the chosen folder's path ("/" separators, the root "/") in
// chosen; IDCANCEL when the browser was cancelled or the choice has no
// file-system path, chosen then unchanged. initialPath is handed over as it
// is, quotes and all; empty: nothing is preselected.
int BrowseForFolder(CWnd* owner, const CString& initialPath, CString& chosen);
