#include "BenchDirectory.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

BenchDirectory::BenchDirectory(std::size_t count) : m_count(count)
{
    char pattern[] = "/tmp/sorabun-bench-XXXXXX";
    if (!mkdtemp(pattern))
        return;
    m_path = pattern;
    char name[64];
    for (std::size_t i = 1; i <= count; ++i) {
        std::snprintf(name, sizeof name, "/写真%06zu.jpg", i);
        const int fd = open((m_path + name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0)
            return;
        close(fd);
        ++m_made;
    }
}

BenchDirectory::~BenchDirectory()
{
    if (m_path.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}
