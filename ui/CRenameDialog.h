#pragma once
// The dialog in which one file is renamed: it shows the old name, composes
// the new one live and moves the file on confirmation.

#include "CButton.h"
#include "CDialog.h"
#include "CString.h"
#include "Win32Types.h"

class CRenameDialog : public CDialog {
public:
    explicit CRenameDialog(CWnd* parent = nullptr);
    ~CRenameDialog() override;

    const MessageMap* GetMessageMap() const override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    // Copies of the caller's values; nothing here goes back to the caller but
    // m_newName after IDOK.
    int m_extMode;  // an ExtensionMode
    CString m_directory;
    int m_sequence;  // the entry's 1-based position in the file list
    CButton m_autoNumberButton;
    CString m_oldName;
    CString m_inputName;
    CString m_extension;
    BOOL m_autoNumber;
    CString m_newName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void UpdateNewName();
    void OnNameFieldChanged();
    void OnReenterOldName();
    void OnExtUnify();
    void OnExtKeep();
    void OnExtNone();
};
