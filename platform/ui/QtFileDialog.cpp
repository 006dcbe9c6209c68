#include "QtFileDialog.h"

#include "PathMapping.h"
#include "QtText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string>

std::unique_ptr<QFileDialog> NewQtFileDialog(QWidget* parent, const CString& title, int width, int height)
{
    auto dialog = std::make_unique<QFileDialog>(parent, ToQString(title));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->resize(width, height);
    return dialog;
}

std::optional<QString> ExistingFolder(const CString& text)
{
    const std::optional<std::string> native = NativePath(text);
    if (!native || native->empty())
        return std::nullopt;
    const QFileInfo info(QFile::decodeName(QByteArray::fromStdString(*native)));
    if (!info.isDir())
        return std::nullopt;
    return QDir::cleanPath(info.absoluteFilePath());
}
