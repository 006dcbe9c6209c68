#pragma once
// The text of any control kind the templates create.

#include <QString>

class QWidget;

QString ControlText(const QWidget* widget);
void SetControlText(QWidget* widget, const QString& text);
