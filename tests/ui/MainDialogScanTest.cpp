#include "CMainDialog.h"
#include "CWinApp.h"
#include "UiTest.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include <cstdlib>
#include <fstream>
#include <string>

TEST(MainDialogSmoke, ScansATypedDirectoryAndFocusesTheList)
{
    char pattern[] = "/tmp/sorabun-smoke-XXXXXX";
    std::string dir = mkdtemp(pattern);
    std::ofstream(dir + "/b.txt") << "b";
    std::ofstream(dir + "/a.txt") << "a";

    CMainDialog dlg;
    AfxGetApp()->m_pMainWnd = &dlg;
    RunDialog(dlg, [&] {
        EXPECT_EQ(FocusedControl(dlg), IDC_SELECT_FILES);
        for (int i = 0; i < 5; ++i)
            PressKey(dlg, Qt::Key_Tab);
        EXPECT_EQ(FocusedControl(dlg), IDC_DIRECTORY);
        TypeText(dlg, QString::fromStdString(dir));
        PressKey(dlg, Qt::Key_Tab);
        PressKey(dlg, Qt::Key_Space);
        EXPECT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
        EXPECT_EQ(dlg.m_fileList.GetCount(), 2);
        EXPECT_EQ(dlg.m_fileList.GetCurSel(), 0);
    });
    AfxGetApp()->m_pMainWnd = nullptr;
    EXPECT_EQ(modal_seam::UnscriptedRuns(), 0);
    std::system(("rm -rf " + dir).c_str());
}
