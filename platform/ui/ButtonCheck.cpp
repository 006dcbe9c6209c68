#include "ButtonCheck.h"

#include "Win32Types.h"

#include <QCheckBox>
#include <QRadioButton>

void SetButtonCheck(QWidget* widget, int state)
{
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->setCheckState(state == BST_CHECKED         ? Qt::Checked
                           : state == BST_INDETERMINATE ? Qt::PartiallyChecked
                                                        : Qt::Unchecked);
        return;
    }
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button)
        return;
    // An exclusive radio button could not be unchecked directly, and checking
    // one would clear the others; the check message does neither.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(state == BST_CHECKED);
    button->setAutoExclusive(exclusive);
}

int ButtonCheck(const QWidget* widget)
{
    if (auto* box = qobject_cast<const QCheckBox*>(widget)) {
        switch (box->checkState()) {
        case Qt::Checked:
            return BST_CHECKED;
        case Qt::PartiallyChecked:
            return BST_INDETERMINATE;
        case Qt::Unchecked:
            return BST_UNCHECKED;
        }
        return BST_UNCHECKED;
    }
    auto* button = qobject_cast<const QAbstractButton*>(widget);
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}
