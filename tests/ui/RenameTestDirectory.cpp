#include "RenameTestDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

RenameTestDirectory::RenameTestDirectory()
{
    char pattern[] = "/tmp/sorabun-rename-XXXXXX";
    const char* made = mkdtemp(pattern);
    m_path = made ? made : "";
}

RenameTestDirectory::~RenameTestDirectory()
{
    std::error_code ignored;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, ignored);
}

void RenameTestDirectory::Write(const std::string& name, const std::string& content) const
{
    std::ofstream(m_path + "/" + name, std::ios::binary) << content;
}

std::map<std::string, std::string> RenameTestDirectory::Snapshot() const
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
        std::ifstream in(entry.path(), std::ios::binary);
        entries[entry.path().filename().string()] =
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return entries;
}
