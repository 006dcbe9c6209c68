#include "BenchPlatform.h"

#include "CWinApp.h"
#include "ModalSeam.h"

#include <QByteArray>

#include <algorithm>

namespace {
class BenchApp : public CWinApp {};
BenchApp theBenchApp;
}  // namespace

void StartBenchPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static char programName[] = "/usr/bin/sorabun";
    static char* qtArgs[] = {programName, nullptr};
    int qtArgc = 1;
    AfxInitPlatform(qtArgc, qtArgs);
    modal_seam::SetStrict(true);
}

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
