#pragma once
// What the file-open dialog and the folder browser build on: Qt's own file
// dialog (the desktop's native one cannot be driven, sized or laid out the
// same way everywhere), and the folder a text names. Internal to the framework.

#include "CString.h"

#include <QFileDialog>
#include <QString>

#include <memory>
#include <optional>

std::unique_ptr<QFileDialog> NewQtFileDialog(QWidget* parent, const CString& title, int width, int height);

// The absolute, cleaned path of the existing folder the text names, or
// nothing when it names no folder (or holds a name without a native form).
std::optional<QString> ExistingFolder(const CString& text);
