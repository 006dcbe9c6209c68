#include "FileListItemModel.h"

#include "QtText.h"

namespace {

// A row is one line: a name holding a line break would show only up to it,
// and a tab as a wide gap. A control character is drawn as the replacement
// character, as a name with no code-page form is (no font here has the
// control pictures); the entry's bytes stay as they are, so the rename still
// finds the file.
QString OnOneLine(QString text)
{
    for (QChar& ch : text) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
            ch = QChar::ReplacementCharacter;
    }
    return text;
}

}  // namespace

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
    return OnOneLine(ToQString(entries[static_cast<size_t>(index.row())]));
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
