#pragma once
// The list box control: a list view over its own file-list model. The model
// holds the selection; the view shows it and reports the user's changes.

#include "FileList.h"
#include "FileListItemModel.h"

#include <QListView>

class ListBoxView : public QListView {
    Q_OBJECT
public:
    explicit ListBoxView(QWidget* parent = nullptr);

    FileList& List() { return m_list; }

signals:
    // Any double click in the control, on an entry or not.
    void listDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ShowModelSelection();
    void TakeViewSelection();

    FileList m_list;
    FileListItemModel m_model;
    bool m_showing = false;
};
