#pragma once
// The folder browser, in the role of SHBrowseForFolderA with its selection
// callback: a folder is chosen from the file system, starting at a preselected
// one.

#include "CString.h"

class CWnd;

struct FolderBrowserRequest {
    CWnd* owner = nullptr;
    CString title;
    // The folder selected when the browser opens, resolved like any path (a
    // relative text against the current directory); one that names no folder
    // is not reported, the browser opens anyway.
    CString preselect;
};

// true when the person chose a folder that has a file-system path; path then
// holds it in CP932 with "/" separators, the root as "/".
bool ShowFolderBrowser(const FolderBrowserRequest& request, CString& path);
