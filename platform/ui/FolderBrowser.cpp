#include "FolderBrowser.h"

#include "PathMapping.h"
#include "PickerRun.h"
#include "QtFileDialog.h"

#include <QFile>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace {

// Shows the preselected folder among its siblings, chosen already; the root
// has none and is simply opened.
void Preselect(QFileDialog& dialog, const CString& text)
{
    const std::optional<QString> folder = ExistingFolder(text);
    if (!folder)
        return;
    if (*folder == QStringLiteral("/")) {
        dialog.setDirectory(*folder);
        return;
    }
    const QFileInfo cleaned(*folder);
    dialog.setDirectory(cleaned.absolutePath());
    dialog.selectFile(cleaned.fileName());
}

std::unique_ptr<QDialog> BuildBrowser(QWidget* parent, const FolderBrowserRequest& request)
{
    auto dialog = NewQtFileDialog(parent, request.title, 640, 440);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
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
    const ModalRun run = PickerRunOf(ModalKind::FolderBrowser, request.title, request.owner, request.preselect);
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
