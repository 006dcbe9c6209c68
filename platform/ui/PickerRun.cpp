#include "PickerRun.h"

#include "CWnd.h"
#include "DialogState.h"
#include "DialogWindow.h"
#include "ModalRunner.h"
#include "QtText.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

std::unique_ptr<QDialog> StandIn(QWidget* parent, const CString& title)
{
    auto window = std::make_unique<QDialog>(parent);
    window->setWindowTitle(ToQString(title));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, window.get());
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, window.get(), &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window.get(), &QDialog::reject);
    auto* layout = new QVBoxLayout(window.get());
    layout->addWidget(buttons);
    return window;
}

}  // namespace

ModalRun PickerRunOf(ModalKind kind, const CString& title, CWnd* owner, const CString& initialPath)
{
    ModalRun run;
    run.kind = kind;
    run.caption = title;
    run.text = title;
    run.owner = owner;
    run.initialPath = initialPath;
    return run;
}

std::optional<std::vector<std::string>> RunPicker(ModalRun run, const PickerWindow& real)
{
    CDialog* owner = run.owner ? run.owner->OwningDialog() : nullptr;
    QWidget* parent = owner ? owner->State().window : nullptr;
    run.owner = owner;

    ModalPick pick;
    run.pick = &pick;
    const bool standIn = modal_seam::NextRunScripted();
    std::unique_ptr<QDialog> window = standIn ? StandIn(parent, run.caption) : real.build(parent);

    BeginModalChild(owner);
    const int result = RunModal(*window, run, QDialog::Rejected);
    if (result == QDialog::Accepted && !standIn)
        pick.paths = real.read(*window);
    window.reset();
    EndModalChild(owner);

    if (result != QDialog::Accepted)
        return std::nullopt;
    return pick.paths;
}
