// The list's focus rule: entry 0 is selected whenever the focus comes to the
// list from elsewhere (Tab, a click, the end of a message box or dialog), and
// never when it was there already.

#include "MainDialogFixture.h"

#include "DialogWindow.h"
#include "Messages.h"
#include "resource.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QListView>
#include <QTest>

namespace {

class MainDialogFocusTest : public MainDialogTest {
protected:
    void SetUp() override
    {
        MainDialogTest::SetUp();
        MakeDirectory("files");
        for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"})
            MakeFile(std::string("files/") + name);
    }

    // Lists "files" through button 1005; the list then has the focus.
    void ListFiles()
    {
        ReplaceText(IDC_DIRECTORY, Q(Path("files")));
        Click(IDC_ADD_ALL_FILES);
        ASSERT_EQ(dlg.m_fileList.GetCount(), 4);
        ASSERT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
    }

    // With the focus in the list, moves the selection to entry 2 by keys.
    void SelectEntryTwo()
    {
        ASSERT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
        PressKey(dlg, Qt::Key_Home);
        PressKey(dlg, Qt::Key_Down);
        PressKey(dlg, Qt::Key_Down);
        ASSERT_EQ(dlg.m_fileList.GetCurSel(), 2);
    }

    // What the window system does some time after a nested window closed:
    // activates the window again and gives its focus widget a FocusIn.
    void LateReactivation()
    {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(dlg.Widget(), &activate);
        QFocusEvent focusIn(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(Control(IDC_FILE_LIST), &focusIn);
        QApplication::processEvents();
    }
};

TEST_F(MainDialogFocusTest, TabbingIntoTheListSelectsEntryZero)
{
    struct Row {
        const char* label;
        Qt::Key key;  // leaves the list with this key, comes back with the opposite
        Qt::KeyboardModifiers away;
        Qt::KeyboardModifiers back;
    };
    const Row rows[] = {
        {"Tab back from 1003", Qt::Key_Tab, Qt::ShiftModifier, Qt::NoModifier},
        {"Shift+Tab back from 1006", Qt::Key_Tab, Qt::NoModifier, Qt::ShiftModifier},
    };
    Run([&] {
        ListFiles();
        for (const Row& row : rows) {
            SCOPED_TRACE(row.label);
            SelectEntryTwo();
            PressKey(dlg, row.key, row.away);
            ASSERT_NE(FocusedControl(dlg), IDC_FILE_LIST);
            EXPECT_EQ(dlg.m_fileList.GetCurSel(), 2) << "leaving keeps the selection";
            PressKey(dlg, row.key, row.back);
            EXPECT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
            EXPECT_EQ(dlg.m_fileList.GetCurSel(), 0);
            EXPECT_EQ(ViewSelection(), 0);
        }
    });
    EXPECT_EQ(NestedRuns(), 0);
}

TEST_F(MainDialogFocusTest, TabbingIntoAnEmptyListSelectsNothing)
{
    Run([&] {
        TabTo(IDC_FILE_LIST);
        EXPECT_EQ(dlg.m_fileList.GetCurSel(), -1);
        EXPECT_EQ(ViewSelection(), -1);
    });
    EXPECT_EQ(NestedRuns(), 0);
}

TEST_F(MainDialogFocusTest, ClickIntoTheListSelectsTheClickedEntry)
{
    Run([&] {
        ListFiles();
        PressKey(dlg, Qt::Key_Tab);
        ASSERT_EQ(FocusedControl(dlg), IDC_RENAME);
        auto* view = qobject_cast<QListView*>(Control(IDC_FILE_LIST));
        ASSERT_NE(view, nullptr);
        const QRect entry = view->visualRect(view->model()->index(3, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, entry.center());
        EXPECT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
        EXPECT_EQ(dlg.m_fileList.GetCurSel(), 3);
        EXPECT_EQ(ViewSelection(), 3);
    });
}

TEST_F(MainDialogFocusTest, MessageBoxClosingSelectsEntryZeroOnce)
{
    Run([&] {
        ListFiles();
        // The menu command reads the field; the focus stays in the list.
        ReplaceText(IDC_DIRECTORY, Q(Path("missing")));
        PressKey(dlg, Qt::Key_Tab, Qt::ShiftModifier);
        PressKey(dlg, Qt::Key_Tab, Qt::ShiftModifier);
        PressKey(dlg, Qt::Key_Tab, Qt::ShiftModifier);
        SelectEntryTwo();

        SeenMessage seen;
        ExpectMessageBox(seen);
        QAction* addAll = MenuAction(ID_FILE_ADD_ALL);
        ASSERT_NE(addAll, nullptr);
        addAll->trigger();
        EXPECT_EQ(seen.text, CString(kMsgDirectoryNotFound));
        EXPECT_EQ(dlg.m_fileList.GetCount(), 4);
        EXPECT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
        EXPECT_EQ(dlg.m_fileList.GetCurSel(), 0);
        EXPECT_EQ(ViewSelection(), 0);

        // A selection made after the box must survive the window system's
        // own re-activation, whenever it comes.
        SelectEntryTwo();
        LateReactivation();
        EXPECT_EQ(dlg.m_fileList.GetCurSel(), 2);
        EXPECT_EQ(ViewSelection(), 2);
        EXPECT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
    });
    EXPECT_EQ(NestedRuns(), 1);
}

TEST_F(MainDialogFocusTest, MenuScanSelectsOnlyWhenTheFocusComesToTheList)
{
    struct Row {
        const char* label;
        int focusBefore;
        int selectionAfter;
    };
    const Row rows[] = {
        {"from the list, which keeps the focus: nothing selected", IDC_FILE_LIST, -1},
        {"from the directory field: entry 0", IDC_DIRECTORY, 0},
    };
    Run([&] {
        ListFiles();
        MakeFile("files/e.txt");
        for (const Row& row : rows) {
            SCOPED_TRACE(row.label);
            TabTo(row.focusBefore);
            MenuAction(ID_FILE_ADD_ALL)->trigger();
            EXPECT_EQ(Entries(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}));
            EXPECT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
            EXPECT_EQ(dlg.m_fileList.GetCurSel(), row.selectionAfter);
            EXPECT_EQ(ViewSelection(), row.selectionAfter);
        }
    });
    EXPECT_EQ(NestedRuns(), 0);
}

TEST_F(MainDialogFocusTest, AboutBoxFromTheHelpMenuShowsTheVersionAndReturnsTheFocus)
{
    std::vector<QString> versions;
    Run([&] {
        ListFiles();
        for (int opening = 0; opening < 2; ++opening) {
            SCOPED_TRACE(opening == 0 ? "first opening" : "second opening");
            SelectEntryTwo();
            modal_seam::Expect([&](const ModalRun& run) {
                EXPECT_EQ(run.kind, ModalKind::Dialog);
                EXPECT_EQ(run.templateId, static_cast<unsigned>(IDD_ABOUTBOX));
                EXPECT_EQ(run.owner, &dlg);
                EXPECT_EQ(run.caption, CString(u8"ﾊﾞｰｼﾞｮﾝ情報 Sorabun"));
                auto* about = qobject_cast<DialogWindow*>(run.window);
                QWidget* version = about ? about->Control(IDC_VERSION_TEXT) : nullptr;
                versions.push_back(version ? version->property("text").toString() : QString());
                PressKey(WindowOf(run), Qt::Key_Escape);
            });
            MenuAction(ID_HELP_VERSION)->trigger();
            EXPECT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
            EXPECT_EQ(dlg.m_fileList.GetCurSel(), 0);
            EXPECT_EQ(ViewSelection(), 0);
            EXPECT_EQ(dlg.m_fileList.GetCount(), 4);
        }
    });
    EXPECT_EQ(versions, (std::vector<QString>{QStringLiteral("Sorabun Version 1.20"),
                                              QStringLiteral("Sorabun Version 1.20")}));
}

}  // namespace
