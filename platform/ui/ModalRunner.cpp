#include "ModalRunner.h"

#include "WindowSystem.h"

#include <QDialog>
#include <QMetaObject>

int RunModal(QDialog& window, ModalRun run, int cancelCode)
{
    run.window = &window;
    modal_seam::Script script;
    const bool taken = modal_seam::Take(run, script);
    QMetaObject::invokeMethod(
        &window,
        [&window, run, taken, script, cancelCode] {
            if (!WindowSystemReactivates())
                window.activateWindow();
            if (!taken)
                return;
            if (!script) {
                window.done(cancelCode);
                return;
            }
            script(run);
        },
        Qt::QueuedConnection);
    return window.exec();
}
