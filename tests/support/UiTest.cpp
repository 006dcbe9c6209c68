#include "UiTest.h"

#include "CWnd.h"
#include "Cp932.h"
#include "ControlLookup.h"
#include "resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>

QWidget* ControlWidget(CDialog& dialog, int id)
{
    CWnd* item = dialog.GetDlgItem(id);
    return item ? item->Widget() : nullptr;
}

QWidget* FindChildByControlId(const ModalRun& run, int id)
{
    return ControlOfWindow(run.window, id);
}

std::string Utf8(const char8_t* text)
{
    return reinterpret_cast<const char*>(text);
}

std::string Utf8(const CString& text)
{
    return cp932::ToUtf8(text.Bytes());
}

std::string Shown(QWidget* control)
{
    auto* edit = qobject_cast<QLineEdit*>(control);
    return edit ? edit->text().toStdString() : "<no edit>";
}

bool IsChecked(QWidget* control)
{
    auto* button = qobject_cast<QAbstractButton*>(control);
    return button && button->isChecked();
}

void Click(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton);
}

QWindow* WindowOf(CDialog& dialog)
{
    return dialog.Widget() ? dialog.Widget()->windowHandle() : nullptr;
}

QWindow* WindowOf(const ModalRun& run)
{
    return run.window ? run.window->windowHandle() : nullptr;
}

int FocusedControl(CDialog& dialog)
{
    QWidget* window = dialog.Widget();
    if (!window)
        return 0;
    QWidget* focus = window->focusWidget();
    for (int id = -1; id < 70000; ++id) {
        if (id == 0)
            continue;
        if (CWnd* item = dialog.GetDlgItem(id); item && item->Widget() == focus)
            return id;
        if (id > 3000 && id < 32000)
            id = 32000;
    }
    return 0;
}

void PressKey(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(window, key, modifiers);
}

void PressKey(CDialog& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    PressKey(WindowOf(dialog), key, modifiers);
}

void TypeText(QWindow* window, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void TypeText(CDialog& dialog, const QString& text)
{
    TypeText(WindowOf(dialog), text);
}

// Straight to the toolkit, as a keyboard's events arrive: QTest would add
// modifier events of its own around each key.
static void SendKey(QWindow* window, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                    const QString& text = {})
{
    qt_handleKeyEvent(window, type, key, modifiers, text);
    QCoreApplication::processEvents();
}

void HoldShift(QWindow* window)
{
    SendKey(window, QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
}

void ReleaseShift(QWindow* window)
{
    SendKey(window, QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
}

void PressShiftedKey(QWindow* window, Qt::Key key)
{
    SendKey(window, QEvent::KeyPress, key, Qt::ShiftModifier);
    SendKey(window, QEvent::KeyRelease, key, Qt::ShiftModifier);
}

void TypeShiftedText(QWindow* window, const QString& text)
{
    for (const QChar ch : text) {
        SendKey(window, QEvent::KeyPress, Qt::Key_unknown, Qt::ShiftModifier, QString(ch));
        SendKey(window, QEvent::KeyRelease, Qt::Key_unknown, Qt::ShiftModifier, QString(ch));
    }
}

int RunDialog(CDialog& dialog, const std::function<void()>& body)
{
    modal_seam::Expect([&dialog, body](const ModalRun&) {
        body();
        // A body that ended the dialog keeps its result: a second end would replace it.
        if (dialog.Widget() && dialog.Widget()->isVisible())
            dialog.EndDialog(IDCANCEL);
    });
    return dialog.DoModal();
}

void ExpectMessageBox(SeenMessage& seen)
{
    modal_seam::Expect([&seen](const ModalRun& run) {
        seen.caption = run.caption;
        seen.text = run.text;
        seen.owner = run.owner;
        seen.seen = true;
        PressKey(WindowOf(run), Qt::Key_Return);
    });
}
