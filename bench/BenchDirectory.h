#pragma once
// A temporary folder of many empty files for the benchmarks, removed again
// when the object goes.

#include <cstddef>
#include <string>

class BenchDirectory {
public:
    // count files named like 写真000001.jpg, created in order of their number.
    explicit BenchDirectory(std::size_t count);
    ~BenchDirectory();
    BenchDirectory(const BenchDirectory&) = delete;
    BenchDirectory& operator=(const BenchDirectory&) = delete;

    const std::string& Path() const { return m_path; }
    // Whether every file could be made; a benchmark over a short folder
    // measures nothing.
    bool Complete() const { return m_made == m_count; }

private:
    std::string m_path;
    std::size_t m_count;
    std::size_t m_made = 0;
};
