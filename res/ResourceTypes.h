#pragma once
// The shapes of the resources: dialog templates in dialog units, menus, the
// string table and icons. Plain data; the framework builds windows from them.

#include <cstdint>
#include <span>

// Window and control style bits, with the values the templates are written in.
inline constexpr std::uint32_t WS_POPUP = 0x80000000;
inline constexpr std::uint32_t WS_CHILD = 0x40000000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000;
inline constexpr std::uint32_t WS_BORDER = 0x00800000;
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000;
inline constexpr std::uint32_t WS_GROUP = 0x00020000;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000;
inline constexpr std::uint32_t DS_MODALFRAME = 0x80;
inline constexpr std::uint32_t DS_SETFONT = 0x40;
inline constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x1;
inline constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x200;
inline constexpr std::uint32_t WS_EX_STATICEDGE = 0x20000;
inline constexpr std::uint32_t WS_EX_APPWINDOW = 0x40000;

inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x1;
inline constexpr std::uint32_t BS_AUTOCHECKBOX = 0x3;
inline constexpr std::uint32_t BS_AUTORADIOBUTTON = 0x9;
inline constexpr std::uint32_t BS_GROUPBOX = 0x7;
inline constexpr std::uint32_t ES_AUTOHSCROLL = 0x80;
inline constexpr std::uint32_t ES_READONLY = 0x800;
inline constexpr std::uint32_t SS_LEFT = 0x0;
inline constexpr std::uint32_t SS_CENTER = 0x1;
inline constexpr std::uint32_t SS_ICON = 0x3;
inline constexpr std::uint32_t SS_NOPREFIX = 0x80;
inline constexpr std::uint32_t SS_CENTERIMAGE = 0x200;
inline constexpr std::uint32_t SS_SUNKEN = 0x1000;
inline constexpr std::uint32_t LBS_NOTIFY = 0x1;
inline constexpr std::uint32_t LBS_SORT = 0x2;
inline constexpr std::uint32_t LBS_NOINTEGRALHEIGHT = 0x100;

enum class ControlKind {
    PushButton,   // BS_DEFPUSHBUTTON in style marks the default one
    CheckBox,
    RadioButton,
    GroupBox,
    Edit,
    ListBox,
    Static,       // SS_ICON in style: shows icon iconId
};

struct ControlTemplate {
    int id;                 // -1 for none
    ControlKind kind;
    const char8_t* text;    // "&" marks the access key
    int x, y, cx, cy;       // dialog units
    std::uint32_t style;    // full style word, WS_CHILD | WS_VISIBLE included
    std::uint32_t exStyle = 0;
    int iconId = 0;
};

struct DialogTemplate {
    int id;
    const char8_t* caption;
    int x, y, cx, cy;       // dialog units
    std::uint32_t style;
    std::uint32_t exStyle;
    const char8_t* fontFace;
    int fontPoints;
    int menuId;             // 0: none
    std::span<const ControlTemplate> controls;  // template order, which is tab order
};

struct MenuItemTemplate {
    int id;                 // 0 with a null text: separator
    const char8_t* text;
};

struct PopupTemplate {
    const char8_t* text;
    std::span<const MenuItemTemplate> items;
};

struct MenuTemplate {
    int id;
    std::span<const PopupTemplate> popups;
};

struct IconImage {
    int size;                       // 16 or 32
    const char* const* xpm;         // XPM lines
};

struct IconTemplate {
    int id;
    std::span<const IconImage> images;
};

// Lookups; nullptr when the resource does not exist.
const DialogTemplate* FindDialogTemplate(int id);
const MenuTemplate* FindMenuTemplate(int id);
const IconTemplate* FindIconTemplate(int id);
// nullptr when the string table has no such string.
const char8_t* FindStringResource(unsigned id);
