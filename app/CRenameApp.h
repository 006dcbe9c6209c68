#pragma once
// The application object.

#include "CWinApp.h"

class CRenameApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
