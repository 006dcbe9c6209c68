#pragma once
// A window: a dialog or one of its controls.

#include "CCmdTarget.h"
#include "CString.h"
#include "Win32Types.h"

class CDialog;
class CMenu;
class QWidget;

struct CRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

inline constexpr UINT WM_ICONERASEBKGND = 0x0027;
inline constexpr UINT BM_GETCHECK = 0x00F0;
inline constexpr UINT BM_SETCHECK = 0x00F1;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
int GetSystemMetrics(int index);

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Returns whether the window was disabled before.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    // Moves the keyboard focus here; returns the window that had it.
    CWnd* SetFocus();
    void GetWindowText(CString& text) const;
    void SetWindowText(const CString& text);
    int GetDlgCtrlID() const { return m_id; }
    // A control of this dialog by number, or nullptr.
    CWnd* GetDlgItem(int id) const;
    // Owned by this window; one OK button, no icon, the program's name as
    // caption unless one is given. Returns IDOK.
    int MessageBox(const CString& text, const CString* caption = nullptr, UINT type = MB_OK);
    BOOL IsIconic() const;
    void GetClientRect(CRect* rect) const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL IsAttached() const { return m_widget != nullptr; }

    // The framework's own link to the widget behind this window.
    QWidget* Widget() const { return m_widget; }
    CDialog* OwningDialog() const { return m_dialog; }
    void AttachWidget(CDialog* dialog, int id, QWidget* widget);
    void DetachWidget();

protected:
    CDialog* m_dialog = nullptr;  // the dialog this window is, or belongs to
    int m_id = 0;
    QWidget* m_widget = nullptr;
};
