// The clear button: empties the list and puts the members back into the
// fields, so edits that no command has read yet are reverted.

#include "MainDialogFixture.h"

#include "ExtensionMode.h"
#include "resource.h"

#include <QWidget>

namespace {

TEST_F(MainDialogTest, ClearEmptiesTheListAndRevertsUnreadEdits)
{
    MakeFile("a.txt");
    MakeFile("b.txt");
    Run([&] {
        ReplaceText(IDC_DIRECTORY, Q(m_dir));
        Click(IDC_ADD_ALL_FILES);
        ASSERT_EQ(dlg.m_fileList.GetCount(), 2);

        ReplaceText(IDC_DIRECTORY, QStringLiteral("/somewhere/else"));
        Click(IDC_EXT_UNIFY);
        ReplaceText(IDC_EXTENSION, QStringLiteral("jpg"));
        PressKey(dlg, Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(FocusedControl(dlg), IDC_AUTO_NUMBER);
        PressKey(dlg, Qt::Key_Space);
        ASSERT_TRUE(IsChecked(IDC_AUTO_NUMBER));

        Click(IDC_CLEAR_LIST);

        EXPECT_EQ(TextOf(IDC_DIRECTORY), Q(m_dir));
        EXPECT_EQ(TextOf(IDC_EXTENSION), QString());
        EXPECT_FALSE(IsChecked(IDC_AUTO_NUMBER));
        EXPECT_EQ(dlg.m_fileList.GetCount(), 0);
        EXPECT_EQ(dlg.m_fileList.GetCurSel(), -1);
        EXPECT_EQ(ViewSelection(), -1);
        EXPECT_EQ(dlg.m_directory, CString::FromBytes(m_dir));
        EXPECT_TRUE(dlg.m_extension.IsEmpty());
        EXPECT_EQ(dlg.m_autoNumber, FALSE);
        // The rule is no data exchange: it stays as clicked.
        EXPECT_EQ(dlg.m_extMode, EXT_UNIFY);
        EXPECT_TRUE(Control(IDC_EXTENSION)->isEnabled());

        // The field shows the listed directory again, so a scan lists it again.
        Click(IDC_ADD_ALL_FILES);
        EXPECT_EQ(Entries(), (std::vector<std::string>{"a.txt", "b.txt"}));
    });
    EXPECT_EQ(NestedRuns(), 0) << "no message box";
}

TEST_F(MainDialogTest, ClearRightAfterStartRevertsTypedText)
{
    Run([&] {
        ReplaceText(IDC_DIRECTORY, QStringLiteral("typed"));
        Click(IDC_CLEAR_LIST);
        EXPECT_EQ(TextOf(IDC_DIRECTORY), QString());
        EXPECT_TRUE(dlg.m_directory.IsEmpty());
        EXPECT_EQ(dlg.m_fileList.GetCount(), 0);
    });
}

}  // namespace
