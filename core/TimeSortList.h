#pragma once
// The time-ordered list the time sort fills: oldest first, and entries with
// equal times in the order they were inserted.

#include "CString.h"

#include <cstdint>
#include <vector>

// What the list keeps of one looked-up file: its last-write time as the two
// unsigned halves the lookup reports, and its name as stored.
struct TimeSortRecord {
    std::uint32_t lowDateTime = 0;
    std::uint32_t highDateTime = 0;
    CString fileName;
};

class TimeSortList {
public:
    // Places a copy after every record whose time is earlier or equal. Ends a
    // walk in progress: GetNext hands out nothing until the next Rewind.
    void InsertByTime(const TimeSortRecord& record);
    // Starts a walk at the earliest record.
    void Rewind();
    // The next record of the walk, or nullptr after the last one (and before
    // the first Rewind).
    const TimeSortRecord* GetNext();

private:
    // Inserting each record at its place walks the list once per record;
    // appending and sorting once, stably, when the walk starts gives the same
    // order in n log n.
    std::vector<TimeSortRecord> m_records;
    bool m_ordered = true;
    size_t m_cursor = 0;
    bool m_walking = false;
};
