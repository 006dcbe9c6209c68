#pragma once
// The main window's file list as a model: ordered bare names and at most one
// selected entry, with the list box's operations and results.

#include "CString.h"

#include <vector>

// Told about committed changes so that a view can follow.
class FileListObserver {
public:
    virtual ~FileListObserver() = default;
    virtual void BeginReset() = 0;
    virtual void EndReset() = 0;
    virtual void BeginInsert(int index) = 0;
    virtual void EndInsert() = 0;
    virtual void BeginRemove(int index) = 0;
    virtual void EndRemove() = 0;
    virtual void SelectionChanged(int index) = 0;
};

class FileList {
public:
    static constexpr int LB_ERR = -1;

    void SetObserver(FileListObserver* observer) { m_observer = observer; }

    void ResetContent();
    // Sorted add. Adds are gathered and placed in one batch when anything else
    // reads or changes the list (or Commit runs), so that filling 100,000 names
    // costs one sort, not 100,000 insertions; the order is the same as one
    // insertion after the last case-insensitively equal entry per add.
    void AddString(const CString& text);
    // Index 0..count inserts there, -1 appends; never sorts. Returns the index,
    // or LB_ERR for an index out of range.
    int InsertString(int index, const CString& text);
    // Returns the remaining count, or LB_ERR.
    int DeleteString(int index);
    int GetCount() const;
    // The whole entry; the index must be valid.
    const CString& GetText(int index) const;
    int GetCurSel() const;
    // Returns index, or LB_ERR (selection unchanged) when out of range.
    int SetCurSel(int index);
    // Examines start+1 .. count-1, then 0 .. start; the first entry that begins
    // with text regardless of case, or LB_ERR.
    int FindString(int start, const CString& text) const;

    void Commit() const;
    // What a view shows: the committed entries, without committing.
    const std::vector<CString>& CommittedEntries() const { return m_entries; }
    int CommittedSelection() const { return m_selection; }
    // A selection the user made in the view; tells no observer.
    void SetCurSelFromView(int index);

private:
    mutable std::vector<CString> m_entries;
    mutable std::vector<CString> m_pending;
    mutable bool m_sorted = true;  // only sorted adds since the last reset
    mutable int m_selection = LB_ERR;
    FileListObserver* m_observer = nullptr;
};
