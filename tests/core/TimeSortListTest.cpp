#include "TimeSortList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Entry {
    std::uint32_t high;
    std::uint32_t low;
    const char* name;
};

std::vector<std::string> Walk(TimeSortList& list)
{
    std::vector<std::string> names;
    list.Rewind();
    while (const TimeSortRecord* record = list.GetNext())
        names.push_back(record->fileName.Bytes());
    return names;
}

struct Row {
    const char* label;
    std::vector<Entry> inserted;
    std::vector<std::string> expected;
};

TEST(TimeSortList, OrdersByUnsignedTimeAndKeepsInsertionOrderForEqualTimes)
{
    const Row rows[] = {
        {"empty", {}, {}},
        {"one", {{0, 5, "a"}}, {"a"}},
        {"distinct times, newest first", {{0, 3, "c"}, {0, 2, "b"}, {0, 1, "a"}}, {"a", "b", "c"}},
        {"distinct times, mixed", {{0, 2, "b"}, {0, 3, "c"}, {0, 1, "a"}}, {"a", "b", "c"}},
        {"equal times keep insertion order", {{0, 7, "z"}, {0, 7, "a"}, {0, 7, "m"}}, {"z", "a", "m"}},
        {"equal times among others",
         {{0, 5, "x1"}, {0, 1, "first"}, {0, 5, "x2"}, {0, 9, "last"}, {0, 5, "x3"}},
         {"first", "x1", "x2", "x3", "last"}},
        {"low half 0x80000000 is later than 0x7FFFFFFF",
         {{1, 0x80000000u, "later"}, {1, 0x7FFFFFFFu, "earlier"}}, {"earlier", "later"}},
        {"low half 0xFFFFFFFF is earlier than the next high half",
         {{2, 0, "later"}, {1, 0xFFFFFFFFu, "earlier"}}, {"earlier", "later"}},
        {"high half 0x80000000 is later than 0x7FFFFFFF",
         {{0x80000000u, 0, "later"}, {0x7FFFFFFFu, 0xFFFFFFFFu, "earlier"}}, {"earlier", "later"}},
        {"the same name twice stays twice", {{0, 4, "dup"}, {0, 2, "a"}, {0, 4, "dup"}}, {"a", "dup", "dup"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        TimeSortList list;
        for (const Entry& entry : row.inserted)
            list.InsertByTime({entry.low, entry.high, CString(entry.name)});
        EXPECT_EQ(Walk(list), row.expected);
        EXPECT_EQ(Walk(list), row.expected) << "a second walk";
    }
}

// A second sort of the first one's output (what a second run of the command
// does on an unchanged directory) changes nothing, equal times included.
TEST(TimeSortList, SortingTheSortedOrderAgainChangesNothing)
{
    const std::vector<Entry> entries = {{0, 3, "c"}, {0, 1, "b1"}, {0, 3, "a"}, {0, 1, "b2"}, {0, 2, "d"}};
    TimeSortList first;
    for (const Entry& entry : entries)
        first.InsertByTime({entry.low, entry.high, CString(entry.name)});
    TimeSortList second;
    first.Rewind();
    while (const TimeSortRecord* record = first.GetNext())
        second.InsertByTime(*record);
    const std::vector<std::string> expected = {"b1", "b2", "d", "c", "a"};
    EXPECT_EQ(Walk(first), expected);
    EXPECT_EQ(Walk(second), expected);
}

// Enough records that an unstable sort would show: small runs are often
// ordered stably by accident.
TEST(TimeSortList, ManyEqualTimesStayInInsertionOrder)
{
    TimeSortList list;
    std::vector<std::string> expected[3];
    for (int i = 0; i < 300; ++i) {
        const std::uint32_t time = static_cast<std::uint32_t>((i * 7) % 3);
        const std::string name = "n" + std::to_string(i);
        list.InsertByTime({time, 0, CString(name.c_str())});
        expected[time].push_back(name);
    }
    std::vector<std::string> all;
    for (const auto& group : expected)
        all.insert(all.end(), group.begin(), group.end());
    EXPECT_EQ(Walk(list), all);
}

TEST(TimeSortList, WalksOnlyAfterRewind)
{
    TimeSortList list;
    EXPECT_EQ(list.GetNext(), nullptr) << "a fresh list";
    list.InsertByTime({2, 0, CString("b")});
    EXPECT_EQ(list.GetNext(), nullptr) << "no walk yet";
    list.Rewind();
    list.InsertByTime({1, 0, CString("a")});
    EXPECT_EQ(list.GetNext(), nullptr) << "an insert ends the walk";
    list.Rewind();
    const TimeSortRecord* record = list.GetNext();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->fileName.Bytes(), "a");
    EXPECT_EQ(record->lowDateTime, 1u);
    ASSERT_NE(list.GetNext(), nullptr);
    EXPECT_EQ(list.GetNext(), nullptr);
    EXPECT_EQ(list.GetNext(), nullptr) << "stays at the end";
}

}  // namespace
