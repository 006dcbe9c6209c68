#include "KeyState.h"

#include <QGuiApplication>

SHORT GetAsyncKeyState(int vk)
{
    if (vk != VK_SHIFT)
        return 0;
    // Asks the window system itself on X11 and Wayland. Where there is none
    // (offscreen), the toolkit knows only the modifiers the last key or mouse
    // event carried.
    if (!(QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier))
        return 0;
    return static_cast<SHORT>(0x8000);
}
