#pragma once
// The application object: one global instance, started by the platform's entry.

#include "CCmdTarget.h"
#include "CString.h"
#include "Win32Types.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    // Without a name the program's name is the executable's file name without
    // its extension.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    HICON LoadIcon(UINT id) const;
    void OnHelp();
    const MessageMap* GetMessageMap() const override;

    CWnd* m_pMainWnd = nullptr;
    CString m_pszAppName;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The platform's entry: sets up the window system, calls InitInstance once
// and ends when it returns.
int AfxWinMain(int argc, char** argv);

// Sets up the window system for the application object without running it
// (for tests, which run dialogs themselves). Idempotent.
void AfxInitPlatform(int& argc, char** argv);
