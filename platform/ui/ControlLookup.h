#pragma once
// For tests, which see a modal run's window but not the dialog object behind
// it (the rename dialog is a local of the command that runs it).

class QWidget;

// The control with that number in a running dialog's window, or nullptr when
// the window is no dialog of the framework or has no such control.
QWidget* ControlOfWindow(QWidget* dialogWindow, int id);
