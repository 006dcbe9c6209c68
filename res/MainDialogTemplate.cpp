#include "ResourceTables.h"

#include "resource.h"

namespace {

constexpr std::uint32_t kChild = WS_CHILD | WS_VISIBLE;

constexpr ControlTemplate kControls[] = {
    {IDC_SELECT_FILES, ControlKind::PushButton, u8"ファイルを選択して追加",
     160, 45, 104, 12, kChild | WS_TABSTOP},
    {IDC_AUTO_NUMBER, ControlKind::CheckBox, u8"自動連番",
     16, 103, 44, 12, kChild | BS_AUTOCHECKBOX | WS_TABSTOP},
    {IDC_EXTENSION, ControlKind::Edit, u8"",
     244, 103, 40, 12, kChild | WS_DISABLED | WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_FILE_LIST, ControlKind::ListBox, u8"",
     7, 126, 286, 119,
     kChild | LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
    {IDC_RENAME, ControlKind::PushButton, u8"ファイル名変更(&R)",
     71, 249, 62, 13, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDCANCEL, ControlKind::PushButton, u8"変更終了(&X)",
     177, 249, 52, 13, kChild | WS_TABSTOP},
    {IDC_DIRECTORY, ControlKind::Edit, u8"",
     82, 29, 178, 12, kChild | WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_ADD_ALL_FILES, ControlKind::PushButton, u8"ディレクトリ中の全ファイルを追加",
     37, 45, 109, 12, kChild | WS_TABSTOP},
    {IDC_STATIC, ControlKind::Static, u8"ファイル名変更ユーティリティー  Sorabun !",
     67, 0, 148, 14, kChild | SS_CENTER | SS_CENTERIMAGE | WS_GROUP,
     WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME},
    {IDC_STATIC, ControlKind::GroupBox, u8"ファイルの追加",
     7, 17, 286, 63, kChild | BS_GROUPBOX},
    {IDC_STATIC, ControlKind::GroupBox, u8"ファイル名変更オプション",
     7, 85, 286, 37, kChild | BS_GROUPBOX},
    {IDC_CLEAR_LIST, ControlKind::PushButton, u8"クリアー",
     170, 63, 50, 12, kChild | WS_TABSTOP},
    {IDC_STATIC, ControlKind::Static, u8"ファイルリストのクリアー",
     65, 63, 73, 12, kChild | SS_LEFT | SS_CENTERIMAGE | WS_GROUP},
    {IDC_STATIC, ControlKind::Static, u8"現在のディレクトリ",
     13, 29, 64, 13, kChild | SS_LEFT | SS_CENTERIMAGE | WS_GROUP},
    {IDC_BROWSE, ControlKind::PushButton, u8"参照",
     264, 29, 25, 12, kChild | WS_TABSTOP},
    {IDC_STATIC, ControlKind::GroupBox, u8"拡張子(&A)",
     117, 92, 172, 26, kChild | BS_GROUPBOX},
    {IDC_EXT_KEEP, ControlKind::RadioButton, u8"変更しない",
     156, 104, 51, 10, kChild | BS_AUTORADIOBUTTON},
    {IDC_EXT_UNIFY, ControlKind::RadioButton, u8"統一",
     210, 104, 31, 10, kChild | BS_AUTORADIOBUTTON},
    {IDC_EXT_NONE, ControlKind::RadioButton, u8"なし",
     124, 104, 29, 10, kChild | BS_AUTORADIOBUTTON},
    {IDC_TIME_SORT, ControlKind::PushButton, u8"TimeSort",
     72, 102, 34, 14, kChild | WS_TABSTOP},
};

}  // namespace

constinit const DialogTemplate g_mainDialogTemplate{
    IDD_MAIN_DIALOG,
    u8"Sorabun",
    0, 0, 300, 268,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE,
    WS_EX_APPWINDOW,
    u8"ＭＳ Ｐゴシック",
    11,
    IDR_MAIN_MENU,
    kControls,
};
