// The gathering commands on the real main window: TimeSort (1025), the file
// picker (1015 and menu 32772) and the folder browser (1019), with the file
// dialogs scripted through the seam.

#include "MainDialogFixture.h"

#include "Messages.h"
#include "QtText.h"
#include "resource.h"

#include <QAction>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string Cp932(const char8_t* utf8)
{
    return CString(utf8).Bytes();
}

// What a scripted file dialog saw when it opened.
struct SeenPicker {
    ModalKind kind = ModalKind::Dialog;
    CString caption;
    CString initialPath;
    CWnd* owner = nullptr;
    bool seen = false;
};

// The person picks paths (native) and confirms with Enter, or cancels with Escape.
void ExpectPick(std::vector<std::string> paths, Qt::Key key = Qt::Key_Return, SeenPicker* seen = nullptr)
{
    modal_seam::Expect([paths, key, seen](const ModalRun& run) {
        if (seen)
            *seen = {run.kind, run.caption, run.initialPath, run.owner, true};
        ASSERT_NE(run.pick, nullptr) << "not a file dialog";
        run.pick->paths = paths;
        PressKey(WindowOf(run), key);
    });
}

void ExpectCancel(SeenPicker* seen = nullptr)
{
    ExpectPick({}, Qt::Key_Escape, seen);
}

class GatherTest : public MainDialogTest {
protected:
    // Lists a folder of the test directory through button 1005.
    void List(const std::string& folder)
    {
        ReplaceText(IDC_DIRECTORY, Q(Path(folder)));
        Click(IDC_ADD_ALL_FILES);
    }

