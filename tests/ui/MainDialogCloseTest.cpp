// Every closing route of the main window ends it with IDCANCEL at once,
// without reading the fields.

#include "MainDialogFixture.h"

#include "CWinApp.h"
#include "resource.h"

#include <QAction>
#include <QTest>
#include <QWidget>

namespace {

TEST_F(MainDialogTest, EveryClosingRouteEndsWithCancel)
{
    struct Row {
        const char* label;
        std::function<void(CMainDialog&)> close;
    };
    const Row rows[] = {
        {"Escape", [](CMainDialog& main) { PressKey(main, Qt::Key_Escape); }},
        {"Alt+F4", [](CMainDialog& main) { PressKey(main, Qt::Key_F4, Qt::AltModifier); }},
        {"button 2", [](CMainDialog& main) { QTest::mouseClick(ControlWidget(main, IDCANCEL), Qt::LeftButton); }},
        {"menu 32773", [](CMainDialog& main) { ::MenuAction(main, ID_FILE_CLOSE_WINDOW)->trigger(); }},
        {"close box", [](CMainDialog& main) { main.Widget()->close(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CMainDialog main;
        AfxGetApp()->m_pMainWnd = &main;
        bool stayedOpen = false;
        modal_seam::Expect([&](const ModalRun&) {
            for (int i = 0; i < 5; ++i)
                PressKey(main, Qt::Key_Tab);
            EXPECT_EQ(FocusedControl(main), IDC_DIRECTORY);
            TypeText(main, QStringLiteral("typed"));
            row.close(main);
            stayedOpen = main.Widget() && main.Widget()->isVisible();
            if (stayedOpen)
                main.EndDialog(-5);
        });
        EXPECT_EQ(main.DoModal(), IDCANCEL);
        EXPECT_FALSE(stayedOpen);
        EXPECT_TRUE(main.m_directory.IsEmpty()) << "closing exchanges no data";
        AfxGetApp()->m_pMainWnd = &dlg;
    }
    EXPECT_EQ(NestedRuns(), 0);
}

}  // namespace
