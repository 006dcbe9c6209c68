#include "CMainDialog.h"

#include "AttributeFilter.h"
#include "BrowseForFolder.h"
#include "CAboutDialog.h"
#include "CDataExchange.h"
#include "CMenu.h"
#include "CPaintDC.h"
#include "CRenameDialog.h"
#include "CWinApp.h"
#include "DirectoryText.h"
#include "ExtensionMode.h"
#include "FileFinder.h"
#include "FileOpenDialog.h"
#include "IconPlacement.h"
#include "Messages.h"
#include "OpenFileResult.h"
#include "TimeSortList.h"
#include "resource.h"

#include <string>

namespace {

// File names are case-sensitive here: only an entry equal byte for byte
// counts as listed, so a.txt is added beside a.txt.bak and A.TXT beside a.txt.
bool IsListed(const CListBox& list, const CString& name)
{
    CString entry;
    const int count = list.GetCount();
    for (int i = 0; i < count; ++i) {
        list.GetText(i, entry);
        if (entry == name)
            return true;
    }
    return false;
}

}  // namespace

CMainDialog::CMainDialog(CWnd* parent)
    : CDialog(IDD_MAIN_DIALOG, parent), m_autoNumber(FALSE), m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME))
{
}

const MessageMap* CMainDialog::GetMessageMap() const
{
    static const MessageMap map{
        CDialog::GetThisMessageMap(),
        {
            ON_WM_SYSCOMMAND(&CMainDialog::OnSysCommand),
            ON_WM_PAINT(&CMainDialog::OnPaint),
            ON_WM_QUERYDRAGICON(&CMainDialog::OnQueryDragIcon),
            ON_BN_CLICKED(IDC_ADD_ALL_FILES, &CMainDialog::OnAddAllFiles),
            ON_COMMAND(ID_FILE_ADD_ALL, &CMainDialog::OnFileAddAll),
            ON_BN_CLICKED(IDC_SELECT_FILES, &CMainDialog::OnSelectFiles),
            ON_COMMAND(ID_FILE_SELECT_ADD, &CMainDialog::OnFileSelectAdd),
            ON_BN_CLICKED(IDC_BROWSE, &CMainDialog::OnBrowse),
            ON_BN_CLICKED(IDC_TIME_SORT, &CMainDialog::OnTimeSort),
            ON_LBN_SETFOCUS(IDC_FILE_LIST, &CMainDialog::OnFileListSetFocus),
            ON_BN_CLICKED(IDC_RENAME, &CMainDialog::OnRename),
            ON_LBN_DBLCLK(IDC_FILE_LIST, &CMainDialog::OnFileListDblClk),
            ON_BN_CLICKED(IDC_CLEAR_LIST, &CMainDialog::OnClearList),
            ON_BN_CLICKED(IDC_EXT_NONE, &CMainDialog::OnExtNone),
            ON_BN_CLICKED(IDC_EXT_KEEP, &CMainDialog::OnExtKeep),
            ON_BN_CLICKED(IDC_EXT_UNIFY, &CMainDialog::OnExtUnify),
            ON_EN_KILLFOCUS(IDC_EXTENSION, &CMainDialog::OnIgnoreFocusChange),
            ON_EN_SETFOCUS(IDC_DIRECTORY, &CMainDialog::OnIgnoreFocusChange),
            ON_COMMAND(ID_FILE_CLOSE_WINDOW, &CMainDialog::OnCancel),
            ON_COMMAND(ID_HELP_VERSION, &CMainDialog::OnAbout),
        }};
    return &map;
}

void CMainDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_FILE_LIST, m_fileList);
    DDX_Text(pDX, IDC_DIRECTORY, m_directory);
    DDX_Text(pDX, IDC_EXTENSION, m_extension);
    DDX_Check(pDX, IDC_AUTO_NUMBER, m_autoNumber);
}

