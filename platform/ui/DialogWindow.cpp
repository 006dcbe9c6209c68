#include "DialogWindow.h"

#include "CDialog.h"
#include "DialogState.h"
#include "GroupBoxControl.h"
#include "IconImages.h"
#include "ListBoxView.h"
#include "QtText.h"
#include "resource.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

namespace {

// The templates name the Windows Japanese gothics; fontconfig does not know
// them and would fall back to a face without Japanese glyphs.
QString FaceFor(const char8_t* templateFace)
{
    const QString face = ToQString(templateFace);
    if (face.contains(QStringLiteral("Ｐ")))
        return QStringLiteral("IPAPGothic");
    return QStringLiteral("IPAGothic");
}

QFont DialogFont(const DialogTemplate& tmpl)
{
    QFont font(FaceFor(tmpl.fontFace));
    font.setPixelSize(FontPixelSize(tmpl.fontPoints));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

BaseUnits MeasureBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return BaseUnitsFromMetrics(width, metrics.height());
}

bool IsDefaultPushButton(const ControlTemplate& control)
{
    return control.kind == ControlKind::PushButton && (control.style & 0xF) == BS_DEFPUSHBUTTON;
}

Qt::FocusPolicy FocusPolicyFor(const ControlTemplate& control)
{
    if (control.kind == ControlKind::Static || control.kind == ControlKind::GroupBox)
        return Qt::NoFocus;
    if (control.style & WS_TABSTOP)
        return Qt::StrongFocus;
    return Qt::ClickFocus;
}

}  // namespace

DialogWindow::DialogWindow(CDialog& dialog, const DialogTemplate& tmpl, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      m_dialog(dialog),
      m_tmpl(tmpl)
{
    setWindowTitle(ToQString(tmpl.caption));
    const QFont font = DialogFont(tmpl);
    setFont(font);
    m_units = MeasureBaseUnits(font);

    int menuHeight = 0;
    if (tmpl.menuId != 0) {
        BuildMenu(tmpl.menuId);
        menuHeight = m_menuBar->sizeHint().height();
    }
    const int width = DialogUnitsToPixelsX(tmpl.cx, m_units);
    const int height = DialogUnitsToPixelsY(tmpl.cy, m_units);
    if (m_menuBar)
        m_menuBar->setGeometry(0, 0, width, menuHeight);
    m_client = new QWidget(this);
    m_client->setGeometry(0, menuHeight, width, height);
    m_client->installEventFilter(this);

    for (const ControlTemplate& control : tmpl.controls)
        m_controls.push_back({&control, CreateControl(control)});
    // The frames are drawn behind the controls they hold.
    for (const Item& control : m_controls) {
        if (control.tmpl->kind == ControlKind::GroupBox)
            control.widget->lower();
    }
    setFixedSize(width, menuHeight + height);
}

void DialogWindow::BuildMenu(int menuId)
{
    const MenuTemplate* menu = FindMenuTemplate(menuId);
    if (!menu)
        return;
    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);
    for (const PopupTemplate& popup : menu->popups) {
        QMenu* pulldown = m_menuBar->addMenu(ToQString(popup.text));
        for (const MenuItemTemplate& item : popup.items) {
            if (!item.text) {
                pulldown->addSeparator();
                continue;
            }
            QAction* action = pulldown->addAction(ToQString(item.text));
            const int id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { DispatchCommand(m_dialog, id, BN_CLICKED); });
        }
    }
}

