#pragma once
// The resource tables as the lookups in Resources.cpp see them. Internal to
// res/: the framework asks through the Find functions, never by these names.

#include "ResourceTypes.h"

struct StringResource {
    unsigned id;
    const char8_t* text;
};

extern const DialogTemplate g_aboutDialogTemplate;
extern const DialogTemplate g_mainDialogTemplate;
extern const DialogTemplate g_renameDialogTemplate;
extern const MenuTemplate g_mainMenuTemplate;
extern const IconTemplate g_mainIconTemplate;
extern const std::span<const StringResource> g_stringTable;
