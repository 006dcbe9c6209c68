#include "BenchPlatform.h"

#include "CWinApp.h"
#include "ScriptedPlatform.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
class BenchApp : public CWinApp {};
BenchApp theBenchApp;
}  // namespace

void StartBenchPlatform()
{
    AfxInitScriptedPlatform();
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

double TimeLs(const std::string& options, const std::string& directory)
{
    const std::string command = "LC_ALL=C ls " + options + " '" + directory + "' > /dev/null";
    const Clock::time_point start = Clock::now();
    const int status = std::system(command.c_str());
    const double ms = MillisecondsSince(start);
    if (status != 0)
        std::printf("  note: ls exited with status %d\n", status);
    return ms;
}
