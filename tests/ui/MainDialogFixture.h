#pragma once
// A fresh main window for each test, made the application's main window, run
// modally with the test acting inside its loop; beside it a temporary
// directory that is removed with all it holds.

#include "CMainDialog.h"
#include "UiTest.h"

#include <gtest/gtest.h>

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QWidget;

// The menu bar's action for a command of the main menu.
QAction* MenuAction(CDialog& dialog, int id);

class MainDialogTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs dlg; body acts inside its modal loop and the dialog is cancelled after it.
    int Run(const std::function<void()>& body);

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }
    void MakeFile(const std::string& name) const;
    void MakeDirectory(const std::string& name) const;

    QWidget* Control(int id);
    QString TextOf(int id);
    bool IsChecked(int id);
    // A left click where the control takes it: the indicator of a check box or
    // radio button, the middle of anything else.
    void Click(int id);
    // Clicks into the edit, selects all and types text over it.
    void ReplaceText(int id, const QString& text);
    // Presses Tab until the control has the focus (fails after a full round).
    void TabTo(int id);
    // The list's entries as CP932 bytes.
    std::vector<std::string> Entries();
    // The row the list view shows selected, or -1.
    int ViewSelection();
    QAction* MenuAction(int id) { return ::MenuAction(dlg, id); }
    // Modal runs since the test began, the main window's own not counted.
    int NestedRuns() const;

    std::string m_dir;
    CMainDialog dlg;
};

QString Q(const std::string& utf8);
