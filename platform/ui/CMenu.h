#pragma once
// A menu the program may extend: here the window's system menu.

#include "CString.h"
#include "Win32Types.h"

#include <vector>

class CMenu {
public:
    struct Item {
        UINT flags;
        UINT id;
        CString text;
    };

    BOOL AppendMenu(UINT flags, UINT id = 0, const CString& text = CString());
    const std::vector<Item>& Items() const { return m_items; }

private:
    std::vector<Item> m_items;
};
