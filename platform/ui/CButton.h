#pragma once
// A push button, check box or radio button.

#include "CWnd.h"

class CButton : public CWnd {
public:
    // Sets the state without any notification.
    void SetCheck(int state);
    int GetCheck() const;
};
