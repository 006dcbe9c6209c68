#include "ListBoxView.h"

#include <QItemSelectionModel>
#include <QMouseEvent>

ListBoxView::ListBoxView(QWidget* parent) : QListView(parent), m_model(m_list)
{
    setModel(&m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setTabKeyNavigation(false);

    connect(&m_model, &FileListItemModel::modelSelectionChanged, this, [this] { ShowModelSelection(); });
    connect(&m_model, &FileListItemModel::structureChanged, this, [this] { ShowModelSelection(); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { TakeViewSelection(); });
}

void ListBoxView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit listDoubleClicked();
}

void ListBoxView::ShowModelSelection()
{
    m_showing = true;
    const int row = m_list.CommittedSelection();
    if (row < 0 || row >= static_cast<int>(m_list.CommittedEntries().size())) {
        selectionModel()->clearSelection();
    } else {
        const QModelIndex index = m_model.index(row);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        scrollTo(index);
    }
    m_showing = false;
}

void ListBoxView::TakeViewSelection()
{
    if (m_showing)
        return;
    const QModelIndexList rows = selectionModel()->selectedRows();
    m_list.SetCurSelFromView(rows.isEmpty() ? -1 : rows.first().row());
}
