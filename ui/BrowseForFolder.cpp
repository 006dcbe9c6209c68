#include "BrowseForFolder.h"

#include "FolderBrowser.h"
#include "resource.h"

int BrowseForFolder(CWnd* owner, const CString& initialPath, CString& chosen)
{
    FolderBrowserRequest request;
    request.owner = owner;
    request.title = CString(u8"フォルダを選択してください");
    request.preselect = initialPath;
    CString path;
    if (!ShowFolderBrowser(request, path))
        return IDCANCEL;
    chosen = path;
    return IDOK;
}
