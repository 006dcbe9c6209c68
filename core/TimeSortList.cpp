#include "TimeSortList.h"

#include <algorithm>

namespace {

// Both halves unsigned: a low half of 0x80000000 or more is later, not earlier.
std::uint64_t TimeOf(const TimeSortRecord& record)
{
    return (static_cast<std::uint64_t>(record.highDateTime) << 32) | record.lowDateTime;
}

}  // namespace

void TimeSortList::InsertByTime(const TimeSortRecord& record)
{
    if (!m_records.empty() && TimeOf(record) < TimeOf(m_records.back()))
        m_ordered = false;
    m_records.push_back(record);
    m_walking = false;
}

void TimeSortList::Rewind()
{
    if (!m_ordered) {
        std::stable_sort(m_records.begin(), m_records.end(),
                         [](const TimeSortRecord& a, const TimeSortRecord& b) { return TimeOf(a) < TimeOf(b); });
        m_ordered = true;
    }
    m_cursor = 0;
    m_walking = true;
}

const TimeSortRecord* TimeSortList::GetNext()
{
    if (!m_walking || m_cursor >= m_records.size())
        return nullptr;
    return &m_records[m_cursor++];
}
