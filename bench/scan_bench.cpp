// How long the scan button takes on a large folder, against `ls -l` on the
// same folder: the main window on the offscreen platform, the directory typed
// into its field and the button pressed with real key events, timed from the
// key press until it returns (the list filled and sorted), and again until the
// window has drawn the result.

#include "BenchDirectory.h"
#include "BenchPlatform.h"
#include "CMainDialog.h"
#include "CWinApp.h"
#include "ModalSeam.h"
#include "ProcessStats.h"
#include "resource.h"

#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct ScanTiming {
    double keyReturnedMs = 0;
    double drawnMs = 0;
    int listed = 0;
};

void PressKey(QWindow* window, Qt::Key key)
{
    QTest::keyClick(window, key);
}

ScanTiming TimeScan(const std::string& directory)
{
    ScanTiming timing;
    CMainDialog dlg;
    AfxGetApp()->m_pMainWnd = &dlg;
    modal_seam::Expect([&](const ModalRun& run) {
        QWindow* window = run.window->windowHandle();
        // From the first control to the directory field, as a person tabs.
        for (int i = 0; i < 5; ++i)
            PressKey(window, Qt::Key_Tab);
        for (const QChar ch : QString::fromStdString(directory))
            QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        PressKey(window, Qt::Key_Tab);
        QApplication::processEvents();

        const Clock::time_point start = Clock::now();
        PressKey(window, Qt::Key_Space);
        timing.keyReturnedMs = MillisecondsSince(start);
        run.window->repaint();
        QApplication::processEvents();
        timing.drawnMs = MillisecondsSince(start);

        timing.listed = dlg.m_fileList.GetCount();
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
    AfxGetApp()->m_pMainWnd = nullptr;
    return timing;
}

void RunSize(std::size_t count, int rounds)
{
    std::printf("%zu files: making the folder...\n", count);
    std::fflush(stdout);
    const BenchDirectory folder(count);
    if (!folder.Complete()) {
        std::printf("  could not make %zu files under /tmp; skipped\n", count);
        return;
    }
    TimeLs("-l", folder.Path());  // both measured with the folder already in the cache

    std::vector<double> keyReturned, drawn, ls;
    for (int round = 0; round < rounds; ++round) {
        const ScanTiming scan = TimeScan(folder.Path());
        if (scan.listed != static_cast<int>(count))
            std::printf("  note: the list holds %d entries, not %zu\n", scan.listed, count);
        keyReturned.push_back(scan.keyReturnedMs);
        drawn.push_back(scan.drawnMs);
        ls.push_back(TimeLs("-l", folder.Path()));
    }
    const double scanMs = Median(keyReturned);
    const double drawnMs = Median(drawn);
    const double lsMs = Median(ls);
    std::printf("  scan (key press to return): %9.1f ms\n", scanMs);
    std::printf("  scan until drawn:           %9.1f ms\n", drawnMs);
    std::printf("  LC_ALL=C ls -l:             %9.1f ms\n", lsMs);
    std::printf("  ratio scan / ls:            %9.2f   (until drawn: %.2f)   median of %d\n",
                scanMs / lsMs, drawnMs / lsMs, rounds);
    std::printf("  peak memory of the process:  %9.1f MiB\n", PeakResidentKiB() / 1024.0);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    StartBenchPlatform();

    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    RunSize(10'000, rounds);
    RunSize(100'000, rounds);
    return 0;
}
