#pragma once
// Data exchange between a dialog's members and its controls.

#include "CString.h"
#include "Win32Types.h"

class CDialog;
class CWnd;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
    {
    }
    BOOL m_bSaveAndValidate;  // TRUE: controls to members
    CDialog* m_pDlgWnd;
};

// Writes the control only when its text differs, so an unchanged field keeps
// its caret and raises no change notification.
void DDX_Text(CDataExchange* pDX, int id, CString& value);
// Reads 0, 1 (or 2 for an indeterminate state); writes 0 to 2, anything else as 0.
void DDX_Check(CDataExchange* pDX, int id, BOOL& value);
// Attaches the member to its control on the first exchange.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
