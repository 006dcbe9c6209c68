#include "ResourceTables.h"

#include "resource.h"

namespace {

constexpr std::uint32_t kChild = WS_CHILD | WS_VISIBLE;

constexpr ControlTemplate kControls[] = {
    {IDC_INPUT_NAME, ControlKind::Edit, u8"",
     64, 72, 244, 14, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    {IDOK, ControlKind::PushButton, u8"変更！(&R)",
     210, 120, 50, 11, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
    {IDCANCEL, ControlKind::PushButton, u8"やめとく(&E)",
     265, 120, 48, 11, kChild | WS_TABSTOP},
    {IDC_REENTER_OLD_NAME, ControlKind::PushButton, u8"古いファイル名を再入力(&A)",
     118, 120, 87, 11, kChild | WS_TABSTOP},
    {IDC_OLD_NAME, ControlKind::Edit, u8"",
     64, 52, 244, 14, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY},
    {IDC_NEW_NAME, ControlKind::Edit, u8"",
     64, 92, 244, 14, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY},
    {IDC_EXT_NONE, ControlKind::RadioButton, u8"なし",
     161, 33, 26, 10, kChild | BS_AUTORADIOBUTTON},
    {IDC_EXT_KEEP, ControlKind::RadioButton, u8"変更しない",
     190, 33, 45, 10, kChild | BS_AUTORADIOBUTTON},
    {IDC_EXT_UNIFY, ControlKind::RadioButton, u8"統一",
     238, 33, 28, 10, kChild | BS_AUTORADIOBUTTON},
    {IDC_EXTENSION, ControlKind::Edit, u8"",
     268, 32, 36, 12, kChild | WS_DISABLED | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    {IDC_AUTO_NUMBER, ControlKind::CheckBox, u8"自動連番",
     20, 30, 44, 10, kChild | WS_TABSTOP | BS_AUTOCHECKBOX},
    {IDC_STATIC, ControlKind::Static,
     u8"ファイル名を変更します。新しいファイル名を入力してＯＫボタンを押してください。",
     13, 7, 240, 8, kChild | WS_GROUP | SS_LEFT},
    {IDC_STATIC, ControlKind::Static, u8"古いファイル名",
     7, 52, 46, 14, kChild | WS_GROUP | SS_LEFT | SS_CENTERIMAGE},
    {IDC_STATIC, ControlKind::Static, u8"入力ファイル名",
     7, 72, 55, 14, kChild | WS_GROUP | SS_LEFT | SS_CENTERIMAGE},
    {IDC_STATIC, ControlKind::Static, u8"新しいファイル名",
     7, 92, 56, 14, kChild | WS_GROUP | SS_LEFT | SS_CENTERIMAGE},
    {IDC_STATIC, ControlKind::GroupBox, u8"拡張子(&X)",
     155, 22, 153, 25, kChild | BS_GROUPBOX},
};

}  // namespace

constinit const DialogTemplate g_renameDialogTemplate{
    IDD_RENAME_DIALOG,
    u8"リネームするぞっ！",
    0, 0, 318, 138,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    0,
    u8"ＭＳ Ｐゴシック",
    12,
    0,
    kControls,
};