QWidget* DialogWindow::CreateControl(const ControlTemplate& control)
{
    const QString text = ToQString(control.text);
    const int id = control.id;
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, m_client);
        button->setAutoDefault(false);
        button->setDefault(IsDefaultPushButton(control));
        connect(button, &QPushButton::clicked, this, [this, id] { DispatchCommand(m_dialog, id, BN_CLICKED); });
        widget = button;
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(text, m_client);
        connect(box, &QCheckBox::clicked, this, [this, id] { DispatchCommand(m_dialog, id, BN_CLICKED); });
        widget = box;
        break;
    }
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(text, m_client);
        connect(radio, &QRadioButton::clicked, this, [this, id] { DispatchCommand(m_dialog, id, BN_CLICKED); });
        widget = radio;
        break;
    }
    case ControlKind::GroupBox: {
        const size_t index = m_controls.size();
        widget = new GroupBoxControl(text, m_client, [this, index] { AccessKeyOfFrame(index); });
        break;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(text, m_client);
        edit->setReadOnly(control.style & ES_READONLY);
        edit->setFrame(control.style & WS_BORDER);
        connect(edit, &QLineEdit::textChanged, this, [this, id] { DispatchCommand(m_dialog, id, EN_CHANGE); });
        widget = edit;
        break;
    }
    case ControlKind::ListBox: {
        auto* list = new ListBoxView(m_client);
        connect(list, &ListBoxView::listDoubleClicked, this, [this, id] { DispatchCommand(m_dialog, id, LBN_DBLCLK); });
        widget = list;
        break;
    }
    case ControlKind::Static: {
        auto* label = new QLabel(m_client);
        label->setTextFormat(Qt::PlainText);
        if ((control.style & 0x1F) == SS_ICON) {
            label->setPixmap(IconPixmap(control.iconId, 32));
        } else {
            label->setText(text);
        }
        Qt::Alignment horizontal = (control.style & 0x1F) == SS_CENTER ? Qt::AlignHCenter : Qt::AlignLeft;
        Qt::Alignment vertical = (control.style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop;
        label->setAlignment(horizontal | vertical);
        if ((control.style & SS_SUNKEN) || (control.exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)))
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        widget = label;
        break;
    }
    }
    widget->setGeometry(DialogUnitsToPixelsX(control.x, m_units), DialogUnitsToPixelsY(control.y, m_units),
                        DialogUnitsToPixelsX(control.cx, m_units), DialogUnitsToPixelsY(control.cy, m_units));
    widget->setFocusPolicy(FocusPolicyFor(control));
    widget->setEnabled(!(control.style & WS_DISABLED));
    widget->setVisible(control.style & WS_VISIBLE);
    widget->installEventFilter(this);
    return widget;
}

QWidget* DialogWindow::Control(int id) const
{
    for (const Item& control : m_controls) {
        if (control.tmpl->id == id && id != IDC_STATIC)
            return control.widget;
    }
    return nullptr;
}

int DialogWindow::IdOf(const QWidget* widget) const
{
    for (const Item& control : m_controls) {
        if (control.widget == widget)
            return control.tmpl->id;
    }
    return 0;
}

bool DialogWindow::IsTabStop(const Item& control) const
{
    return (control.tmpl->style & WS_TABSTOP) && control.widget->isEnabled() && control.widget->isVisibleTo(this);
}

int DialogWindow::FirstTabStop() const
{
    for (const Item& control : m_controls) {
        if (IsTabStop(control))
            return control.tmpl->id;
    }
    return 0;
}

void DialogWindow::FocusControl(int id, Qt::FocusReason reason)
{
    QWidget* widget = Control(id);
    if (!widget)
        return;
    widget->setFocus(reason);
    m_dialog.State().focus.FocusArrived(id);
}