    // Sets the last-write time of an entry of the test directory, in nanoseconds.
    void SetTime(const std::string& name, std::uint64_t nanoseconds) const
    {
        const timespec stamp{static_cast<time_t>(nanoseconds / 1'000'000'000),
                             static_cast<long>(nanoseconds % 1'000'000'000)};
        const timespec stamps[2] = {stamp, stamp};
        ASSERT_EQ(utimensat(AT_FDCWD, Path(name).c_str(), stamps, 0), 0) << name;
    }

    std::string FieldText() { return FromQString(TextOf(IDC_DIRECTORY)).Bytes(); }
};

// Seconds as nanoseconds.
constexpr std::uint64_t S(std::uint64_t seconds)
{
    return seconds * 1'000'000'000;
}

struct SortRow {
    const char* label;
    std::vector<std::pair<std::string, std::uint64_t>> files;  // name (UTF-8) and time; a name ending in "/" is a folder
    std::vector<std::string> removed;                           // after listing, before the sort
    int sorts;
    std::vector<std::string> expected;                          // CP932
};

TEST_F(GatherTest, TimeSortOrdersOldestFirstAndDropsWhatIsGone)
{
    const std::uint64_t halves = std::uint64_t{0x16} << 32;
    const SortRow rows[] = {
        {"distinct times", {{"a.txt", S(30)}, {"b.txt", S(10)}, {"c.txt", S(20)}}, {}, 1,
         {"b.txt", "c.txt", "a.txt"}},
        {"nanoseconds count", {{"a", S(5) + 2}, {"b", S(5) + 1}}, {}, 1, {"b", "a"}},
        {"equal times keep the list's order", {{"b", S(7)}, {"a", S(7)}, {"c", S(1)}}, {}, 1, {"c", "a", "b"}},
        {"a second sort changes nothing", {{"b", S(7)}, {"a", S(7)}, {"d", S(9)}, {"c", S(1)}}, {}, 2,
         {"c", "a", "b", "d"}},
        {"low halves 0x7FFFFFFF and 0x80000000",
         {{"a", halves | 0x80000000u}, {"b", halves | 0x7FFFFFFFu}}, {}, 1, {"b", "a"}},
        {"a deleted file drops out", {{"a", S(1)}, {"b", S(2)}, {"c", S(3)}}, {"b"}, 1, {"a", "c"}},
        {"a folder by its own time", {{"a", S(2)}, {".sub/", S(1)}}, {}, 1, {".sub", "a"}},
        {"Japanese names", {{"写真2.jpg", S(1)}, {"写真1.jpg", S(2)}}, {}, 1,
         {Cp932(u8"写真2.jpg"), Cp932(u8"写真1.jpg")}},
        {"a file named *.* is looked up by its name", {{"*.*", S(2)}, {"a", S(1)}}, {}, 1, {"a", "*.*"}},
        {"a name without a CP932 form addresses no file", {{"café", S(1)}, {"a", S(2)}}, {}, 1, {"a"}},
        {"nothing left", {{"a", S(1)}}, {"a"}, 1, {}},
        {"an empty list", {}, {}, 1, {}},
    };
    Run([&] {
        int folder = 0;
        for (const SortRow& row : rows) {
            SCOPED_TRACE(row.label);
            const std::string dir = "sort" + std::to_string(folder++);
            MakeDirectory(dir);
            for (const auto& [name, time] : row.files) {
                if (name.ends_with('/'))
                    MakeDirectory(dir + "/" + name);
                else
                    MakeFile(dir + "/" + name);
            }
            for (const auto& [name, time] : row.files)
                SetTime(dir + "/" + name, time);
            List(dir);
            for (const std::string& name : row.removed)
                std::filesystem::remove(Path(dir + "/" + name));
            const size_t runs = modal_seam::Log().size();
            for (int i = 0; i < row.sorts; ++i)
                Click(IDC_TIME_SORT);
            EXPECT_EQ(Entries(), row.expected);
            EXPECT_EQ(dlg.m_fileList.GetCurSel(), -1);
            EXPECT_EQ(ViewSelection(), -1);
            EXPECT_EQ(modal_seam::Log().size(), runs) << "no message";
        }
    });
}

// TimeSort reads no control: the entries are looked up in the directory last
// taken from the field, and the field keeps what was typed since.
TEST_F(GatherTest, TimeSortUsesTheDirectoryAsLastExchanged)
{
    MakeDirectory("listed");
    MakeDirectory("typed");
    MakeFile("listed/a");
    MakeFile("listed/b");
    MakeFile("typed/a");
    SetTime("listed/a", S(2));
    SetTime("listed/b", S(1));
    SetTime("typed/a", S(1));
    Run([&] {
        List("listed");
        ReplaceText(IDC_DIRECTORY, Q(Path("typed")));
        Click(IDC_TIME_SORT);
        EXPECT_EQ(Entries(), (std::vector<std::string>{"b", "a"}));
        EXPECT_EQ(FieldText(), Path("typed"));
        EXPECT_EQ(dlg.m_directory.Bytes(), Path("listed"));
    });
}

// Cancelling from the menu while the list had the focus: nothing changes and
// the focus comes back to the list, whose handler selects entry 0. The dialog
// opens in the directory member, not in the text typed since.
TEST_F(GatherTest, PickerCancelChangesNothing)
{
    MakeDirectory("d");
    MakeFile("d/a");
    MakeFile("d/b");
    Run([&] {
        List("d");
        PressKey(dlg, Qt::Key_Down);
        ASSERT_EQ(dlg.m_fileList.GetCurSel(), 1);
        SeenPicker seen;
        ExpectCancel(&seen);
        QAction* action = MenuAction(ID_FILE_SELECT_ADD);
        ASSERT_NE(action, nullptr);
        action->trigger();
        ASSERT_TRUE(seen.seen);
        EXPECT_EQ(seen.kind, ModalKind::FileOpen);
        EXPECT_EQ(seen.caption.Bytes(), Cp932(u8"ファイルを選択"));
        EXPECT_EQ(seen.initialPath.Bytes(), Path("d"));
        EXPECT_EQ(seen.owner, &dlg);
        EXPECT_EQ(Entries(), (std::vector<std::string>{"a", "b"}));
        EXPECT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
        EXPECT_EQ(dlg.m_fileList.GetCurSel(), 0);

        ReplaceText(IDC_DIRECTORY, QStringLiteral("typed but not read"));
        ExpectCancel(&seen);
        Click(IDC_SELECT_FILES);
        EXPECT_EQ(seen.initialPath.Bytes(), Path("d"));
        EXPECT_EQ(FieldText(), "typed but not read");
        EXPECT_EQ(dlg.m_directory.Bytes(), Path("d"));
        EXPECT_EQ(Entries(), (std::vector<std::string>{"a", "b"}));
        EXPECT_EQ(NestedRuns(), 2) << "no message";
    });
}

TEST_F(GatherTest, PickerOpensAtTheRootWhenNoDirectoryIsHeld)
{
    Run([&] {
        ReplaceText(IDC_DIRECTORY, Q(m_dir));
        SeenPicker seen;
        ExpectCancel(&seen);
        Click(IDC_SELECT_FILES);
        EXPECT_EQ(seen.initialPath.Bytes(), "\\");
    });
}

struct PickRow {
    const char* label;
    const char* listed;  // a folder listed first through the scan; nullptr: an empty start
    const char* typed;   // a folder typed into the field afterwards, not read; nullptr: none
    std::vector<std::vector<std::string>> picks;  // native paths, one choice each
    std::vector<std::string> entries;
    std::string directory;
};

// Each row starts from an empty list and field, lists its folder if it has
// one, types another if it has one, then makes its choices. The directory is
// compared with the field as it reads when the dialog has closed.
TEST_F(GatherTest, PickedFilesMergeByDirectoryAndExactName)
{
    MakeDirectory("d");
    MakeDirectory("bak");
    MakeDirectory("e");
    MakeFile("d/a");
    MakeFile("d/b");
    MakeFile("bak/a.txt.bak");
    const std::string d = Path("d");
    const std::string e = Path("e");
    const PickRow rows[] = {
        {"same directory keeps the list, adds only new names", "d", nullptr, {{d + "/b", d + "/c"}},
         {"a", "b", "c"}, d},
        {"one file in the same directory", "d", nullptr, {{d + "/c"}}, {"a", "b", "c"}, d},
        {"another directory empties the list", "d", nullptr, {{e + "/x", e + "/y"}}, {"x", "y"}, e},
        {"a trailing separator makes another text", "d/", nullptr, {{d + "/x"}}, {"x"}, d},
        {"a.txt is added when a.txt.bak is listed", "bak", nullptr, {{Path("bak/a.txt")}}, {"a.txt", "a.txt.bak"},
         Path("bak")},
        {"A.TXT is added when a.txt is listed", nullptr, nullptr, {{e + "/a.txt"}, {e + "/A.TXT", e + "/a.txt"}},
         {"a.txt", "A.TXT"}, e},
        {"the order within one choice does not matter", nullptr, nullptr, {{e + "/a.txt.bak", e + "/a.txt"}},
         {"a.txt", "a.txt.bak"}, e},
        {"one file in the root, then several there, keeps the list", nullptr, nullptr, {{"/x"}, {"/y", "/z"}},
         {"x", "y", "z"}, "/"},
        {"a name holding ソ and 表 is kept whole", nullptr, nullptr, {{e + "/ソ表.txt"}}, {Cp932(u8"ソ表.txt")}, e},
        {"a folder named ソ is the directory", nullptr, nullptr, {{"/tmp/ソ/a"}}, {"a"}, Cp932(u8"/tmp/ソ")},
        {"a name without a CP932 form holds the marker", nullptr, nullptr, {{e + "/café"}}, {"caf\xFF"}, e},
        {"several: the unread field, not the member, is compared", "d", "e", {{e + "/x", e + "/y"}},
         {"a", "b", "x", "y"}, e},
        {"one: the unread field, not the member, is compared", "d", "e", {{e + "/x"}}, {"a", "b", "x"}, e},
        {"one: the member's folder is not the unread field's", "d", "e", {{d + "/x"}}, {"x"}, d},
    };
    Run([&] {
        for (const PickRow& row : rows) {
            SCOPED_TRACE(row.label);
            Click(IDC_CLEAR_LIST);
            ReplaceText(IDC_DIRECTORY, QString());
            if (row.listed)
                List(row.listed);
            if (row.typed)
                ReplaceText(IDC_DIRECTORY, Q(Path(row.typed)));
            for (const std::vector<std::string>& pick : row.picks) {
                ExpectPick(pick);
                Click(IDC_SELECT_FILES);
            }
            EXPECT_EQ(Entries(), row.entries);
            EXPECT_EQ(dlg.m_directory.Bytes(), row.directory);
            EXPECT_EQ(FieldText(), row.directory);
        }
    });
}

// A choice whose result would not fit the 2048 bytes: the message, then the
// dialog again with the same request; the list is untouched until a choice fits.
TEST_F(GatherTest, TooManyFilesShowsTheMessageAndTheDialogAgain)
{
    MakeDirectory("d");
    MakeFile("d/a");
    std::vector<std::string> many;
    for (int i = 0; i < 300; ++i)
        many.push_back(Path("e/picked-file-" + std::to_string(1000 + i)));
    Run([&] {
        List("d");
        SeenPicker first;
        SeenPicker second;
        SeenMessage message;
        ExpectPick(many, Qt::Key_Return, &first);
        ExpectMessageBox(message);
        ExpectPick({Path("d/b")}, Qt::Key_Return, &second);
        Click(IDC_SELECT_FILES);
        ASSERT_TRUE(message.seen);
        EXPECT_EQ(message.text.Bytes(), CString(kMsgTooManyFiles).Bytes());
        EXPECT_EQ(message.owner, &dlg);
        ASSERT_TRUE(second.seen);
        EXPECT_EQ(second.initialPath.Bytes(), first.initialPath.Bytes());
        EXPECT_EQ(second.caption.Bytes(), first.caption.Bytes());
        EXPECT_EQ(Entries(), (std::vector<std::string>{"a", "b"}));
        EXPECT_EQ(NestedRuns(), 3);
    });
}

// The text handed over for preselection is the field's, read just now and
// not cleaned up; cancelling leaves everything as it was.
TEST_F(GatherTest, BrowserPreselectsTheFieldTextAndCancelChangesNothing)
{
    MakeDirectory("d");
    MakeFile("d/a");
    struct Row {
        const char* label;
        QString typed;
        std::string preselected;
    };
    const Row rows[] = {
        {"an empty field", QString(), "\\"},
        {"quotes kept", Q("\"" + Path("d") + "\""), "\"" + Path("d") + "\""},
        {"a relative text", QStringLiteral("d"), "d"},
        {"a missing folder", Q(Path("missing")), Path("missing")},
        {"Japanese", QStringLiteral("写真"), Cp932(u8"写真")},
    };
    Run([&] {
        List("d");
        for (const Row& row : rows) {
            SCOPED_TRACE(row.label);
            ReplaceText(IDC_DIRECTORY, row.typed);
            SeenPicker seen;
            ExpectCancel(&seen);
            Click(IDC_BROWSE);
            ASSERT_TRUE(seen.seen);
            EXPECT_EQ(seen.kind, ModalKind::FolderBrowser);
            EXPECT_EQ(seen.caption.Bytes(), Cp932(u8"フォルダを選択してください"));
            EXPECT_EQ(seen.owner, &dlg);
            EXPECT_EQ(seen.initialPath.Bytes(), row.preselected);
            EXPECT_EQ(FieldText(), FromQString(row.typed).Bytes());
            EXPECT_EQ(Entries(), (std::vector<std::string>{"a"}));
        }
        EXPECT_EQ(NestedRuns(), 5) << "no message";
    });
}

TEST_F(GatherTest, ChosenFolderIsListedWithTheFocusOnTheList)
{
    MakeDirectory("d");
    MakeDirectory("写真");
    MakeFile("d/a");
    MakeFile("写真/b.jpg");
    MakeFile("写真/a.jpg");
    Run([&] {
        List("d");
        ReplaceText(IDC_DIRECTORY, Q(Path("d")));
        ExpectPick({Path("写真")});
        Click(IDC_BROWSE);
        EXPECT_EQ(FieldText(), Cp932(reinterpret_cast<const char8_t*>(Path("写真").c_str())));
        EXPECT_EQ(dlg.m_directory.Bytes(), FieldText());
        EXPECT_EQ(Entries(), (std::vector<std::string>{"a.jpg", "b.jpg"}));
        EXPECT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
        EXPECT_EQ(dlg.m_fileList.GetCurSel(), 0);

        // The folder the field shows, chosen again, is listed again from scratch.
        MakeFile("写真/c.jpg");
        ExpectPick({Path("写真")});
        Click(IDC_BROWSE);
        EXPECT_EQ(Entries(), (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg"}));
    });
}

// The scan's own message, with the field already showing the chosen path.
TEST_F(GatherTest, ChosenFolderThatCannotBeListedIsReportedByTheScan)
{
    MakeDirectory("d");
    MakeFile("d/a");
    Run([&] {
        List("d");
        SeenMessage message;
        ExpectPick({Path("gone")});
        ExpectMessageBox(message);
        Click(IDC_BROWSE);
        ASSERT_TRUE(message.seen);
        EXPECT_EQ(message.text.Bytes(), CString(kMsgDirectoryNotFound).Bytes());
        EXPECT_EQ(FieldText(), Path("gone"));
        EXPECT_EQ(Entries(), (std::vector<std::string>{"a"}));
    });
}

}  // namespace
