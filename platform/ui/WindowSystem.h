#pragma once
// What the window system under the program does by itself.

// True where something re-activates a window when a window it owns closes (a
// window manager on X11, the compositor on Wayland); false offscreen and on a
// bare X server, where the framework activates the window itself.
bool WindowSystemReactivates();
