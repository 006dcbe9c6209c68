#include "GroupBoxControl.h"

#include <QEvent>

GroupBoxControl::GroupBoxControl(const QString& title, QWidget* parent, std::function<void()> onAccessKey)
    : QGroupBox(title, parent), m_onAccessKey(std::move(onAccessKey))
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool GroupBoxControl::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        m_onAccessKey();
        return true;
    }
    return QGroupBox::event(event);
}
