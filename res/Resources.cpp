#include "ResourceTypes.h"

#include "ResourceTables.h"

namespace {

constexpr const DialogTemplate* kDialogs[] = {
    &g_aboutDialogTemplate,
    &g_mainDialogTemplate,
    &g_renameDialogTemplate,
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id)
{
    for (const DialogTemplate* dialog : kDialogs) {
        if (dialog->id == id)
            return dialog;
    }
    return nullptr;
}

const MenuTemplate* FindMenuTemplate(int id)
{
    if (g_mainMenuTemplate.id != id)
        return nullptr;
    return &g_mainMenuTemplate;
}

const IconTemplate* FindIconTemplate(int id)
{
    if (g_mainIconTemplate.id != id)
        return nullptr;
    return &g_mainIconTemplate;
}

const char8_t* FindStringResource(unsigned id)
{
    for (const StringResource& entry : g_stringTable) {
        if (entry.id == id)
            return entry.text;
    }
    return nullptr;
}
