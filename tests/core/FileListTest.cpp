#include "FileList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace {

void Add(FileList& list, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        list.AddString(CString(name));
}

std::vector<std::string> Entries(const FileList& list)
{
    std::vector<std::string> entries;
    for (int i = 0; i < list.GetCount(); ++i)
        entries.push_back(list.GetText(i).Bytes());
    return entries;
}

struct Row {
    const char* label;
    std::function<int(FileList&)> script;  // returns the result of its last call
    int result;
    std::vector<std::string> entries;
    int selection;
};

TEST(FileList, BehavesLikeTheListBox)
{
    const Row rows[] = {
        {"sorted adds ignore case",
         [](FileList& l) { Add(l, {"b.txt", "A.txt", "c.txt"}); return l.GetCount(); },
         3, {"A.txt", "b.txt", "c.txt"}, -1},
        {"the same name twice lands adjacent",
         [](FileList& l) { Add(l, {"a.txt", "b.txt", "a.txt"}); return l.GetCount(); },
         3, {"a.txt", "a.txt", "b.txt"}, -1},
        {"case-equal names keep their add order",
         [](FileList& l) { Add(l, {"x.txt", "B.txt", "X.txt"}); return l.GetCount(); },
         3, {"B.txt", "x.txt", "X.txt"}, -1},
        {"a later add goes after the equal entries already there",
         [](FileList& l) { Add(l, {"X.txt", "a"}); l.GetCount(); Add(l, {"x.txt", "b"}); return l.GetCount(); },
         4, {"a", "b", "X.txt", "x.txt"}, -1},
        {"trail bytes sort by their bytes",
         [](FileList& l) { Add(l, {"\x83\x61", "\x83\x41", "B"}); return l.GetCount(); },
         3, {"B", "\x83\x41", "\x83\x61"}, -1},

        {"prefix search ignores case",
         [](FileList& l) { Add(l, {"b.txt", "ABC.TXT"}); return l.FindString(-1, CString("abc")); },
         0, {"ABC.TXT", "b.txt"}, -1},
        {"a text longer than the entry never matches",
         [](FileList& l) { Add(l, {"abc"}); return l.FindString(-1, CString("abc.txt")); },
         -1, {"abc"}, -1},
        {"search from 0 starts after 0",
         [](FileList& l) { Add(l, {"a1", "a2"}); return l.FindString(0, CString("a")); },
         1, {"a1", "a2"}, -1},
        {"search from 0 comes back to 0 last",
         [](FileList& l) { Add(l, {"a1", "b1"}); return l.FindString(0, CString("a")); },
         0, {"a1", "b1"}, -1},
        {"search from the last entry wraps to the top",
         [](FileList& l) { Add(l, {"a1", "a2", "b"}); return l.FindString(2, CString("A")); },
         0, {"a1", "a2", "b"}, -1},
        {"empty text matches the next entry",
         [](FileList& l) { Add(l, {"a", "b"}); return l.FindString(0, CString("")); },
         1, {"a", "b"}, -1},
        {"search in an empty list",
         [](FileList& l) { return l.FindString(-1, CString("")); },
         -1, {}, -1},
        {"search does not fold a trail byte",
         [](FileList& l) { Add(l, {"\x83\x61" "1"}); return l.FindString(-1, CString("\x83\x41")); },
         -1, {"\x83\x61" "1"}, -1},
        {"search sees pending adds",
         [](FileList& l) { Add(l, {"b"}); l.GetCount(); Add(l, {"a"}); return l.FindString(-1, CString("a")); },
         0, {"a", "b"}, -1},

        {"SetCurSel(count) fails and keeps the selection",
         [](FileList& l) { Add(l, {"a", "b"}); l.SetCurSel(1); return l.SetCurSel(2); },
         -1, {"a", "b"}, 1},
        {"SetCurSel(-1) fails and keeps the selection",
         [](FileList& l) { Add(l, {"a", "b"}); l.SetCurSel(0); return l.SetCurSel(-1); },
         -1, {"a", "b"}, 0},
        {"SetCurSel(0) on an empty list",
         [](FileList& l) { return l.SetCurSel(0); },
         -1, {}, -1},
        {"a commit into a filled list clears the selection",
         [](FileList& l) { Add(l, {"a", "b"}); l.SetCurSel(1); Add(l, {"c"}); return l.GetCount(); },
         3, {"a", "b", "c"}, -1},
        {"selection from the view",
         [](FileList& l) { Add(l, {"a", "b"}); l.GetCount(); l.SetCurSelFromView(1); return l.GetCurSel(); },
         1, {"a", "b"}, 1},
        {"selection from the view out of range clears it",
         [](FileList& l) { Add(l, {"a"}); l.SetCurSel(0); l.SetCurSelFromView(1); return l.GetCurSel(); },
         -1, {"a"}, -1},

        {"reset empties the list and the selection",
         [](FileList& l) { Add(l, {"a", "b"}); l.SetCurSel(1); l.ResetContent(); return l.GetCount(); },
         0, {}, -1},
        {"reset drops pending adds",
         [](FileList& l) { Add(l, {"a"}); l.GetCount(); Add(l, {"b"}); l.ResetContent(); return l.GetCount(); },
         0, {}, -1},

        {"insert at -1 appends even when it sorts first",
         [](FileList& l) { Add(l, {"b", "c"}); return l.InsertString(-1, CString("a")); },
         2, {"b", "c", "a"}, -1},
        {"insert shifts later entries",
         [](FileList& l) { Add(l, {"a", "c"}); return l.InsertString(1, CString("b")); },
         1, {"a", "b", "c"}, -1},
        {"insert at count",
         [](FileList& l) { Add(l, {"a"}); return l.InsertString(1, CString("0")); },
         1, {"a", "0"}, -1},
        {"insert beyond count",
         [](FileList& l) { Add(l, {"a"}); return l.InsertString(2, CString("b")); },
         -1, {"a"}, -1},
        {"insert at -2",
         [](FileList& l) { Add(l, {"a"}); return l.InsertString(-2, CString("b")); },
         -1, {"a"}, -1},
        {"insert leaves the selection index as it was",
         [](FileList& l) { Add(l, {"a", "b"}); l.SetCurSel(1); return l.InsertString(0, CString("z")); },
         0, {"z", "a", "b"}, 1},

        {"delete shifts later entries and the selection",
         [](FileList& l) { Add(l, {"a", "b", "c"}); l.SetCurSel(2); return l.DeleteString(0); },
         2, {"b", "c"}, 1},
        {"deleting the selected entry clears the selection",
         [](FileList& l) { Add(l, {"a", "b"}); l.SetCurSel(1); return l.DeleteString(1); },
         1, {"a"}, -1},
        {"deleting after the selection keeps it",
         [](FileList& l) { Add(l, {"a", "b"}); l.SetCurSel(0); return l.DeleteString(1); },
         1, {"a"}, 0},
        {"delete at count",
         [](FileList& l) { Add(l, {"a", "b"}); return l.DeleteString(2); },
         -1, {"a", "b"}, -1},
        {"delete at -1",
         [](FileList& l) { Add(l, {"a"}); return l.DeleteString(-1); },
         -1, {"a"}, -1},
        {"delete commits pending adds first",
         [](FileList& l) { Add(l, {"b", "a"}); return l.DeleteString(0); },
         1, {"b"}, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        FileList list;
        EXPECT_EQ(row.script(list), row.result);
        EXPECT_EQ(Entries(list), row.entries);
        EXPECT_EQ(list.GetCurSel(), row.selection);
    }
}

TEST(FileList, GetTextOutOfRangeIsEmpty)
{
    FileList list;
    Add(list, {"a"});
    EXPECT_TRUE(list.GetText(1).IsEmpty());
    EXPECT_TRUE(list.GetText(-1).IsEmpty());
}

TEST(FileList, SortedAddsAfterTimeOrderedAppendsMoveNoExistingEntry)
{
    std::vector<std::string> appended;
    for (int i = 0; i < 200; ++i)
        appended.push_back("f" + std::to_string((i * 7919) % 200));
    FileList list;
    for (const std::string& name : appended)
        list.InsertString(-1, CString(name.c_str()));
    // Case-equal to appended names, never byte-equal, so each can be told apart.
    const std::vector<std::string> added = {"F150", "a", "zz", "F7", "f7x"};
    for (const std::string& name : added)
        list.AddString(CString(name.c_str()));

    std::vector<std::string> entries = Entries(list);

    std::vector<std::string> rest;
    for (const std::string& entry : entries) {
        if (std::find(added.begin(), added.end(), entry) == added.end())
            rest.push_back(entry);
    }
    EXPECT_EQ(entries.size(), appended.size() + added.size());
    EXPECT_EQ(rest, appended);
}

std::vector<std::string> RandomNames(int count)
{
    // Few letters in both cases and two katakana whose trail bytes differ only
    // in case, so that many names compare equal and stability shows.
    const std::vector<std::string> parts = {"a", "A", "b", "B", "_", ".", "\x83\x41", "\x83\x61"};
    std::mt19937 random(932);
    std::uniform_int_distribution<size_t> part(0, parts.size() - 1);
    std::uniform_int_distribution<int> length(1, 4);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        std::string name;
        for (int n = length(random); n > 0; --n)
            name += parts[part(random)];
        names.push_back(name);
    }
    return names;
}

