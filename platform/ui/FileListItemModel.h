#pragma once
// The file-list model as Qt's item model, so the view draws only the rows it
// shows and 100,000 entries cost nothing until they scroll into sight.

#include "FileList.h"

#include <QAbstractListModel>

class FileListItemModel : public QAbstractListModel, public FileListObserver {
    Q_OBJECT
public:
    explicit FileListItemModel(FileList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void BeginReset() override;
    void EndReset() override;
    void BeginInsert(int index) override;
    void EndInsert() override;
    void BeginRemove(int index) override;
    void EndRemove() override;
    void SelectionChanged(int index) override;

signals:
    void modelSelectionChanged(int index);
    void structureChanged();

private:
    FileList& m_list;
};
