#include "FileListItemModel.h"

#include "QtText.h"

FileListItemModel::FileListItemModel(FileList& list, QObject* parent)
    : QAbstractListModel(parent), m_list(list)
{
    m_list.SetObserver(this);
}

int FileListItemModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return static_cast<int>(m_list.CommittedEntries().size());
}

QVariant FileListItemModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const auto& entries = m_list.CommittedEntries();
    if (index.row() < 0 || index.row() >= static_cast<int>(entries.size()))
        return {};
    return ToQString(entries[static_cast<size_t>(index.row())]);
}

void FileListItemModel::BeginReset() { beginResetModel(); }

void FileListItemModel::EndReset()
{
    endResetModel();
    emit structureChanged();
}

void FileListItemModel::BeginInsert(int index) { beginInsertRows(QModelIndex(), index, index); }

void FileListItemModel::EndInsert()
{
    endInsertRows();
    emit structureChanged();
}

void FileListItemModel::BeginRemove(int index) { beginRemoveRows(QModelIndex(), index, index); }

void FileListItemModel::EndRemove()
{
    endRemoveRows();
    emit structureChanged();
}

void FileListItemModel::SelectionChanged(int index) { emit modelSelectionChanged(index); }
