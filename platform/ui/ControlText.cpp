#include "ControlText.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

QString ControlText(const QWidget* widget)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    if (widget && widget->isWindow())
        return widget->windowTitle();
    return {};
}

void SetControlText(QWidget* widget, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->setText(text);
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->setText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->setText(text);
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return group->setTitle(text);
    if (widget && widget->isWindow())
        widget->setWindowTitle(text);
}
