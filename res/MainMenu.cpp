#include "ResourceTables.h"

#include "resource.h"

namespace {

constexpr MenuItemTemplate kFileItems[] = {
    {ID_FILE_SELECT_ADD, u8"ファイルを選択して追加(&A)"},
    {ID_FILE_ADD_ALL, u8"現在のディレクトリから全ファイルを追加(&D)"},
    {0, nullptr},
    {ID_FILE_CLOSE_WINDOW, u8"閉じる(&X)"},
};

constexpr MenuItemTemplate kHelpItems[] = {
    {ID_HELP_VERSION, u8"バージョン情報(&V)"},
};

constexpr PopupTemplate kPopups[] = {
    {u8"ファイル(&F)", kFileItems},
    {u8"ヘルプ(&H)", kHelpItems},
};

}  // namespace

constinit const MenuTemplate g_mainMenuTemplate{IDR_MAIN_MENU, kPopups};
