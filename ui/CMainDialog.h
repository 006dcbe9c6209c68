#pragma once
// The main window: the settings, the file list and every command.

#include "CDialog.h"
#include "CListBox.h"
#include "CString.h"
#include "Win32Types.h"

class CMainDialog : public CDialog {
public:
    explicit CMainDialog(CWnd* parent = nullptr);

    const MessageMap* GetMessageMap() const override;
    BOOL OnInitDialog() override;

    int m_extMode;  // an ExtensionMode; set by OnInitDialog
    CListBox m_fileList;
    CString m_directory;
    CString m_extension;
    BOOL m_autoNumber;
    HICON m_hIcon;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    void OnAddAllFiles();
    void OnFileAddAll();
    void OnSelectFiles();
    void OnFileSelectAdd();
    void OnBrowse();
    void OnTimeSort();
    void OnExtNone();
    void OnExtKeep();
    void OnExtUnify();
    void OnClearList();
    void OnFileListSetFocus();
    void OnRename();
    void OnFileListDblClk();
    void OnAbout();
    void OnIgnoreFocusChange();
};
