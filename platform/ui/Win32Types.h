#pragma once
// The platform's scalar types and constants that handler code is written in.

#include <cstdint>

using BOOL = int;
using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

struct IconTemplate;
using HICON = const IconTemplate*;
using HCURSOR = HICON;

// Notification codes carried with a control's command.
inline constexpr int BN_CLICKED = 0;
inline constexpr int LBN_SELCHANGE = 1;
inline constexpr int LBN_DBLCLK = 2;
inline constexpr int LBN_SETFOCUS = 4;
inline constexpr int LBN_KILLFOCUS = 5;
inline constexpr int EN_SETFOCUS = 0x100;
inline constexpr int EN_KILLFOCUS = 0x200;
inline constexpr int EN_CHANGE = 0x300;

// System commands.
inline constexpr UINT SC_MOVE = 0xF010;
inline constexpr UINT SC_CLOSE = 0xF060;

// Message-box styles and results.
inline constexpr UINT MB_OK = 0;

// Check states.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
inline constexpr int BST_INDETERMINATE = 2;

// Menu flags.
inline constexpr UINT MF_STRING = 0;
inline constexpr UINT MF_SEPARATOR = 0x800;

// Icon kinds for SetIcon.
inline constexpr int ICON_SMALL = 0;
inline constexpr int ICON_BIG = 1;

// Virtual keys.
inline constexpr int VK_SHIFT = 0x10;
