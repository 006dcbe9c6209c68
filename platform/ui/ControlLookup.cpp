#include "ControlLookup.h"

#include "DialogWindow.h"

QWidget* ControlOfWindow(QWidget* dialogWindow, int id)
{
    auto* window = qobject_cast<DialogWindow*>(dialogWindow);
    return window ? window->Control(id) : nullptr;
}