bool DialogWindow::focusNextPrevChild(bool next)
{
    const int count = static_cast<int>(m_controls.size());
    if (count == 0)
        return true;
    int current = -1;
    for (int i = 0; i < count; ++i) {
        if (m_controls[static_cast<size_t>(i)].widget == focusWidget())
            current = i;
    }
    for (int step = 1; step <= count; ++step) {
        int index = current < 0 ? (next ? step - 1 : count - step) : current + (next ? step : -step);
        index = ((index % count) + count) % count;
        const Item& candidate = m_controls[static_cast<size_t>(index)];
        if (!IsTabStop(candidate))
            continue;
        FocusControl(candidate.tmpl->id, next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return true;
}

void DialogWindow::AccessKeyOfFrame(size_t index)
{
    const size_t count = m_controls.size();
    for (size_t step = 1; step <= count; ++step) {
        size_t i = (index + step) % count;
        const Item& candidate = m_controls[i];
        const ControlKind kind = candidate.tmpl->kind;
        if (kind == ControlKind::Static || kind == ControlKind::GroupBox)
            continue;
        if (!candidate.widget->isEnabled() || !candidate.widget->isVisibleTo(this))
            continue;
        // A run of radio buttons is entered at the checked one.
        for (size_t j = i; j < count && m_controls[j].tmpl->kind == ControlKind::RadioButton; ++j) {
            if (static_cast<QRadioButton*>(m_controls[j].widget)->isChecked()) {
                i = j;
                break;
            }
        }
        FocusControl(m_controls[i].tmpl->id, Qt::ShortcutFocusReason);
        return;
    }
}

void DialogWindow::ClickDefaultOrFocusedButton()
{
    for (const Item& control : m_controls) {
        if (control.widget == focusWidget() && control.tmpl->kind == ControlKind::PushButton) {
            static_cast<QPushButton*>(control.widget)->click();
            return;
        }
    }
    for (const Item& control : m_controls) {
        if (!IsDefaultPushButton(*control.tmpl))
            continue;
        if (control.widget->isEnabled())
            static_cast<QPushButton*>(control.widget)->click();
        return;
    }
    DispatchCommand(m_dialog, IDOK, BN_CLICKED);
}

bool DialogWindow::HandleKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier) {
        ClickDefaultOrFocusedButton();
        return true;
    }
    if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        DispatchCommand(m_dialog, IDCANCEL, BN_CLICKED);
        return true;
    }
    if (key == Qt::Key_F4 && modifiers == Qt::AltModifier) {
        DispatchSysCommand(m_dialog, SC_CLOSE);
        return true;
    }
    if (key == Qt::Key_Space && modifiers == Qt::AltModifier) {
        ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
        return true;
    }
    if (key == Qt::Key_F1 && modifiers == Qt::NoModifier) {
        DispatchCommand(m_dialog, ID_HELP, BN_CLICKED);
        return true;
    }
    return false;
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    if (HandleKey(event))
        return;
    event->ignore();
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The close box is the system menu's close command; the dialog decides.
    event->ignore();
    DispatchSysCommand(m_dialog, SC_CLOSE);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        return HandleKey(static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const int id = IdOf(widget);
        if (reason != Qt::PopupFocusReason && id != 0)
            m_dialog.State().focus.FocusArrived(id);
        return false;
    }
    case QEvent::ContextMenu: {
        if (widget != m_client && !qobject_cast<QLabel*>(widget))
            return false;
        ShowSystemMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    default:
        return false;
    }
}

bool DialogWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        m_dialog.State().focus.ActivationArrived();
    if (event->type() == QEvent::WindowDeactivate && QApplication::activeWindow() == nullptr)
        m_dialog.State().focus.ApplicationLeft();
    return QDialog::event(event);
}

void DialogWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    DispatchPaint(m_dialog);
}

void DialogWindow::ShowSystemMenu(const QPoint& globalPos)
{
    QMenu menu(this);
    struct Entry {
        QAction* action;
        UINT command;
    };
    std::vector<Entry> entries;
    entries.push_back({menu.addAction(QStringLiteral("移動(&M)")), SC_MOVE});
    entries.push_back({menu.addAction(QStringLiteral("閉じる(&C)\tAlt+F4")), SC_CLOSE});
    for (const CMenu::Item& item : m_dialog.State().systemMenu.Items()) {
        if (item.flags & MF_SEPARATOR) {
            menu.addSeparator();
            continue;
        }
        entries.push_back({menu.addAction(ToQString(item.text)), item.id});
    }
    QAction* chosen = menu.exec(globalPos);
    for (const Entry& entry : entries) {
        if (entry.action == chosen)
            DispatchSysCommand(m_dialog, entry.command);
    }
}

void DialogWindow::CentreOver(QWidget* owner)
{
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect over = owner ? owner->frameGeometry() : area;
    int x = over.center().x() - width() / 2;
    int y = over.center().y() - height() / 2;
    x = std::max(area.left(), std::min(x, area.right() - width()));
    y = std::max(area.top(), std::min(y, area.bottom() - height()));
    move(x, y);
}
