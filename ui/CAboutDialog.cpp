#include "CAboutDialog.h"

#include "CDataExchange.h"
#include "resource.h"

CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUTBOX) {}

void CAboutDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_VERSION_TEXT, m_versionText);
}

BOOL CAboutDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString version;
    version.LoadString(IDS_VERSION);
    m_versionText = CString("Sorabun ") + version;
    UpdateData(FALSE);
    return TRUE;
}
