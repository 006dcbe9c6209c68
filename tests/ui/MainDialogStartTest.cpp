// The main window as it opens, before the user has done anything.

#include "MainDialogFixture.h"

#include "CMenu.h"
#include "ExtensionMode.h"
#include "resource.h"

#include <QWidget>

namespace {

std::string Yes(bool value)
{
    return value ? "yes" : "no";
}

TEST_F(MainDialogTest, OpensInTheStartState)
{
    Run([&] {
        struct Row {
            const char* label;
            std::string actual;
            std::string expected;
        };
        const Row rows[] = {
            {"directory field 1004 text", TextOf(IDC_DIRECTORY).toStdString(), ""},
            {"directory field 1004 enabled", Yes(Control(IDC_DIRECTORY)->isEnabled()), "yes"},
            {"extension field 1002 text", TextOf(IDC_EXTENSION).toStdString(), ""},
            {"extension field 1002 enabled", Yes(Control(IDC_EXTENSION)->isEnabled()), "no"},
            {"check box 1003 checked", Yes(IsChecked(IDC_AUTO_NUMBER)), "no"},
            {"radio 1022 checked", Yes(IsChecked(IDC_EXT_KEEP)), "yes"},
            {"radio 1023 checked", Yes(IsChecked(IDC_EXT_UNIFY)), "no"},
            {"radio 1024 checked", Yes(IsChecked(IDC_EXT_NONE)), "no"},
            {"list entries", std::to_string(dlg.m_fileList.GetCount()), "0"},
            {"list selection", std::to_string(dlg.m_fileList.GetCurSel()), "-1"},
            {"list view selection", std::to_string(ViewSelection()), "-1"},
            {"focused control", std::to_string(FocusedControl(dlg)), std::to_string(IDC_SELECT_FILES)},
            {"window title", dlg.Widget()->windowTitle().toStdString(), "Sorabun"},
            {"m_extMode", std::to_string(dlg.m_extMode), std::to_string(EXT_KEEP)},
            {"m_directory", dlg.m_directory.Bytes(), ""},
            {"m_extension", dlg.m_extension.Bytes(), ""},
            {"m_autoNumber", std::to_string(dlg.m_autoNumber), "0"},
        };
        for (const Row& row : rows) {
            SCOPED_TRACE(row.label);
            EXPECT_EQ(row.actual, row.expected);
        }
    });
}

TEST_F(MainDialogTest, SystemMenuEndsWithTheAboutItem)
{
    Run([&] {
        const std::vector<CMenu::Item>& items = dlg.GetSystemMenu(FALSE)->Items();
        ASSERT_EQ(items.size(), 2u);
        EXPECT_EQ(items[0].flags & MF_SEPARATOR, MF_SEPARATOR);
        EXPECT_EQ(items[1].flags, MF_STRING);
        EXPECT_EQ(items[1].id, static_cast<UINT>(IDM_ABOUTBOX));
        EXPECT_EQ(items[1].text, CString(u8"ﾊﾞｰｼﾞｮﾝ情報(Sorabun) (&A)..."));
    });
}

}  // namespace
