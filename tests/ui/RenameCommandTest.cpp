#include "CMainDialog.h"
#include "CWinApp.h"
#include "Cp932.h"
#include "ExtensionMode.h"
#include "Messages.h"
#include "RenameTestDirectory.h"
#include "UiTest.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using Files = std::map<std::string, std::string>;
using Names = std::vector<std::string>;

QString ToQ(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

void TabTo(CDialog& dlg, int id)
{
    for (int i = 0; i < 25 && FocusedControl(dlg) != id; ++i)
        PressKey(dlg, Qt::Key_Tab);
    ASSERT_EQ(FocusedControl(dlg), id) << "no tab stop reaches the control";
}

QListView* ListView(CMainDialog& dlg)
{
    return qobject_cast<QListView*>(ControlWidget(dlg, IDC_FILE_LIST));
}

void DoubleClickEntry(CMainDialog& dlg, int row)
{
    QListView* view = ListView(dlg);
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

Names Entries(CMainDialog& dlg)
{
    Names names;
    for (int i = 0; i < dlg.m_fileList.GetCount(); ++i) {
        CString text;
        dlg.m_fileList.GetText(i, text);
        names.push_back(Utf8(text));
    }
    return names;
}

// The list's selection, which the view must show as well.
int Selection(CMainDialog& dlg)
{
    const QModelIndexList rows = ListView(dlg)->selectionModel()->selectedRows();
    const int shown = rows.isEmpty() ? -1 : rows.first().row();
    const int selected = dlg.m_fileList.GetCurSel();
    EXPECT_EQ(shown, selected) << "the view shows another entry selected";
    return selected;
}

// Types the directory and lists it with button 1005, as a person does; the
// list then has the focus and entry 0 selected.
void ListDirectory(CMainDialog& dlg, const RenameTestDirectory& dir)
{
    TabTo(dlg, IDC_DIRECTORY);
    TypeText(dlg, ToQ(dir.Path()));
    TabTo(dlg, IDC_ADD_ALL_FILES);
    PressKey(dlg, Qt::Key_Space);
    ASSERT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
}

void SelectByKeys(CMainDialog& dlg, int downs)
{
    for (int i = 0; i < downs; ++i)
        PressKey(dlg, Qt::Key_Down);
}

// A confirmation that did not close the dialog fails the test instead of
// leaving it waiting for a person.
void ConfirmAndExpectClosed(const ModalRun& run)
{
    PressKey(WindowOf(run), Qt::Key_Return);
    if (!run.window->isVisible())
        return;
    ADD_FAILURE() << "the rename dialog stayed open";
    PressKey(WindowOf(run), Qt::Key_Escape);
}

// The rename dialog the command opens is its local: the script finds its
// controls through the modal run's window.
void ExpectRename(const std::string& typed)
{
    modal_seam::Expect([typed](const ModalRun& run) {
        TypeText(WindowOf(run), ToQ(typed));
        ConfirmAndExpectClosed(run);
    });
}

void ExpectCancelledRename(std::string* oldNameShown = nullptr)
{
    modal_seam::Expect([oldNameShown](const ModalRun& run) {
        if (oldNameShown)
            *oldNameShown = Shown(FindChildByControlId(run, IDC_OLD_NAME));
        PressKey(WindowOf(run), Qt::Key_Escape);
    });
}

int RenameDialogRuns()
{
    int count = 0;
    for (const ModalRun& run : modal_seam::Log()) {
        if (run.kind == ModalKind::Dialog && run.templateId == IDD_RENAME_DIALOG)
            ++count;
    }
    return count;
}

class RenameCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        ReleaseShift();
        modal_seam::ClearLog();
    }

    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = nullptr;
        ReleaseShift();
        EXPECT_EQ(modal_seam::UnscriptedRuns(), 0);
        EXPECT_EQ(modal_seam::PendingScripts(), 0);
    }

    // The main window runs as the program runs it, with body acting inside.
    void RunMain(CMainDialog& dlg, const std::function<void()>& body)
    {
        AfxGetApp()->m_pMainWnd = &dlg;
        RunDialog(dlg, body);
        AfxGetApp()->m_pMainWnd = nullptr;
    }

    void WriteFiles(const RenameTestDirectory& dir, const Names& names)
    {
        for (const std::string& name : names)
            dir.Write(name, "content of " + name);
    }
};

