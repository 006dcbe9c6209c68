// How long the program takes from process start until its main window is
// shown and running its loop: the real application set-up and main window,
// on whatever platform QT_QPA_PLATFORM names (offscreen when unset; run it
// with QT_QPA_PLATFORM=xcb under an X server for the real figure). The
// kernel's start time has a resolution of one clock tick (10 ms).

#include "BenchPlatform.h"
#include "CMainDialog.h"
#include "CWinApp.h"
#include "ModalSeam.h"
#include "ProcessStats.h"
#include "resource.h"

#include <QByteArray>

#include <cstdio>

int main(int, char**)
{
    StartBenchPlatform();

    CMainDialog dlg;
    AfxGetApp()->m_pMainWnd = &dlg;
    double shownMs = -1;
    modal_seam::Expect([&](const ModalRun&) {
        shownMs = MillisecondsSinceProcessStart();
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
    AfxGetApp()->m_pMainWnd = nullptr;
    std::printf("process start to main window shown (%s): %.0f ms\n",
                qgetenv("QT_QPA_PLATFORM").constData(), shownMs);
    return 0;
}
