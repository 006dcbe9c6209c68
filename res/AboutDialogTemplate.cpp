#include "ResourceTables.h"

#include "resource.h"

namespace {

constexpr std::uint32_t kChild = WS_CHILD | WS_VISIBLE;

// The two lines under the name are sized for a 9-point Japanese font: a
// full-width character takes about 8 dialog units across.
constexpr ControlTemplate kControls[] = {
    {IDC_STATIC, ControlKind::Static, u8"",
     11, 17, 20, 20, kChild | SS_ICON, 0, IDR_MAINFRAME},
    {IDC_VERSION_TEXT, ControlKind::Static, u8"Sorabun",
     44, 17, 119, 8, kChild | WS_GROUP | SS_NOPREFIX},
    {IDOK, ControlKind::PushButton, u8"OK",
     191, 7, 32, 14, kChild | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON},
    {IDC_STATIC, ControlKind::Static, u8"Copyright (C) 2026 Sorabun の開発者",
     39, 36, 184, 8, kChild | WS_GROUP},
    {IDC_STATIC, ControlKind::Static, u8"一つずつ確かめて名前を変える",
     53, 55, 140, 15, kChild | WS_GROUP | SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN,
     WS_EX_CLIENTEDGE},
};

}  // namespace

constinit const DialogTemplate g_aboutDialogTemplate{
    IDD_ABOUTBOX,
    u8"ﾊﾞｰｼﾞｮﾝ情報 Sorabun",
    0, 0, 230, 85,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    0,
    u8"ＭＳ Ｐゴシック",
    9,
    0,
    kControls,
};
