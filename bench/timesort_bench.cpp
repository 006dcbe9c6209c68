// How long the TimeSort button takes on a large folder, against `ls -ltr` on
// the same folder in the same run: the main window on the offscreen platform,
// the folder listed through the scan button first (not timed), then TimeSort
// clicked, timed from the click until it returns (every entry looked up, the
// list rebuilt oldest first), and again until the window has drawn the result.
// The files' modification times are set one by one, all distinct and in an
// order unrelated to their names, so the sort has everything to do. The time
// order of the core list alone is printed beside them.

#include "BenchDirectory.h"
#include "BenchPlatform.h"
#include "CMainDialog.h"
#include "CWinApp.h"
#include "ModalSeam.h"
#include "TimeSortList.h"
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
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

// Gives every file of the folder its own modification time, shuffled against
// the names; returns the time of each name (native UTF-8 names).
std::map<std::string, long long> SetShuffledTimes(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        closedir(dir);
    }
    std::vector<long long> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), std::mt19937(20240601));

    std::map<std::string, long long> times;
    const long long base = 1'600'000'000;
    for (size_t i = 0; i < names.size(); ++i) {
        // Seconds and nanoseconds both vary, so the full resolution counts.
        const timespec stamp{static_cast<time_t>(base + order[i] / 1000),
                             static_cast<long>((order[i] % 1000) * 1000 + 7)};
        const timespec stamps[2] = {stamp, stamp};
        if (utimensat(AT_FDCWD, (folder + "/" + names[i]).c_str(), stamps, 0) == 0)
            times[names[i]] = static_cast<long long>(stamp.tv_sec) * 1'000'000'000 + stamp.tv_nsec;
    }
    return times;
}

struct SortTiming {
    double clickReturnedMs = 0;
    double drawnMs = 0;
    int listed = 0;
    bool oldestFirst = false;
};

void PressKey(QWindow* window, Qt::Key key)
{
    QTest::keyClick(window, key);
}

SortTiming TimeSort(const std::string& directory, const std::vector<std::string>& expected)
{
    SortTiming timing;
    CMainDialog dlg;
    AfxGetApp()->m_pMainWnd = &dlg;
    modal_seam::Expect([&](const ModalRun& run) {
        QWindow* window = run.window->windowHandle();
        for (int i = 0; i < 5; ++i)
            PressKey(window, Qt::Key_Tab);
        for (const QChar ch : QString::fromStdString(directory))
            QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        PressKey(window, Qt::Key_Tab);
        PressKey(window, Qt::Key_Space);
        run.window->repaint();
        QApplication::processEvents();

        QWidget* button = dlg.GetDlgItem(IDC_TIME_SORT)->Widget();
        const Clock::time_point start = Clock::now();
        QTest::mouseClick(button, Qt::LeftButton);
        timing.clickReturnedMs = MillisecondsSince(start);
        run.window->repaint();
        QApplication::processEvents();
        timing.drawnMs = MillisecondsSince(start);

        timing.listed = dlg.m_fileList.GetCount();
        timing.oldestFirst = timing.listed == static_cast<int>(expected.size());
        CString name;
        for (int i = 0; timing.oldestFirst && i < timing.listed; ++i) {
            dlg.m_fileList.GetText(i, name);
            timing.oldestFirst = name == CString(reinterpret_cast<const char8_t*>(expected[i].c_str()));
        }
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
    AfxGetApp()->m_pMainWnd = nullptr;
    return timing;
}

// The core list alone, on records already in memory.
double TimeCoreSort(const std::map<std::string, long long>& times)
{
    std::vector<TimeSortRecord> records;
    for (const auto& [name, time] : times) {
        const auto bits = static_cast<unsigned long long>(time);
        records.push_back({static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32),
                           CString(name.c_str())});
    }
    const Clock::time_point start = Clock::now();
    TimeSortList list;
    for (const TimeSortRecord& record : records)
        list.InsertByTime(record);
    list.Rewind();
    size_t walked = 0;
    while (list.GetNext())
        ++walked;
    const double ms = MillisecondsSince(start);
    if (walked != records.size())
        std::printf("  note: the core list gave %zu records, not %zu\n", walked, records.size());
    return ms;
}

void RunSize(std::size_t count, int rounds)
{
    std::printf("%zu files: making the folder and setting the times...\n", count);
    std::fflush(stdout);
    const BenchDirectory folder(count);
    if (!folder.Complete()) {
        std::printf("  could not make %zu files under /tmp; skipped\n", count);
        return;
    }
    const std::map<std::string, long long> times = SetShuffledTimes(folder.Path());
    if (times.size() != count) {
        std::printf("  could not set the times of %zu files; skipped\n", count);
        return;
    }
    std::vector<std::pair<long long, std::string>> byTime;
    for (const auto& [name, time] : times)
        byTime.emplace_back(time, name);
    std::sort(byTime.begin(), byTime.end());
    std::vector<std::string> expected;
    for (const auto& entry : byTime)
        expected.push_back(entry.second);
    TimeLs("-ltr", folder.Path());  // both measured with the folder already in the cache

    std::vector<double> returned, drawn, ls, core;
    for (int round = 0; round < rounds; ++round) {
        const SortTiming sort = TimeSort(folder.Path(), expected);
        if (!sort.oldestFirst)
            std::printf("  note: the list (%d entries) is not the %zu names oldest first\n", sort.listed, count);
        returned.push_back(sort.clickReturnedMs);
        drawn.push_back(sort.drawnMs);
        ls.push_back(TimeLs("-ltr", folder.Path()));
        core.push_back(TimeCoreSort(times));
    }
    const double sortMs = Median(returned);
    const double drawnMs = Median(drawn);
    const double lsMs = Median(ls);
    std::printf("  TimeSort (click to return):  %9.1f ms\n", sortMs);
    std::printf("  TimeSort until drawn:        %9.1f ms\n", drawnMs);
    std::printf("  LC_ALL=C ls -ltr:            %9.1f ms\n", lsMs);
    std::printf("  ratio TimeSort / ls:         %9.2f   (until drawn: %.2f)   median of %d\n", sortMs / lsMs,
                drawnMs / lsMs, rounds);
    std::printf("  time order alone (core):     %9.1f ms\n", Median(core));
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
