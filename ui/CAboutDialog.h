#pragma once
// The About box: the program's name and version.

#include "CDialog.h"
#include "CString.h"

class CAboutDialog : public CDialog {
public:
    CAboutDialog();

    BOOL OnInitDialog() override;

    CString m_versionText;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
