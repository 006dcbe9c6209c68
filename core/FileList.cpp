#include "FileList.h"


#include <algorithm>
#include <iterator>

namespace {

bool Less(const CString& a, const CString& b)
{
    return a.CompareNoCase(b) < 0;
}

// The position after the last entry not greater than name. The entries need
// not be in order (appends and inserts never sort): the halving still ends
// somewhere, and inserting there moves no entry relative to another.
size_t UpperBound(const std::vector<CString>& entries, const CString& name)
{
    size_t low = 0;
    size_t high = entries.size();
    while (low < high) {
        size_t middle = low + (high - low) / 2;
        if (Less(name, entries[middle]))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

}  // namespace

void FileList::ResetContent()
{
    if (m_observer)
        m_observer->BeginReset();
    m_entries.clear();
    m_pending.clear();
    m_sorted = true;
    m_selection = LB_ERR;
    if (m_observer)
        m_observer->EndReset();
}

void FileList::AddString(const CString& text)
{
    m_pending.push_back(text);
}

int FileList::InsertString(int index, const CString& text)
{
    Commit();
    int count = static_cast<int>(m_entries.size());
    if (index == -1)
        index = count;
    if (index < 0 || index > count)
        return LB_ERR;
    if (m_observer)
        m_observer->BeginInsert(index);
    m_entries.insert(m_entries.begin() + index, text);
    m_sorted = false;
    if (m_observer)
        m_observer->EndInsert();
    return index;
}

int FileList::DeleteString(int index)
{
    Commit();
    int count = static_cast<int>(m_entries.size());
    if (index < 0 || index >= count)
        return LB_ERR;
    if (m_observer)
        m_observer->BeginRemove(index);
    m_entries.erase(m_entries.begin() + index);
    if (m_selection == index)
        m_selection = LB_ERR;
    else if (m_selection > index)
        --m_selection;
    if (m_observer)
        m_observer->EndRemove();
    return count - 1;
}

int FileList::GetCount() const
{
    Commit();
    return static_cast<int>(m_entries.size());
}

const CString& FileList::GetText(int index) const
{
    Commit();
    static const CString kNoEntry;
    if (index < 0 || index >= static_cast<int>(m_entries.size()))
        return kNoEntry;
    return m_entries[static_cast<size_t>(index)];
}

int FileList::GetCurSel() const
{
    Commit();
    return m_selection;
}

int FileList::SetCurSel(int index)
{
    Commit();
    if (index < 0 || index >= static_cast<int>(m_entries.size()))
        return LB_ERR;
    m_selection = index;
    if (m_observer)
        m_observer->SelectionChanged(index);
    return index;
}

int FileList::FindString(int start, const CString& text) const
{
    Commit();
    int count = static_cast<int>(m_entries.size());
    if (count == 0)
        return LB_ERR;
    // A start outside the list searches the whole list from the top.
    if (start < -1 || start >= count)
        start = -1;
    for (int step = 0; step < count; ++step) {
        int index = (start + 1 + step) % count;
        if (m_entries[static_cast<size_t>(index)].BeginsWithNoCase(text))
            return index;
    }
    return LB_ERR;
}

void FileList::Commit() const
{
    if (m_pending.empty())
        return;
    if (m_observer)
        m_observer->BeginReset();
    bool hadEntries = !m_entries.empty();
    if (m_sorted) {
        // A stable sort and a merge that puts existing entries first give the
        // order of one insertion per add after the last equal entry.
        std::stable_sort(m_pending.begin(), m_pending.end(), Less);
        size_t existing = m_entries.size();
        m_entries.insert(m_entries.end(), std::make_move_iterator(m_pending.begin()),
                         std::make_move_iterator(m_pending.end()));
        std::inplace_merge(m_entries.begin(), m_entries.begin() + static_cast<std::ptrdiff_t>(existing),
                           m_entries.end(), Less);
    } else {
        for (CString& name : m_pending) {
            size_t at = UpperBound(m_entries, name);
            m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(at), std::move(name));
        }
    }
    m_pending.clear();
    // The entries have moved under the selection.
    if (hadEntries)
        m_selection = LB_ERR;
    if (m_observer)
        m_observer->EndReset();
}

void FileList::SetCurSelFromView(int index)
{
    // No commit: the index comes from the view, which shows the committed
    // entries; placing pending adds first would change what it points at.
    if (index < 0 || index >= static_cast<int>(m_entries.size()))
        index = LB_ERR;
    m_selection = index;
}
