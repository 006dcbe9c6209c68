#include "FileOpenDialog.h"

#include "OpenFileResult.h"
#include "PathMapping.h"
#include "PickerRun.h"
#include "QtFileDialog.h"

#include <QAbstractItemView>
#include <QFile>
#include <QHeaderView>
#include <QTreeView>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace {

unsigned lastError = 0;

std::string NativeBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

std::unique_ptr<QDialog> BuildDialog(QWidget* parent, const OpenFileRequest& request)
{
    // Wide enough that the name, size and date columns are read whole.
    auto dialog = NewQtFileDialog(parent, request.title, 760, 480);
    if (auto* details = dialog->findChild<QTreeView*>())
        details->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's mode for several files refuses a typed name of a file that does
    // not exist; its mode that takes one selects only one file in its views.
    // The second, with the views' selection widened, does both.
    dialog->setFileMode(QFileDialog::AnyFile);
    for (const char* view : {"listView", "treeView"}) {
        if (auto* items = dialog->findChild<QAbstractItemView*>(view))
            items->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    // Where the text names no folder, Qt's own choice stands.
    const CString& start = request.initialDir.IsEmpty() ? CString("/") : request.initialDir;
    if (const std::optional<QString> folder = ExistingFolder(start))
        dialog->setDirectory(*folder);
    return dialog;
}

// Folders among the chosen entries are left out: Qt's dialog opens a folder
// rather than choosing it.
std::vector<std::string> ChosenFiles(QDialog& window)
{
    std::vector<std::string> paths;
    for (const QString& file : static_cast<QFileDialog&>(window).selectedFiles()) {
        if (!QFileInfo(file).isDir())
            paths.push_back(NativeBytes(file));
    }
    return paths;
}

std::string ParentOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    return path.substr(0, slash == 0 ? 1 : slash);
}

// The result names one folder; a path typed into another one is left out.
std::optional<std::string> ResultOf(const std::vector<std::string>& paths)
{
    if (paths.empty())
        return std::nullopt;
    const std::string directory = ParentOf(paths.front());
    std::vector<CString> names;
    for (const std::string& path : paths) {
        if (ParentOf(path) != directory)
            continue;
        names.push_back(NameFromNative(std::string_view(path).substr(path.rfind('/') + 1)));
    }
    return BuildOpenFileResult(PathFromNative(directory), names);
}

}  // namespace

int GetOpenFileName(const OpenFileRequest& request, std::string& result)
{
    lastError = 0;
    const ModalRun run = PickerRunOf(ModalKind::FileOpen, request.title, request.owner, request.initialDir);
    const PickerWindow real{
        [&request](QWidget* parent) { return BuildDialog(parent, request); },
        ChosenFiles,
    };
    const std::optional<std::vector<std::string>> picked = RunPicker(run, real);
    if (!picked)
        return 0;
    const std::optional<std::string> chosen = ResultOf(*picked);
    if (!chosen)
        return 0;
    if (chosen->size() > request.maxFile) {
        lastError = FNERR_BUFFERTOOSMALL;
        return 0;
    }
    result = *chosen;
    return 1;
}

unsigned CommDlgExtendedError()
{
    return lastError;
}
