#include "CRenameApp.h"

#include "CMainDialog.h"

CRenameApp theApp;

// Nothing is read at start and nothing is saved at the end; the process ends
// when the main window does.
BOOL CRenameApp::InitInstance()
{
    CMainDialog dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int main(int argc, char** argv)
{
    return AfxWinMain(argc, argv);
}
