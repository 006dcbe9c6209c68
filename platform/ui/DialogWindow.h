#pragma once
// The Qt window of a running dialog, built from its template: the controls in
// template order at their dialog-unit places, the menu bar, the dialog
// manager's keys and the focus reports to the dialog's focus model.

#include "DialogUnits.h"
#include "ResourceTypes.h"

#include <QDialog>

#include <vector>

class CDialog;
class QMenuBar;

class DialogWindow : public QDialog {
    Q_OBJECT
public:
    DialogWindow(CDialog& dialog, const DialogTemplate& tmpl, QWidget* owner);

    QWidget* Control(int id) const;
    int IdOf(const QWidget* widget) const;
    // The first enabled, visible control with a tab stop, or 0.
    int FirstTabStop() const;
    // Gives the toolkit's focus to a control and tells the focus model.
    void FocusControl(int id, Qt::FocusReason reason);
    void ShowSystemMenu(const QPoint& globalPos);
    QWidget* Client() const { return m_client; }
    BaseUnits Units() const { return m_units; }
    void CentreOver(QWidget* owner);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Item {
        const ControlTemplate* tmpl;
        QWidget* widget;
    };

    void BuildMenu(int menuId);
    QWidget* CreateControl(const ControlTemplate& control);
    bool HandleKey(QKeyEvent* event);
    void ClickDefaultOrFocusedButton();
    void AccessKeyOfFrame(size_t index);
    bool IsTabStop(const Item& control) const;

    CDialog& m_dialog;
    const DialogTemplate& m_tmpl;
    BaseUnits m_units{};
    QMenuBar* m_menuBar = nullptr;
    QWidget* m_client = nullptr;
    std::vector<Item> m_controls;
};
