// The dialog manager's keys in the main window: Tab order and Enter.

#include "MainDialogFixture.h"

#include "Messages.h"
#include "resource.h"

#include <QPushButton>
#include <QSignalSpy>

#include <map>
#include <memory>

namespace {

TEST_F(MainDialogTest, TabOrderFollowsTheTemplateAndSkipsTheDisabledExtension)
{
    struct Row {
        const char* label;
        bool unify;
        std::vector<int> order;  // from 1015, back to it
    };
    const Row rows[] = {
        {"extension disabled", false,
         {IDC_AUTO_NUMBER, IDC_FILE_LIST, IDC_RENAME, IDCANCEL, IDC_DIRECTORY, IDC_ADD_ALL_FILES, IDC_CLEAR_LIST,
          IDC_BROWSE, IDC_TIME_SORT, IDC_SELECT_FILES}},
        {"extension enabled by unify", true,
         {IDC_AUTO_NUMBER, IDC_EXTENSION, IDC_FILE_LIST, IDC_RENAME, IDCANCEL, IDC_DIRECTORY, IDC_ADD_ALL_FILES,
          IDC_CLEAR_LIST, IDC_BROWSE, IDC_TIME_SORT, IDC_SELECT_FILES}},
    };
    Run([&] {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.label);
            if (row.unify) {
                // The radio takes no Tab itself; Tab from it goes on in template order.
                Click(IDC_EXT_UNIFY);
                PressKey(dlg, Qt::Key_Tab);
                EXPECT_EQ(FocusedControl(dlg), IDC_TIME_SORT);
                PressKey(dlg, Qt::Key_Tab);
            }
            ASSERT_EQ(FocusedControl(dlg), IDC_SELECT_FILES);
            std::vector<int> forward;
            for (size_t i = 0; i < row.order.size(); ++i) {
                PressKey(dlg, Qt::Key_Tab);
                forward.push_back(FocusedControl(dlg));
            }
            EXPECT_EQ(forward, row.order);

            std::vector<int> backward;
            for (size_t i = 0; i < row.order.size(); ++i) {
                PressKey(dlg, Qt::Key_Tab, Qt::ShiftModifier);
                backward.push_back(FocusedControl(dlg));
            }
            std::vector<int> reversed(row.order.rbegin() + 1, row.order.rend());
            reversed.push_back(IDC_SELECT_FILES);
            EXPECT_EQ(backward, reversed);
        }
    });
}

TEST_F(MainDialogTest, EnterRunsTheFocusedButtonElseTheDefaultOne)
{
    MakeFile("a.txt");
    struct Row {
        const char* label;
        int focus;
        int clicked;
        const char8_t* message;  // nullptr: none
        bool fileDialog = false;  // the file-open dialog opens (and is cancelled)
    };
    // The rename command on an empty list asks for a selection; that message,
    // and no other, shows that Enter reached it and not the scan.
    const Row rows[] = {
        {"on 1015, the focused button", IDC_SELECT_FILES, IDC_SELECT_FILES, nullptr, true},
        {"on the check box", IDC_AUTO_NUMBER, IDC_RENAME, kMsgSelectFile},
        {"in the directory field", IDC_DIRECTORY, IDC_RENAME, kMsgSelectFile},
        {"on 1018, the focused button", IDC_CLEAR_LIST, IDC_CLEAR_LIST, nullptr},
    };
    const int buttons[] = {IDC_SELECT_FILES, IDC_RENAME,    IDCANCEL,     IDC_ADD_ALL_FILES,
                           IDC_CLEAR_LIST,   IDC_BROWSE,    IDC_TIME_SORT};
    Run([&] {
        // A directory in the field that would list something, were it scanned.
        ReplaceText(IDC_DIRECTORY, Q(m_dir));
        for (const Row& row : rows) {
            SCOPED_TRACE(row.label);
            TabTo(row.focus);
            std::map<int, std::unique_ptr<QSignalSpy>> spies;
            for (int id : buttons)
                spies[id] = std::make_unique<QSignalSpy>(qobject_cast<QPushButton*>(Control(id)), &QPushButton::clicked);
            const bool checked = IsChecked(IDC_AUTO_NUMBER);
            const int runsBefore = NestedRuns();
            SeenMessage seen;
            if (row.message)
                ExpectMessageBox(seen);
            if (row.fileDialog)
                modal_seam::Expect([](const ModalRun& run) { PressKey(WindowOf(run), Qt::Key_Escape); });

            PressKey(dlg, Qt::Key_Return);

            EXPECT_EQ(NestedRuns() - runsBefore, row.message || row.fileDialog ? 1 : 0);
            if (row.message) {
                EXPECT_EQ(seen.text, CString(row.message));
            }
            for (int id : buttons)
                EXPECT_EQ(spies[id]->count(), id == row.clicked ? 1 : 0) << "button " << id;
            EXPECT_EQ(IsChecked(IDC_AUTO_NUMBER), checked);
            EXPECT_EQ(dlg.m_fileList.GetCount(), 0) << "no scan";
            EXPECT_TRUE(dlg.m_directory.IsEmpty()) << "nothing read the field";
        }
    });
}

}  // namespace