BOOL CMainDialog::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (CMenu* sysMenu = GetSystemMenu(FALSE)) {
        CString aboutMenu;
        aboutMenu.LoadString(IDS_ABOUTBOX);
        if (!aboutMenu.IsEmpty()) {
            sysMenu->AppendMenu(MF_SEPARATOR);
            sysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_extMode = EXT_KEEP;
    GetDlgItem(IDC_EXT_KEEP)->SendMessage(BM_SETCHECK, BST_CHECKED, 0);
    return TRUE;
}

void CMainDialog::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDialog dlgAbout;
        dlgAbout.DoModal();
        return;
    }
    Default();
}

void CMainDialog::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, dc.GetSafeHdc(), 0);
    CRect rect;
    GetClientRect(&rect);
    const IconOrigin origin =
        CentredIconOrigin(rect.Width(), rect.Height(), GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    dc.DrawIcon(origin.x, origin.y, m_hIcon);
}

HCURSOR CMainDialog::OnQueryDragIcon()
{
    return m_hIcon;
}

void CMainDialog::OnAddAllFiles()
{
    UpdateData(TRUE);
    if (m_directory.IsEmpty()) {
        MessageBox(kMsgEnterDirectory);
        return;
    }
    RemoveEnclosingQuotes(m_directory);
    const CString pattern = SearchBase(m_directory) + CString("*.*");

    FileFinder finder;
    WIN32_FIND_DATAA findData;
    if (!finder.FindFirst(pattern, findData)) {
        MessageBox(kMsgDirectoryNotFound);
        return;
    }
    m_fileList.ResetContent();
    do {
        if (!IsExcludedAttribute(findData.dwFileAttributes))
            m_fileList.AddString(findData.cFileName);
    } while (finder.FindNext(findData));
    finder.Close();

    m_fileList.SetFocus();
    UpdateData(FALSE);
}

void CMainDialog::OnFileAddAll()
{
    OnAddAllFiles();
}

// Button 1015 and menu 32772. The chosen directory becomes the directory;
// the list is kept only when that is the field's text byte for byte.
void CMainDialog::OnSelectFiles()
{
    OpenFileRequest request;
    request.owner = this;
    // The member as it stands: text typed into the field since the last
    // exchange does not choose the folder the dialog opens in.
    request.initialDir = m_directory.IsEmpty() ? CString("\\") : m_directory;
    request.title = CString(u8"ファイルを選択");
    request.maxFile = 2048;

    std::string result;
    while (!GetOpenFileName(request, result)) {
        const unsigned error = CommDlgExtendedError();
        if (error == FNERR_BUFFERTOOSMALL) {
            MessageBox(kMsgTooManyFiles);
            continue;
        }
        if (error == FNERR_INVALIDFILENAME) {
            MessageBox(kMsgInvalidFileName);
            continue;
        }
        return;
    }

    const PickedFiles picked = ParseOpenFileResult(result);
    if (picked.form == PickedForm::SeveralFiles) {
        UpdateData(TRUE);
        if (m_directory != picked.directory)
            m_fileList.ResetContent();
        m_directory = picked.directory;
        for (const CString& name : picked.names) {
            if (!IsListed(m_fileList, name))
                m_fileList.AddString(name);
        }
        UpdateData(FALSE);
        return;
    }

    const CString& name = picked.names.front();
    UpdateData(TRUE);
    if (m_directory != picked.directory)
        m_fileList.ResetContent();
    m_directory = picked.directory;
    UpdateData(FALSE);
    UpdateData(TRUE);
    if (!IsListed(m_fileList, name))
        m_fileList.AddString(name);
    UpdateData(FALSE);
}

void CMainDialog::OnFileSelectAdd()
{
    OnSelectFiles();
}