TEST(FileList, BatchOfAddsEqualsOneSortedInsertionPerAdd)
{
    const std::vector<std::string> names = RandomNames(20000);
    std::vector<CString> expected;
    for (const std::string& name : names) {
        CString text(name.c_str());
        auto at = std::upper_bound(expected.begin(), expected.end(), text,
                                   [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
        expected.insert(at, text);
    }
    std::vector<std::string> expectedBytes;
    for (const CString& text : expected)
        expectedBytes.push_back(text.Bytes());

    FileList batch;
    FileList oneByOne;
    // A first commit, so that the batch also merges into existing entries.
    batch.AddString(CString(names[0].c_str()));
    batch.GetCount();
    for (size_t i = 1; i < names.size(); ++i)
        batch.AddString(CString(names[i].c_str()));
    for (const std::string& name : names) {
        oneByOne.AddString(CString(name.c_str()));
        oneByOne.GetCount();
    }

    EXPECT_TRUE(Entries(batch) == expectedBytes);
    EXPECT_TRUE(Entries(oneByOne) == expectedBytes);
}

class RecordingObserver : public FileListObserver {
public:
    explicit RecordingObserver(const FileList& list) : m_list(list) {}

    // Each event with the count of committed entries at that moment, so that
    // a Begin seen after the change shows.
    std::vector<std::string> log;

    void BeginReset() override { Record("BeginReset"); }
    void EndReset() override { Record("EndReset"); }
    void BeginInsert(int index) override { Record("BeginInsert " + std::to_string(index)); }
    void EndInsert() override { Record("EndInsert"); }
    void BeginRemove(int index) override { Record("BeginRemove " + std::to_string(index)); }
    void EndRemove() override { Record("EndRemove"); }
    void SelectionChanged(int index) override { Record("SelectionChanged " + std::to_string(index)); }

private:
    void Record(const std::string& event)
    {
        log.push_back(event + " /" + std::to_string(m_list.CommittedEntries().size()));
    }

    const FileList& m_list;
};

TEST(FileList, TellsTheObserverAboutCommittedChangesOnly)
{
    FileList list;
    RecordingObserver observer(list);
    list.SetObserver(&observer);

    Add(list, {"b", "a"});
    EXPECT_TRUE(observer.log.empty());
    list.GetCount();
    list.GetCount();
    EXPECT_EQ(observer.log, (std::vector<std::string>{"BeginReset /0", "EndReset /2"}));

    observer.log.clear();
    list.SetCurSel(2);
    list.SetCurSelFromView(0);
    EXPECT_TRUE(observer.log.empty());
    list.AddString(CString("c"));
    list.SetCurSel(2);
    EXPECT_EQ(observer.log, (std::vector<std::string>{"BeginReset /2", "EndReset /3", "SelectionChanged 2 /3"}));

    observer.log.clear();
    list.InsertString(-1, CString("z"));
    list.InsertString(9, CString("z"));
    list.DeleteString(0);
    list.DeleteString(9);
    EXPECT_EQ(observer.log,
              (std::vector<std::string>{"BeginInsert 3 /3", "EndInsert /4", "BeginRemove 0 /4", "EndRemove /3"}));

    observer.log.clear();
    list.ResetContent();
    EXPECT_EQ(observer.log, (std::vector<std::string>{"BeginReset /3", "EndReset /0"}));
}

}  // namespace
