#include "TempDirectory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

TempDirectory::TempDirectory()
{
    std::string pattern = "/tmp/sorabun-fs-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = buffer.data();
}

TempDirectory::~TempDirectory()
{
    std::error_code ignored;
    // A test may have taken the permissions away; give them back first.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, ignored)) {
        if (entry.is_directory(ignored) && !entry.is_symlink(ignored))
            chmod(entry.path().c_str(), 0700);
    }
    std::filesystem::remove_all(m_path, ignored);
}

void TempDirectory::Write(const std::string& name, const std::string& content) const
{
    std::ofstream out(Path(name), std::ios::binary);
    out << content;
    if (!out)
        throw std::runtime_error("cannot write " + Path(name));
}

std::string TempDirectory::Read(const std::string& name) const
{
    std::ifstream in(Path(name), std::ios::binary);
    if (!in)
        return "<missing>";
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool TempDirectory::Exists(const std::string& name) const
{
    struct stat st;
    return lstat(Path(name).c_str(), &st) == 0;
}
