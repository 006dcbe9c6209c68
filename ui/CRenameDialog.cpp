#include "CRenameDialog.h"

#include "CDataExchange.h"
#include "DirectoryText.h"
#include "ExtensionMode.h"
#include "KeyState.h"
#include "Messages.h"
#include "MoveFile.h"
#include "NewName.h"
#include "resource.h"

// The caller sets the rule and the position before the dialog runs; these
// only keep a dialog that is run unfilled from reading garbage.
CRenameDialog::CRenameDialog(CWnd* parent)
    : CDialog(IDD_RENAME_DIALOG, parent), m_extMode(EXT_KEEP), m_sequence(1), m_autoNumber(FALSE)
{
}

CRenameDialog::~CRenameDialog() = default;

const MessageMap* CRenameDialog::GetMessageMap() const
{
    static const MessageMap map{
        CDialog::GetThisMessageMap(),
        {
            ON_EN_CHANGE(IDC_INPUT_NAME, &CRenameDialog::OnNameFieldChanged),
            ON_BN_CLICKED(IDC_AUTO_NUMBER, &CRenameDialog::OnNameFieldChanged),
            ON_BN_CLICKED(IDC_REENTER_OLD_NAME, &CRenameDialog::OnReenterOldName),
            ON_EN_CHANGE(IDC_EXTENSION, &CRenameDialog::OnNameFieldChanged),
            ON_BN_CLICKED(IDC_EXT_UNIFY, &CRenameDialog::OnExtUnify),
            ON_BN_CLICKED(IDC_EXT_KEEP, &CRenameDialog::OnExtKeep),
            ON_BN_CLICKED(IDC_EXT_NONE, &CRenameDialog::OnExtNone),
            ON_BN_CLICKED(IDOK, &CRenameDialog::OnOK),
        }};
    return &map;
}

void CRenameDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_AUTO_NUMBER, m_autoNumberButton);
    DDX_Text(pDX, IDC_OLD_NAME, m_oldName);
    DDX_Text(pDX, IDC_INPUT_NAME, m_inputName);
    DDX_Text(pDX, IDC_EXTENSION, m_extension);
    DDX_Check(pDX, IDC_AUTO_NUMBER, m_autoNumber);
    DDX_Text(pDX, IDC_NEW_NAME, m_newName);
}

BOOL CRenameDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    UpdateData(TRUE);

    switch (m_extMode) {
    case EXT_NONE:
        GetDlgItem(IDC_EXT_NONE)->SendMessage(BM_SETCHECK, BST_CHECKED, 0);
        break;
    case EXT_UNIFY:
        GetDlgItem(IDC_EXT_UNIFY)->SendMessage(BM_SETCHECK, BST_CHECKED, 0);
        GetDlgItem(IDC_EXTENSION)->EnableWindow(TRUE);
        break;
    case EXT_KEEP:
        GetDlgItem(IDC_EXT_KEEP)->SendMessage(BM_SETCHECK, BST_CHECKED, 0);
        break;
    }
    m_autoNumberButton.SetCheck(m_autoNumber);

    UpdateNewName();
    UpdateData(FALSE);

    // Only a Shift held down right now counts: one pressed earlier, say for a
    // capital letter in the previous rename, must not fill the name.
    if (GetAsyncKeyState(VK_SHIFT) & 0x8000)
        OnReenterOldName();
    return TRUE;
}

// The numbering comes from the check box itself, asked at this moment.
void CRenameDialog::UpdateNewName()
{
    UpdateData(TRUE);
    NewNameInputs in;
    in.numbering = m_autoNumberButton.GetCheck() == BST_CHECKED;
    in.sequence = m_sequence;
    in.typedName = m_inputName;
    in.extMode = m_extMode;
    in.extension = m_extension;
    in.oldName = m_oldName;
    m_newName = ComposeNewName(in);
    UpdateData(FALSE);  // writes only the new-name field: the others already agree
}

void CRenameDialog::OnNameFieldChanged()
{
    UpdateNewName();
}

void CRenameDialog::OnReenterOldName()
{
    m_inputName = m_oldName;
    UpdateData(FALSE);
    UpdateNewName();
}

void CRenameDialog::OnExtUnify()
{
    m_extMode = EXT_UNIFY;
    GetDlgItem(IDC_EXTENSION)->EnableWindow(TRUE);
    UpdateNewName();
}

// A disabled extension field keeps its text, so choosing unify again uses it again.
void CRenameDialog::OnExtKeep()
{
    m_extMode = EXT_KEEP;
    GetDlgItem(IDC_EXTENSION)->EnableWindow(FALSE);
    UpdateNewName();
}

void CRenameDialog::OnExtNone()
{
    m_extMode = EXT_NONE;
    GetDlgItem(IDC_EXTENSION)->EnableWindow(FALSE);
    UpdateNewName();
}

void CRenameDialog::OnOK()
{
    UpdateData(TRUE);
    if (m_inputName.IsEmpty())
        return;
    // Composed once more, so the name moved to is the one the fields give now.
    UpdateNewName();

    const MoveResult moved = MoveFile(JoinPath(m_directory, m_oldName), JoinPath(m_directory, m_newName));
    if (!moved.ok()) {
        // Stays open with every field as it was, for another try or Cancel.
        MessageBox(kMsgCannotRename);
        return;
    }
    CDialog::OnOK();
}
