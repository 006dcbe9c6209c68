#include "FocusModel.h"

void FocusModel::FocusArrived(int id)
{
    if (m_modalChildren > 0)
        return;
    if (m_active && m_focused == id)
        return;
    const int previous = m_active ? m_focused : 0;
    m_focused = id;
    m_active = true;
    if (previous != 0)
        m_notify(previous, false);
    if (id != 0)
        m_notify(id, true);
}

void FocusModel::ApplicationLeft()
{
    if (m_modalChildren > 0 || m_awaitingActivation || !m_active)
        return;
    m_active = false;
    if (m_focused != 0)
        m_notify(m_focused, false);
}

void FocusModel::ActivationArrived()
{
    m_awaitingActivation = false;
}

void FocusModel::ModalChildStarted()
{
    if (m_modalChildren++ > 0)
        return;
    if (!m_active)
        return;
    m_active = false;
    if (m_focused != 0)
        m_notify(m_focused, false);
}

int FocusModel::ModalChildEnded(bool windowActive)
{
    if (m_modalChildren == 0 || --m_modalChildren > 0)
        return m_focused;
    m_awaitingActivation = !windowActive;
    if (m_active)
        return m_focused;
    m_active = true;
    if (m_focused != 0)
        m_notify(m_focused, true);
    return m_focused;
}

void FocusModel::Forget(int id)
{
    if (m_focused == id)
        m_focused = 0;
}

void FocusModel::Reset()
{
    m_focused = 0;
    m_active = false;
    m_modalChildren = 0;
    m_awaitingActivation = false;
}