TEST_F(RenameCommandTest, TheRenamedEntryStaysInPlaceAndTheNextOneIsSelected)
{
    struct Row {
        const char* label;
        Names files;
        int downs;
        std::string typed;
        Names entries;
        int selected;
        Files onDisk;
    };
    const Row rows[] = {
        {"middle entry, not sorted again",
         {"a.txt", "b.txt", "c.txt"},
         1,
         "zzz",
         {"a.txt", "zzz.txt", "c.txt"},
         2,
         {{"a.txt", "content of a.txt"}, {"zzz.txt", "content of b.txt"}, {"c.txt", "content of c.txt"}}},
        {"last entry: the first is selected",
         {"a.txt", "b.txt", "c.txt"},
         2,
         "0first",
         {"a.txt", "b.txt", "0first.txt"},
         0,
         {{"a.txt", "content of a.txt"}, {"b.txt", "content of b.txt"}, {"0first.txt", "content of c.txt"}}},
        {"the only entry: selected again", {"only.txt"}, 0, Utf8(u8"ひとつ"), {Utf8(u8"ひとつ.txt")}, 0,
         {{Utf8(u8"ひとつ.txt"), "content of only.txt"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        RenameTestDirectory dir;
        WriteFiles(dir, row.files);
        CMainDialog dlg;
        RunMain(dlg, [&] {
            ListDirectory(dlg, dir);
            SelectByKeys(dlg, row.downs);
            ExpectRename(row.typed);
            PressKey(dlg, Qt::Key_Return);
            EXPECT_EQ(Entries(dlg), row.entries);
            EXPECT_EQ(Selection(dlg), row.selected);
            EXPECT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
        });
        EXPECT_EQ(dir.Snapshot(), row.onDisk);
    }
}

TEST_F(RenameCommandTest, ButtonEnterAndDoubleClickRenameTheSelectedEntry)
{
    struct Row {
        const char* label;
        void (*start)(CMainDialog& dlg);
    };
    const Row rows[] = {
        {"button 1006 clicked",
         [](CMainDialog& dlg) {
             SelectByKeys(dlg, 1);
             Click(ControlWidget(dlg, IDC_RENAME));
         }},
        {"Enter in the list",
         [](CMainDialog& dlg) {
             SelectByKeys(dlg, 1);
             PressKey(dlg, Qt::Key_Return);
         }},
        {"double click on the entry", [](CMainDialog& dlg) { DoubleClickEntry(dlg, 1); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        modal_seam::ClearLog();
        RenameTestDirectory dir;
        WriteFiles(dir, {"a.txt", "b.txt", "c.txt"});
        CMainDialog dlg;
        std::string oldNameShown;
        RunMain(dlg, [&] {
            ListDirectory(dlg, dir);
            modal_seam::Expect([&](const ModalRun& run) {
                oldNameShown = Shown(FindChildByControlId(run, IDC_OLD_NAME));
                TypeText(WindowOf(run), QStringLiteral("x"));
                ConfirmAndExpectClosed(run);
            });
            row.start(dlg);
            EXPECT_EQ(Entries(dlg), (Names{"a.txt", "x.txt", "c.txt"}));
            EXPECT_EQ(Selection(dlg), 2);
        });
        EXPECT_EQ(oldNameShown, "b.txt");
        EXPECT_EQ(RenameDialogRuns(), 1);
        EXPECT_EQ(dir.Snapshot(),
                  (Files{{"a.txt", "content of a.txt"}, {"x.txt", "content of b.txt"}, {"c.txt", "content of c.txt"}}));
    }
}

// The list's focus handler selects entry 0 whenever the focus comes back to
// the list, also as the main window takes its focus back after the dialog.
TEST_F(RenameCommandTest, ACancelledRenameChangesNothingButTheFocusRuleMay)
{
    struct Row {
        const char* label;
        void (*start)(CMainDialog& dlg);
        int selected;
    };
    const Row rows[] = {
        {"Enter in the list: entry 0",
         [](CMainDialog& dlg) {
             SelectByKeys(dlg, 2);
             PressKey(dlg, Qt::Key_Return);
         },
         0},
        {"double click: entry 0", [](CMainDialog& dlg) { DoubleClickEntry(dlg, 2); }, 0},
        {"Space on button 1006: as it was",
         [](CMainDialog& dlg) {
             SelectByKeys(dlg, 2);
             TabTo(dlg, IDC_RENAME);
             PressKey(dlg, Qt::Key_Space);
         },
         2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        RenameTestDirectory dir;
        WriteFiles(dir, {"a.txt", "b.txt", "c.txt"});
        const Files before = dir.Snapshot();
        CMainDialog dlg;
        std::string oldNameShown;
        RunMain(dlg, [&] {
            ListDirectory(dlg, dir);
            ExpectCancelledRename(&oldNameShown);
            row.start(dlg);
            EXPECT_EQ(Entries(dlg), (Names{"a.txt", "b.txt", "c.txt"}));
            EXPECT_EQ(Selection(dlg), row.selected);
        });
        EXPECT_EQ(oldNameShown, "c.txt");
        EXPECT_EQ(dir.Snapshot(), before);
    }
}

TEST_F(RenameCommandTest, NumberingFromTheTopWithEnterGivesListOrder)
{
    RenameTestDirectory dir;
    WriteFiles(dir, {"b.jpg", "a.jpg", "c.jpg"});
    CMainDialog dlg;
    RunMain(dlg, [&] {
        Click(ControlWidget(dlg, IDC_AUTO_NUMBER));
        ListDirectory(dlg, dir);
        for (int i = 0; i < 3; ++i) {
            ExpectRename(Utf8(u8"写真"));
            PressKey(dlg, Qt::Key_Return);
        }
        EXPECT_EQ(Entries(dlg), (Names{Utf8(u8"01 写真.jpg"), Utf8(u8"02 写真.jpg"), Utf8(u8"03 写真.jpg")}));
        EXPECT_EQ(Selection(dlg), 0);
    });
    EXPECT_EQ(RenameDialogRuns(), 3);
    EXPECT_EQ(dir.Snapshot(), (Files{{Utf8(u8"01 写真.jpg"), "content of a.jpg"},
                                     {Utf8(u8"02 写真.jpg"), "content of b.jpg"},
                                     {Utf8(u8"03 写真.jpg"), "content of c.jpg"}}));
}

TEST_F(RenameCommandTest, TheDialogStartsFromTheMainWindowsControlsAsTheyAreNow)
{
    RenameTestDirectory dir;
    WriteFiles(dir, {"a.txt", "b.txt"});
    CMainDialog dlg;
    struct Seen {
        bool unify = false, keep = false, none = false, numbering = false, extensionEnabled = false;
        std::string extension, oldName, typed, newName;
    } seen;
    RunMain(dlg, [&] {
        ListDirectory(dlg, dir);
        // None of these is read by an exchange before the command.
        Click(ControlWidget(dlg, IDC_EXT_UNIFY));
        Click(ControlWidget(dlg, IDC_EXTENSION));
        TypeText(dlg, QStringLiteral("htm"));
        Click(ControlWidget(dlg, IDC_AUTO_NUMBER));
        TabTo(dlg, IDC_FILE_LIST);
        SelectByKeys(dlg, 1);
        modal_seam::Expect([&](const ModalRun& run) {
            seen.unify = IsChecked(FindChildByControlId(run, IDC_EXT_UNIFY));
            seen.keep = IsChecked(FindChildByControlId(run, IDC_EXT_KEEP));
            seen.none = IsChecked(FindChildByControlId(run, IDC_EXT_NONE));
            seen.numbering = IsChecked(FindChildByControlId(run, IDC_AUTO_NUMBER));
            seen.extensionEnabled = FindChildByControlId(run, IDC_EXTENSION)->isEnabled();
            seen.extension = Shown(FindChildByControlId(run, IDC_EXTENSION));
            seen.oldName = Shown(FindChildByControlId(run, IDC_OLD_NAME));
            seen.typed = Shown(FindChildByControlId(run, IDC_INPUT_NAME));
            seen.newName = Shown(FindChildByControlId(run, IDC_NEW_NAME));
            PressKey(WindowOf(run), Qt::Key_Escape);
        });
        PressKey(dlg, Qt::Key_Return);
    });
    EXPECT_TRUE(seen.unify);
    EXPECT_FALSE(seen.keep);
    EXPECT_FALSE(seen.none);
    EXPECT_TRUE(seen.numbering);
    EXPECT_TRUE(seen.extensionEnabled);
    EXPECT_EQ(seen.extension, "htm");
    EXPECT_EQ(seen.oldName, "b.txt");
    EXPECT_EQ(seen.typed, "");
    EXPECT_EQ(seen.newName, "02 .htm");
    EXPECT_EQ(Utf8(dlg.m_extension), "htm");
    EXPECT_EQ(dlg.m_autoNumber, TRUE);
}

TEST_F(RenameCommandTest, SettingsChangedInTheDialogAreNotCarriedBack)
{
    RenameTestDirectory dir;
    WriteFiles(dir, {"a.txt", "b.txt"});
    CMainDialog dlg;
    bool nextOpensKeep = false, nextOpensNumbered = true, nextExtensionEnabled = true;
    std::string nextExtension = "<not opened>";
    RunMain(dlg, [&] {
        ListDirectory(dlg, dir);
        modal_seam::Expect([](const ModalRun& run) {
            Click(FindChildByControlId(run, IDC_EXT_UNIFY));
            Click(FindChildByControlId(run, IDC_EXTENSION));
            TypeText(WindowOf(run), QStringLiteral("doc"));
            Click(FindChildByControlId(run, IDC_AUTO_NUMBER));
            Click(FindChildByControlId(run, IDC_INPUT_NAME));
            TypeText(WindowOf(run), QStringLiteral("new"));
            ConfirmAndExpectClosed(run);
        });
        PressKey(dlg, Qt::Key_Return);

        EXPECT_EQ(dlg.m_extMode, EXT_KEEP);
        EXPECT_EQ(Utf8(dlg.m_extension), "");
        EXPECT_EQ(dlg.m_autoNumber, FALSE);
        EXPECT_TRUE(IsChecked(ControlWidget(dlg, IDC_EXT_KEEP)));
        EXPECT_FALSE(IsChecked(ControlWidget(dlg, IDC_EXT_UNIFY)));
        EXPECT_FALSE(IsChecked(ControlWidget(dlg, IDC_EXT_NONE)));
        EXPECT_FALSE(ControlWidget(dlg, IDC_EXTENSION)->isEnabled());
        EXPECT_EQ(Shown(ControlWidget(dlg, IDC_EXTENSION)), "");
        EXPECT_FALSE(IsChecked(ControlWidget(dlg, IDC_AUTO_NUMBER)));

        modal_seam::Expect([&](const ModalRun& run) {
            nextOpensKeep = IsChecked(FindChildByControlId(run, IDC_EXT_KEEP));
            nextOpensNumbered = IsChecked(FindChildByControlId(run, IDC_AUTO_NUMBER));
            nextExtensionEnabled = FindChildByControlId(run, IDC_EXTENSION)->isEnabled();
            nextExtension = Shown(FindChildByControlId(run, IDC_EXTENSION));
            PressKey(WindowOf(run), Qt::Key_Escape);
        });
        PressKey(dlg, Qt::Key_Return);
    });
    EXPECT_TRUE(nextOpensKeep);
    EXPECT_FALSE(nextOpensNumbered);
    EXPECT_FALSE(nextExtensionEnabled);
    EXPECT_EQ(nextExtension, "");
    EXPECT_EQ(dir.Snapshot(), (Files{{"01 new.doc", "content of a.txt"}, {"b.txt", "content of b.txt"}}));
}

TEST_F(RenameCommandTest, TheMoveIsTriedInTheDirectoryTheFieldShowsNow)
{
    RenameTestDirectory dir;
    WriteFiles(dir, {"a.txt", "b.txt"});
    const Files before = dir.Snapshot();
    CMainDialog dlg;
    SeenMessage seen;
    RunMain(dlg, [&] {
        ListDirectory(dlg, dir);
        Click(ControlWidget(dlg, IDC_DIRECTORY));
        PressKey(dlg, Qt::Key_End);
        TypeText(dlg, QStringLiteral("/elsewhere"));
        modal_seam::Expect([&](const ModalRun& run) {
            TypeText(WindowOf(run), QStringLiteral("x"));
            ExpectMessageBox(seen);
            PressKey(WindowOf(run), Qt::Key_Return);
            PressKey(WindowOf(run), Qt::Key_Escape);
        });
        PressKey(dlg, Qt::Key_Return);  // in the directory field: the default button
        EXPECT_EQ(Entries(dlg), (Names{"a.txt", "b.txt"}));
        EXPECT_EQ(Selection(dlg), 0);
    });
    EXPECT_TRUE(seen.seen);
    EXPECT_EQ(Utf8(seen.text), Utf8(kMsgCannotRename));
    EXPECT_NE(seen.owner, nullptr);
    EXPECT_NE(seen.owner, &dlg) << "the rename dialog owns its message";
    EXPECT_EQ(Utf8(dlg.m_directory), dir.Path() + "/elsewhere");
    EXPECT_EQ(dir.Snapshot(), before);
}

TEST_F(RenameCommandTest, WithoutASelectionOnlyTheMessageShows)
{
    struct Row {
        const char* label;
        void (*start)(CMainDialog& dlg);
    };
    const Row rows[] = {
        {"Space on button 1006",
         [](CMainDialog& dlg) {
             TabTo(dlg, IDC_RENAME);
             PressKey(dlg, Qt::Key_Space);
         }},
        {"double click in the empty list", [](CMainDialog& dlg) {
             QListView* view = ListView(dlg);
             QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->viewport()->rect().center());
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        modal_seam::ClearLog();
        CMainDialog dlg;
        SeenMessage seen;
        RunMain(dlg, [&] {
            ExpectMessageBox(seen);
            row.start(dlg);
        });
        EXPECT_TRUE(seen.seen);
        EXPECT_EQ(Utf8(seen.text), Utf8(kMsgSelectFile));
        EXPECT_EQ(Utf8(seen.caption), "sorabun");
        EXPECT_EQ(seen.owner, &dlg);
        EXPECT_EQ(RenameDialogRuns(), 0);
    }
}

// Shift counts when it is down as the dialog opens, not when it was pressed
// for a capital letter in the rename before.
TEST_F(RenameCommandTest, ShiftFillsTheTypedNameOnlyWhileHeldAtOpening)
{
    RenameTestDirectory dir;
    WriteFiles(dir, {"a.txt", "b.txt", "c.txt"});
    CMainDialog dlg;
    std::string typedAfterCapital = "<not opened>", typedWithShift = "<not opened>";
    std::string newNameWithShift;
    RunMain(dlg, [&] {
        ListDirectory(dlg, dir);
        modal_seam::Expect([](const ModalRun& run) {
            HoldShift(WindowOf(run));
            TypeShiftedText(WindowOf(run), QStringLiteral("M"));
            ReleaseShift(WindowOf(run));
            TypeText(WindowOf(run), QStringLiteral("emo"));
            ConfirmAndExpectClosed(run);
        });
        PressKey(dlg, Qt::Key_Return);

        modal_seam::Expect([&](const ModalRun& run) {
            typedAfterCapital = Shown(FindChildByControlId(run, IDC_INPUT_NAME));
            PressKey(WindowOf(run), Qt::Key_Escape);
        });
        PressKey(dlg, Qt::Key_Return);

        // Cancelled from the list: entry 0, now Memo.txt, is selected.
        modal_seam::Expect([&](const ModalRun& run) {
            typedWithShift = Shown(FindChildByControlId(run, IDC_INPUT_NAME));
            newNameWithShift = Shown(FindChildByControlId(run, IDC_NEW_NAME));
            PressKey(WindowOf(run), Qt::Key_Escape);
        });
        HoldShift(WindowOf(dlg));
        PressShiftedKey(WindowOf(dlg), Qt::Key_Return);
        ReleaseShift(WindowOf(dlg));
    });
    EXPECT_EQ(typedAfterCapital, "");
    EXPECT_EQ(typedWithShift, "Memo.txt");
    EXPECT_EQ(newNameWithShift, "Memo.txt.txt");
    EXPECT_EQ(dir.Snapshot(), (Files{{"Memo.txt", "content of a.txt"},
                                     {"b.txt", "content of b.txt"},
                                     {"c.txt", "content of c.txt"}}));
}

}  // namespace
