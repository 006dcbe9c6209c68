#pragma once
// The check state of check boxes and radio buttons, set without any
// notification and without touching the other buttons of a group.

class QWidget;

void SetButtonCheck(QWidget* widget, int state);
int ButtonCheck(const QWidget* widget);
