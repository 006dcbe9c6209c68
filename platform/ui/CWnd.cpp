#include "CWnd.h"

#include "CDialog.h"
#include "CWinApp.h"
#include "ButtonCheck.h"
#include "ControlText.h"
#include "DialogState.h"
#include "DialogWindow.h"
#include "ModalRunner.h"
#include "QtText.h"
#include "resource.h"

#include <QMessageBox>
#include <QPainter>

int GetSystemMetrics(int index)
{
    if (index == SM_CXICON || index == SM_CYICON)
        return 32;
    return 0;
}

void CWnd::AttachWidget(CDialog* dialog, int id, QWidget* widget)
{
    m_dialog = dialog;
    m_id = id;
    m_widget = widget;
}

void CWnd::DetachWidget()
{
    m_widget = nullptr;
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    if (!m_widget)
        return FALSE;
    const BOOL wasDisabled = m_widget->isEnabled() ? FALSE : TRUE;
    m_widget->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_widget && m_widget->isEnabled() ? TRUE : FALSE;
}

CWnd* CWnd::SetFocus()
{
    if (!m_widget || !m_dialog || !m_dialog->State().window)
        return nullptr;
    DialogWindow* window = m_dialog->State().window;
    CWnd* previous = GetDlgItem(m_dialog->State().focus.Focused());
    window->FocusControl(m_id, Qt::OtherFocusReason);
    return previous;
}

void CWnd::GetWindowText(CString& text) const
{
    text = m_widget ? FromQString(ControlText(m_widget)) : CString();
}

void CWnd::SetWindowText(const CString& text)
{
    if (m_widget)
        SetControlText(m_widget, ToQString(text));
}

CWnd* CWnd::GetDlgItem(int id) const
{
    if (!m_dialog)
        return nullptr;
    auto& items = m_dialog->State().items;
    const auto found = items.find(id);
    return found == items.end() ? nullptr : found->second.get();
}

int CWnd::MessageBox(const CString& text, const CString* caption, UINT)
{
    CDialog* owner = m_dialog;
    QWidget* ownerWidget = owner ? owner->State().window : nullptr;
    const CString title = caption ? *caption : (AfxGetApp() ? AfxGetApp()->m_pszAppName : CString());

    QMessageBox box(ownerWidget);
    box.setWindowTitle(ToQString(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQString(text));
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);

    BeginModalChild(owner);
    ModalRun run;
    run.kind = ModalKind::MessageBox;
    run.caption = title;
    run.text = text;
    run.owner = owner;
    RunModal(box, run, QMessageBox::Ok);
    EndModalChild(owner);
    return IDOK;
}

BOOL CWnd::IsIconic() const
{
    return m_widget && m_widget->window()->isMinimized() ? TRUE : FALSE;
}

void CWnd::GetClientRect(CRect* rect) const
{
    if (!rect)
        return;
    *rect = CRect();
    if (!m_widget)
        return;
    QWidget* area = m_widget;
    if (auto* window = qobject_cast<DialogWindow*>(m_widget))
        area = window->Client();
    rect->right = area->width();
    rect->bottom = area->height();
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM)
{
    if (message == BM_SETCHECK) {
        SetButtonCheck(m_widget, static_cast<int>(wParam));
        return 0;
    }
    if (message == BM_GETCHECK)
        return ButtonCheck(m_widget);
    if (message != WM_ICONERASEBKGND || !m_widget || wParam == 0)
        return 0;
    auto* painter = reinterpret_cast<QPainter*>(wParam);
    painter->fillRect(m_widget->rect(), m_widget->palette().window());
    return 1;
}
