#pragma once
// A dialog built from a template and run modally.

#include "CWnd.h"

#include <memory>

class CDataExchange;
class CMenu;
struct DialogState;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the window, runs OnInitDialog, shows it centred (on the screen
    // for the main window, over the owner otherwise) and runs it until
    // EndDialog. A dialog constructed without a parent is owned by the
    // application's main window, which takes no input meanwhile and gets its
    // focus back before this returns. -1 when the template does not exist.
    virtual int DoModal();
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    CMenu* GetSystemMenu(BOOL revert);
    HICON SetIcon(HICON icon, BOOL bigIcon);
    // The platform's processing of the message being handled.
    LRESULT Default();
    void OnPaint();

    const MessageMap* GetMessageMap() const override;
    static const MessageMap* GetThisMessageMap();

    // The framework's entry points from the window system.
    DialogState& State() { return *m_state; }
    UINT TemplateId() const;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

private:
    std::unique_ptr<DialogState> m_state;
};
