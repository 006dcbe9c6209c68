#pragma once
// The keyboard's state as the window system knows it now.

#include "Win32Types.h"

using SHORT = short;

// 0x8000 (the high bit) while the key is held down at this moment, else 0.
// Earlier presses are never reported: a Shift released before the call, as
// after typing a capital letter, counts as up. Only VK_SHIFT is known; any
// other key reads as up.
SHORT GetAsyncKeyState(int vk);
