#pragma once
// Driving the real windows in tests: real key events through the window
// system's path (to the focused control), scripts for modal runs.

#include "CDialog.h"
#include "ModalSeam.h"

#include <QString>
#include <Qt>

#include <functional>
#include <string>

class QWidget;
class QWindow;

QWidget* ControlWidget(CDialog& dialog, int id);

// Texts and states in a form expectations can print.
std::string Utf8(const char8_t* text);
std::string Utf8(const CString& text);  // CP932 bytes decoded
std::string Shown(QWidget* control);    // an edit's text
bool IsChecked(QWidget* control);
void Click(QWidget* control);
// A control of a modal run's window by its number, for dialogs the test has
// no object of (one that a handler runs as its local), or nullptr.
QWidget* FindChildByControlId(const ModalRun& run, int id);
QWindow* WindowOf(CDialog& dialog);
QWindow* WindowOf(const ModalRun& run);
// The control that has the toolkit's keyboard focus in the dialog, or 0.
int FocusedControl(CDialog& dialog);

// A key as the window system delivers it: to the window's focused control.
void PressKey(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void PressKey(CDialog& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// One key event per character, with its text, so Japanese text works.
void TypeText(CDialog& dialog, const QString& text);
void TypeText(QWindow* window, const QString& text);

// Shift as a keyboard reports it: its press already carries the modifier,
// its release no longer does, and keys in between carry it. Offscreen the
// toolkit knows the key state only from the last key event, and QTest sends
// the modifier's own events the other way round: after QTest::keyClick with
// Qt::ShiftModifier (Shift+Tab, say) Shift still reads as held down.
// Give the window the user types in: without one the events only set the
// key state (a key sent to no window goes to the toolkit's focus window, which
// offscreen can still be the owner a modal dialog blocks, and is dropped there).
void HoldShift(QWindow* window = nullptr);
void ReleaseShift(QWindow* window = nullptr);
// Keys pressed and released while Shift is held (HoldShift first): one key,
// or characters with their text, as capitals are typed.
void PressShiftedKey(QWindow* window, Qt::Key key);
void TypeShiftedText(QWindow* window, const QString& text);

// Runs the dialog modally with body acting inside its modal loop; the body
// ends the dialog (or the dialog is cancelled after it). Returns DoModal's result.
int RunDialog(CDialog& dialog, const std::function<void()>& body);
// Queues a script for the next message box: records it and presses Enter.
struct SeenMessage {
    CString caption;
    CString text;
    CWnd* owner = nullptr;
    bool seen = false;
};
void ExpectMessageBox(SeenMessage& seen);
