#pragma once
// Routing tables from control notifications, menu commands and window
// messages to handlers, one static table per class chained to its base's.

#include "Win32Types.h"

#include <functional>
#include <initializer_list>
#include <vector>

class CCmdTarget;

enum class MessageKind {
    Command,       // a control notification or a menu command (id, code)
    SysCommand,    // a system-menu command (wParam = command)
    Paint,
    QueryDragIcon,
};

struct MessageMapEntry {
    MessageKind kind;
    int id;
    int code;
    std::function<LRESULT(CCmdTarget&, WPARAM, LPARAM)> handler;

    template <class T>
    static MessageMapEntry Command(int id, int code, void (T::*fn)())
    {
        return {MessageKind::Command, id, code, [fn](CCmdTarget& t, WPARAM, LPARAM) -> LRESULT {
                    (static_cast<T&>(t).*fn)();
                    return 0;
                }};
    }

    template <class T>
    static MessageMapEntry SysCommand(void (T::*fn)(UINT, LPARAM))
    {
        return {MessageKind::SysCommand, 0, 0, [fn](CCmdTarget& t, WPARAM w, LPARAM l) -> LRESULT {
                    (static_cast<T&>(t).*fn)(static_cast<UINT>(w), l);
                    return 0;
                }};
    }

    template <class T>
    static MessageMapEntry Paint(void (T::*fn)())
    {
        return {MessageKind::Paint, 0, 0, [fn](CCmdTarget& t, WPARAM, LPARAM) -> LRESULT {
                    (static_cast<T&>(t).*fn)();
                    return 0;
                }};
    }

    template <class T>
    static MessageMapEntry QueryDragIcon(HCURSOR (T::*fn)())
    {
        return {MessageKind::QueryDragIcon, 0, 0, [fn](CCmdTarget& t, WPARAM, LPARAM) -> LRESULT {
                    return reinterpret_cast<LRESULT>((static_cast<T&>(t).*fn)());
                }};
    }
};

struct MessageMap {
    const MessageMap* base;
    std::vector<MessageMapEntry> entries;
};

#define ON_COMMAND(id, fn) MessageMapEntry::Command((id), BN_CLICKED, (fn))
#define ON_BN_CLICKED(id, fn) MessageMapEntry::Command((id), BN_CLICKED, (fn))
#define ON_LBN_DBLCLK(id, fn) MessageMapEntry::Command((id), LBN_DBLCLK, (fn))
#define ON_LBN_SETFOCUS(id, fn) MessageMapEntry::Command((id), LBN_SETFOCUS, (fn))
#define ON_EN_CHANGE(id, fn) MessageMapEntry::Command((id), EN_CHANGE, (fn))
#define ON_EN_SETFOCUS(id, fn) MessageMapEntry::Command((id), EN_SETFOCUS, (fn))
#define ON_EN_KILLFOCUS(id, fn) MessageMapEntry::Command((id), EN_KILLFOCUS, (fn))
#define ON_WM_SYSCOMMAND(fn) MessageMapEntry::SysCommand(fn)
#define ON_WM_PAINT(fn) MessageMapEntry::Paint(fn)
#define ON_WM_QUERYDRAGICON(fn) MessageMapEntry::QueryDragIcon(fn)
