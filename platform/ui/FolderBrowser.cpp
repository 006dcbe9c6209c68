#include "FolderBrowser.h"

#include "PathMapping.h"
#include "PickerRun.h"
#include "QtText.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace {

// Shows the preselected folder among its siblings, chosen already; the root
// has none and is simply opened.
void Preselect(QFileDialog& dialog, const CString& text)
{
    const std::optional<std::string> native = NativePath(text);
    if (!native || native->empty())
        return;
    const QFileInfo info(QFile::decodeName(QByteArray::fromStdString(*native)));
    if (!info.isDir())
        return;
    const QString folder = QDir::cleanPath(info.absoluteFilePath());
    if (folder == QStringLiteral("/")) {
        dialog.setDirectory(folder);
        return;
    }
    const QFileInfo cleaned(folder);
    dialog.setDirectory(cleaned.absolutePath());
    dialog.selectFile(cleaned.fileName());
}

std::unique_ptr<QDialog> BuildBrowser(QWidget* parent, const FolderBrowserRequest& request)
{
    auto dialog = std::make_unique<QFileDialog>(parent, ToQString(request.title));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->resize(640, 440);
    Preselect(*dialog, request.preselect);
    return dialog;
}

std::vector<std::string> ChosenFolder(QDialog& window)
{
    const QStringList chosen = static_cast<QFileDialog&>(window).selectedFiles();
    if (chosen.isEmpty())
        return {};
    return {QFile::encodeName(chosen.front()).toStdString()};
}

}  // namespace

bool ShowFolderBrowser(const FolderBrowserRequest& request, CString& path)
{
    ModalRun run;
    run.kind = ModalKind::FolderBrowser;
    run.caption = request.title;
    run.text = request.title;
    run.owner = request.owner;
    run.initialPath = request.preselect;
    const PickerWindow real{
        [&request](QWidget* parent) { return BuildBrowser(parent, request); },
        ChosenFolder,
    };
    const std::optional<std::vector<std::string>> picked = RunPicker(run, real);
    // A choice without a file-system path is no choice.
    if (!picked || picked->empty() || picked->front().empty())
        return false;
    path = PathFromNative(picked->front());
    return true;
}
