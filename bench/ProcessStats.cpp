#include "ProcessStats.h"

#include <time.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

long PeakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

double MillisecondsSinceProcessStart()
{
    std::ifstream statFile("/proc/self/stat");
    std::string stat;
    std::getline(statFile, stat);
    // The command name may hold blanks; the fields after it are plain.
    const size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    // starttime is field 22; after the name, fields count from 3.
    for (int index = 3; index <= 22 && fields >> field; ++index) {
        if (index != 22)
            continue;
        const double startSeconds = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
        timespec now{};
        clock_gettime(CLOCK_BOOTTIME, &now);
        return (static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9 - startSeconds) * 1000.0;
    }
    return -1;
}
