#include "WindowSystem.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

// A window manager announces itself through the root window's
// _NET_SUPPORTING_WM_CHECK property.
static bool X11HasWindowManager()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return false;
    xcb_connection_t* connection = x11->connection();
    if (!connection)
        return false;
    const char name[] = "_NET_SUPPORTING_WM_CHECK";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, std::strlen(name), name), nullptr);
    if (!atom)
        return false;
    const xcb_atom_t property = atom->atom;
    std::free(atom);
    if (property == XCB_ATOM_NONE)
        return false;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return false;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, screen->root, property, XCB_ATOM_WINDOW, 0, 1), nullptr);
    if (!reply)
        return false;
    const bool present = xcb_get_property_value_length(reply) > 0;
    std::free(reply);
    return present;
}

bool WindowSystemReactivates()
{
    static const bool reactivates = [] {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("xcb"))
            return X11HasWindowManager();
        return platform.startsWith(QLatin1String("wayland"));
    }();
    return reactivates;
}
