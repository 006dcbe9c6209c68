#include "CDialog.h"

#include "CDataExchange.h"
#include "CWinApp.h"
#include "DialogState.h"
#include "DialogWindow.h"
#include "IconImages.h"
#include "ListBoxView.h"
#include "ModalRunner.h"
#include "QtText.h"
#include "ResourceTypes.h"
#include "WindowSystem.h"
#include "resource.h"

#include <QWindow>

namespace {

ControlKind KindOf(const DialogTemplate& tmpl, int id)
{
    for (const ControlTemplate& control : tmpl.controls) {
        if (control.id == id)
            return control.kind;
    }
    return ControlKind::Static;
}

// The focus notifications the controls send: list boxes and edits only.
int FocusCode(ControlKind kind, bool gained)
{
    if (kind == ControlKind::ListBox)
        return gained ? LBN_SETFOCUS : LBN_KILLFOCUS;
    if (kind == ControlKind::Edit)
        return gained ? EN_SETFOCUS : EN_KILLFOCUS;
    return -1;
}

}  // namespace

DialogState::DialogState(CDialog& owner, UINT id, CWnd* parentWnd)
    : dialog(owner),
      templateId(id),
      parent(parentWnd),
      focus([this](int control, bool gained) {
          const DialogTemplate* tmpl = FindDialogTemplate(static_cast<int>(templateId));
          if (!tmpl)
              return;
          const int code = FocusCode(KindOf(*tmpl, control), gained);
          if (code >= 0)
              DispatchCommand(dialog, control, code);
      })
{
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_state(std::make_unique<DialogState>(*this, templateId, parent)) {}

CDialog::~CDialog() = default;

UINT CDialog::TemplateId() const { return m_state->templateId; }

const MessageMap* CDialog::GetThisMessageMap()
{
    static const MessageMap map{CCmdTarget::GetThisMessageMap(),
                                {
                                    ON_COMMAND(IDOK, &CDialog::OnOK),
                                    ON_COMMAND(IDCANCEL, &CDialog::OnCancel),
                                }};
    return &map;
}

const MessageMap* CDialog::GetMessageMap() const { return GetThisMessageMap(); }

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    if (!m_state->window)
        return FALSE;
    ++m_state->updating;
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    --m_state->updating;
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result)
{
    if (m_state->window)
        m_state->window->done(result);
}

CMenu* CDialog::GetSystemMenu(BOOL revert)
{
    if (revert)
        m_state->systemMenu = CMenu();
    return &m_state->systemMenu;
}

HICON CDialog::SetIcon(HICON icon, BOOL bigIcon)
{
    HICON& slot = bigIcon ? m_state->bigIcon : m_state->smallIcon;
    HICON previous = slot;
    slot = icon;
    if (m_state->window)
        m_state->window->setWindowIcon(IconOf(m_state->bigIcon ? m_state->bigIcon : m_state->smallIcon));
    return previous;
}

LRESULT CDialog::Default()
{
    if (m_state->current.empty())
        return 0;
    const DialogState::Message message = m_state->current.back();
    if (message.kind != MessageKind::SysCommand)
        return 0;
    const UINT command = static_cast<UINT>(message.wParam) & 0xFFF0;
    if (command == SC_CLOSE) {
        DispatchCommand(*this, IDCANCEL, BN_CLICKED);
        return 0;
    }
    if (command == SC_MOVE && m_state->window && m_state->window->windowHandle())
        m_state->window->windowHandle()->startSystemMove();
    return 0;
}

void CDialog::OnPaint() { Default(); }

int CDialog::DoModal()
{
    const DialogTemplate* tmpl = FindDialogTemplate(static_cast<int>(m_state->templateId));
    if (!tmpl)
        return -1;
    CDialog* owner = OwnerOf(*this);
    QWidget* ownerWidget = owner ? owner->m_state->window : nullptr;

    auto window = std::make_unique<DialogWindow>(*this, *tmpl, ownerWidget);
    m_state->window = window.get();
    m_state->focus.Reset();
    AttachWidget(this, 0, window.get());
    for (const ControlTemplate& control : tmpl->controls) {
        if (control.id == IDC_STATIC)
            continue;
        auto item = std::make_unique<CWnd>();
        item->AttachWidget(this, control.id, window->Control(control.id));
        m_state->items[control.id] = std::move(item);
    }

    if (OnInitDialog()) {
        const int first = window->FirstTabStop();
        if (first != 0)
            window->FocusControl(first, Qt::TabFocusReason);
    }
    CommitLists(*this);
    window->CentreOver(ownerWidget);

    BeginModalChild(owner);
    ModalRun run;
    run.kind = ModalKind::Dialog;
    run.templateId = m_state->templateId;
    run.caption = FromQString(window->windowTitle());
    run.owner = owner;
    const int result = RunModal(*window, run, IDCANCEL);

    for (CWnd* attached : m_state->attached)
        attached->DetachWidget();
    m_state->attached.clear();
    m_state->items.clear();
    DetachWidget();
    m_state->window = nullptr;
    window.reset();
    EndModalChild(owner);
    return result;
}

void DispatchCommand(CDialog& dialog, int id, int code)
{
    DialogState& state = dialog.State();
    if (state.updating > 0)
        return;
    state.current.push_back({MessageKind::Command, static_cast<WPARAM>(id), code});
    const bool handled = dialog.RouteMessage(MessageKind::Command, id, code, 0, 0);
    if (!handled && AfxGetApp())
        AfxGetApp()->RouteMessage(MessageKind::Command, id, code, 0, 0);
    state.current.pop_back();
    CommitLists(dialog);
}

void DispatchSysCommand(CDialog& dialog, UINT command)
{
    DialogState& state = dialog.State();
    state.current.push_back({MessageKind::SysCommand, command, 0});
    if (!dialog.RouteMessage(MessageKind::SysCommand, 0, 0, command, 0))
        dialog.Default();
    state.current.pop_back();
    CommitLists(dialog);
}

void DispatchPaint(CDialog& dialog)
{
    DialogState& state = dialog.State();
    state.current.push_back({MessageKind::Paint, 0, 0});
    dialog.RouteMessage(MessageKind::Paint, 0, 0, 0, 0);
    state.current.pop_back();
}

void CommitLists(CDialog& dialog)
{
    DialogWindow* window = dialog.State().window;
    if (!window)
        return;
    for (ListBoxView* list : window->Client()->findChildren<ListBoxView*>(Qt::FindDirectChildrenOnly))
        list->List().Commit();
}

CDialog* OwnerOf(CDialog& dialog)
{
    CWnd* parent = dialog.State().parent;
    if (parent)
        return parent->OwningDialog();
    auto* main = dynamic_cast<CDialog*>(AfxGetMainWnd());
    if (!main || main == &dialog || !main->State().window)
        return nullptr;
    return main;
}

void BeginModalChild(CDialog* owner)
{
    if (!owner)
        return;
    CommitLists(*owner);
    owner->State().focus.ModalChildStarted();
}

void EndModalChild(CDialog* owner)
{
    if (!owner)
        return;
    DialogWindow* window = owner->State().window;
    if (!window)
        return;
    if (!WindowSystemReactivates())
        window->activateWindow();
    const int id = owner->State().focus.ModalChildEnded(window->isActiveWindow());
    if (QWidget* control = window->Control(id))
        control->setFocus(Qt::ActiveWindowFocusReason);
    CommitLists(*owner);
}
