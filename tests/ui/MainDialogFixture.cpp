#include "MainDialogFixture.h"

#include "CWinApp.h"
#include "ControlText.h"
#include "ResourceTypes.h"
#include "resource.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <fstream>

QString Q(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

void MainDialogTest::SetUp()
{
    char pattern[] = "/tmp/sorabun-ui-XXXXXX";
    const char* made = mkdtemp(pattern);
    ASSERT_NE(made, nullptr);
    m_dir = made;
    modal_seam::ClearLog();
    AfxGetApp()->m_pMainWnd = &dlg;
}

void MainDialogTest::TearDown()
{
    AfxGetApp()->m_pMainWnd = nullptr;
    EXPECT_EQ(modal_seam::PendingScripts(), 0);
    EXPECT_EQ(modal_seam::UnscriptedRuns(), 0);
    modal_seam::ClearLog();
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

int MainDialogTest::Run(const std::function<void()>& body)
{
    return RunDialog(dlg, body);
}

void MainDialogTest::MakeFile(const std::string& name) const
{
    std::ofstream(Path(name)) << name;
}

void MainDialogTest::MakeDirectory(const std::string& name) const
{
    std::filesystem::create_directory(Path(name));
}

QWidget* MainDialogTest::Control(int id)
{
    return ControlWidget(dlg, id);
}

QString MainDialogTest::TextOf(int id)
{
    return ControlText(Control(id));
}

bool MainDialogTest::IsChecked(int id)
{
    auto* button = qobject_cast<QAbstractButton*>(Control(id));
    return button && button->isChecked();
}

void MainDialogTest::Click(int id)
{
    QWidget* widget = Control(id);
    if (!widget) {
        ADD_FAILURE() << "no control " << id;
        return;
    }
    const bool indicator = qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget);
    const QPoint where = indicator ? QPoint(5, widget->height() / 2) : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, where);
}

void MainDialogTest::ReplaceText(int id, const QString& text)
{
    Click(id);
    PressKey(dlg, Qt::Key_A, Qt::ControlModifier);
    PressKey(dlg, Qt::Key_Backspace);
    TypeText(dlg, text);
}

void MainDialogTest::TabTo(int id)
{
    for (int presses = 0; presses < 16; ++presses) {
        if (FocusedControl(dlg) == id)
            return;
        PressKey(dlg, Qt::Key_Tab);
    }
    ADD_FAILURE() << "Tab never reaches control " << id;
}

std::vector<std::string> MainDialogTest::Entries()
{
    std::vector<std::string> entries;
    CString text;
    for (int i = 0; i < dlg.m_fileList.GetCount(); ++i) {
        dlg.m_fileList.GetText(i, text);
        entries.push_back(text.Bytes());
    }
    return entries;
}

int MainDialogTest::ViewSelection()
{
    auto* view = qobject_cast<QListView*>(Control(IDC_FILE_LIST));
    if (!view)
        return -2;
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QAction* MenuAction(CDialog& dialog, int id)
{
    const MenuTemplate* menu = FindMenuTemplate(IDR_MAIN_MENU);
    auto* bar = dialog.Widget() ? dialog.Widget()->findChild<QMenuBar*>() : nullptr;
    if (!menu || !bar)
        return nullptr;
    QString text;
    for (const PopupTemplate& popup : menu->popups) {
        for (const MenuItemTemplate& item : popup.items) {
            if (item.id == id && item.text)
                text = QString::fromUtf8(reinterpret_cast<const char*>(item.text));
        }
    }
    for (QAction* pulldown : bar->actions()) {
        if (!pulldown->menu())
            continue;
        for (QAction* action : pulldown->menu()->actions()) {
            if (!action->isSeparator() && action->text() == text)
                return action;
        }
    }
    return nullptr;
}

int MainDialogTest::NestedRuns() const
{
    int count = 0;
    for (const ModalRun& run : modal_seam::Log()) {
        if (!(run.kind == ModalKind::Dialog && run.templateId == IDD_MAIN_DIALOG))
            ++count;
    }
    return count;
}
