#include "CButton.h"

void CButton::SetCheck(int state)
{
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(state));
}

int CButton::GetCheck() const
{
    return static_cast<int>(const_cast<CButton*>(this)->SendMessage(BM_GETCHECK));
}
