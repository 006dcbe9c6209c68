#include "AttributeFilter.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(AttributeFilter, LeavesOutExactlyFiveWholeWords)
{
    struct Row {
        const char* label;
        std::uint32_t attributes;
        bool excluded;
    };
    const Row rows[] = {
        {"plain directory", 0x10, true},
        {"read-only directory", 0x11, false},
        {"archived directory", 0x30, false},
        {"archive file", 0x20, false},
        {"normal file", 0x80, false},
        {"read-only alone", 0x01, true},
        {"read-only archive", 0x21, false},
        {"hidden alone", 0x02, true},
        {"hidden archive", 0x22, false},
        {"hidden system", 0x06, false},
        {"system alone", 0x04, true},
        {"temporary alone", 0x100, true},
        {"temporary archive", 0x120, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(IsExcludedAttribute(row.attributes), row.excluded);
    }
}

}  // namespace
