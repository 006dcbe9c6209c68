#include "CDataExchange.h"

#include "CDialog.h"
#include "ControlText.h"
#include "DialogState.h"
#include "DialogWindow.h"
#include "QtText.h"

#include <QCheckBox>

static QWidget* ControlOf(CDataExchange* pDX, int id)
{
    DialogWindow* window = pDX->m_pDlgWnd->State().window;
    return window ? window->Control(id) : nullptr;
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    QWidget* control = ControlOf(pDX, id);
    if (!control)
        return;
    const CString shown = FromQString(ControlText(control));
    if (pDX->m_bSaveAndValidate) {
        value = shown;
        return;
    }
    if (shown != value)
        SetControlText(control, ToQString(value));
}

void DDX_Check(CDataExchange* pDX, int id, BOOL& value)
{
    auto* box = qobject_cast<QCheckBox*>(ControlOf(pDX, id));
    if (!box)
        return;
    if (pDX->m_bSaveAndValidate) {
        value = box->checkState() == Qt::Checked ? 1 : box->checkState() == Qt::PartiallyChecked ? 2 : 0;
        return;
    }
    const BOOL state = value >= 0 && value <= 2 ? value : 0;
    box->setCheckState(state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.IsAttached())
        return;
    QWidget* widget = ControlOf(pDX, id);
    if (!widget)
        return;
    control.AttachWidget(pDX->m_pDlgWnd, id, widget);
    pDX->m_pDlgWnd->State().attached.push_back(&control);
}