// Button 1019: the folder chosen in the browser is listed at once.
void CMainDialog::OnBrowse()
{
    UpdateData(TRUE);
    // Handed over unchanged, quotes included; the scan removes them later.
    const CString initialPath = m_directory.IsEmpty() ? CString("\\") : m_directory;
    CString chosen;
    if (BrowseForFolder(this, initialPath, chosen) != IDOK)
        return;
    m_directory = chosen;
    UpdateData(FALSE);
    OnAddAllFiles();
}

// Button 1025. Every entry is looked up again in the directory as last taken
// from the field, and the list is rebuilt oldest first with appends, which it
// does not sort; entries whose file is gone drop out. Nothing is selected
// afterwards.
void CMainDialog::OnTimeSort()
{
    const int count = m_fileList.GetCount();
    TimeSortList timeList;
    FileFinder finder;
    WIN32_FIND_DATAA findData;
    CString name;
    for (int i = 0; i < count; ++i) {
        m_fileList.GetText(i, name);
        if (!finder.FindFile(JoinPath(m_directory, name), findData))
            continue;
        timeList.InsertByTime(
            {findData.ftLastWriteTime.dwLowDateTime, findData.ftLastWriteTime.dwHighDateTime, findData.cFileName});
    }

    m_fileList.ResetContent();
    timeList.Rewind();
    for (int inserted = 0; inserted < count; ++inserted) {
        const TimeSortRecord* record = timeList.GetNext();
        if (!record)
            break;
        m_fileList.InsertString(-1, record->fileName);
    }
}

void CMainDialog::OnExtNone()
{
    m_extMode = EXT_NONE;
    GetDlgItem(IDC_EXTENSION)->EnableWindow(FALSE);
}

void CMainDialog::OnExtKeep()
{
    m_extMode = EXT_KEEP;
    GetDlgItem(IDC_EXTENSION)->EnableWindow(FALSE);
}

void CMainDialog::OnExtUnify()
{
    m_extMode = EXT_UNIFY;
    GetDlgItem(IDC_EXTENSION)->EnableWindow(TRUE);
}

void CMainDialog::OnClearList()
{
    m_fileList.ResetContent();
    UpdateData(FALSE);  // unread edits go back to the members' values
}

// Runs whenever the list gains the focus from elsewhere, also when the window
// becomes active again after a dialog; the rename command therefore sets its
// own selection after its dialog has closed.
void CMainDialog::OnFileListSetFocus()
{
    m_fileList.SetCurSel(0);
}

// Button 1006, Enter through that default button, and a double click in the
// list. Renames the selected entry's file through the rename dialog and moves
// the selection on, so the next Enter renames the next file.
void CMainDialog::OnRename()
{
    const int index = m_fileList.GetCurSel();
    if (index == CListBox::LB_ERR) {
        MessageBox(kMsgSelectFile);
        return;
    }
    CString oldName;
    m_fileList.GetText(index, oldName);

    CRenameDialog dlgRename;
    UpdateData(TRUE);
    // Copies: what the user changes in the dialog is for this one file.
    dlgRename.m_oldName = oldName;
    dlgRename.m_extension = m_extension;
    dlgRename.m_extMode = m_extMode;
    dlgRename.m_autoNumber = m_autoNumber;
    dlgRename.m_directory = m_directory;
    dlgRename.m_sequence = index + 1;

    if (dlgRename.DoModal() == IDOK) {
        // In place, unsorted: the list stays in the order being worked through.
        m_fileList.DeleteString(index);
        m_fileList.InsertString(index, dlgRename.m_newName);
        // The list's focus handler selected entry 0 as the focus came back to
        // it when the dialog closed; this selection comes after and stays.
        if (m_fileList.SetCurSel(index + 1) == CListBox::LB_ERR)
            m_fileList.SetCurSel(0);
    }
    UpdateData(FALSE);
}

void CMainDialog::OnFileListDblClk()
{
    OnRename();
}

void CMainDialog::OnAbout()
{
    CAboutDialog dlgAbout;
    dlgAbout.DoModal();
}

void CMainDialog::OnIgnoreFocusChange()
{
}
