#pragma once
// A group box whose access key moves the focus to the control that follows it
// in template order, as the dialog manager does; the controls it frames are
// not its children, so Qt's own handling would find none.

#include <QGroupBox>

#include <functional>

class GroupBoxControl : public QGroupBox {
    Q_OBJECT
public:
    GroupBoxControl(const QString& title, QWidget* parent, std::function<void()> onAccessKey);

protected:
    bool event(QEvent* event) override;

private:
    std::function<void()> m_onAccessKey;
};
