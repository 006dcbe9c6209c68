#include "CMainDialog.h"
#include "CWinApp.h"
#include "UiTest.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// The system menu is a popup with its own loop: act in it once it is up. The
// key that opens it is delivered through the event loop, so look again until
// the popup is there.
void WhenPopupIsUp(std::function<void(QMenu*)> act, int triesLeft = 50)
{
    QTimer::singleShot(10, [act, triesLeft] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu) {
            act(menu);
            return;
        }
        if (triesLeft > 0)
            WhenPopupIsUp(act, triesLeft - 1);
    });
}

void ChooseLastSystemMenuItem(bool& menuSeen)
{
    WhenPopupIsUp([&menuSeen](QMenu* menu) {
        menuSeen = true;
        QTest::keyClick(menu, Qt::Key_Up);
        QTest::keyClick(menu, Qt::Key_Return);
    });
}

}  // namespace

TEST(SystemMenu, AltSpaceOpensItAndItsAboutItemOpensTheAboutBox)
{
    CMainDialog dlg;
    AfxGetApp()->m_pMainWnd = &dlg;
    bool menuSeen = false;
    QString versionShown;
    RunDialog(dlg, [&] {
        modal_seam::Expect([&](const ModalRun& run) {
            EXPECT_EQ(run.owner, &dlg);
            for (QLabel* label : run.window->findChildren<QLabel*>()) {
                if (label->text().startsWith(QStringLiteral("Sorabun")))
                    versionShown = label->text();
            }
            PressKey(WindowOf(run), Qt::Key_Escape);
        });
        ChooseLastSystemMenuItem(menuSeen);
        PressKey(dlg, Qt::Key_Space, Qt::AltModifier);
    });
    AfxGetApp()->m_pMainWnd = nullptr;

    EXPECT_TRUE(menuSeen);
    EXPECT_EQ(versionShown, QStringLiteral("Sorabun Version 1.20"));
    EXPECT_EQ(modal_seam::PendingScripts(), 0);
    EXPECT_EQ(modal_seam::UnscriptedRuns(), 0);
    modal_seam::ClearLog();
}

TEST(SystemMenu, ItsCloseItemEndsTheProgramWithCancel)
{
    CMainDialog dlg;
    AfxGetApp()->m_pMainWnd = &dlg;
    bool menuSeen = false;
    modal_seam::Expect([&](const ModalRun&) {
        WhenPopupIsUp([&](QMenu* menu) {
            menuSeen = true;
            // 移動, 閉じる, separator, About: the second item from the top.
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        PressKey(dlg, Qt::Key_Space, Qt::AltModifier);
    });
    const int result = dlg.DoModal();
    AfxGetApp()->m_pMainWnd = nullptr;

    EXPECT_TRUE(menuSeen);
    EXPECT_EQ(result, IDCANCEL);
    modal_seam::ClearLog();
}
