#pragma once

#include <QAbstractTableModel>
#include <cstdint>

namespace corvane {

class TMwEditor;

// The editor's grid for a table view: one row per field, one column per point. The field
// captions (the grid's column 0) are the vertical header, so they stay in sight while the
// points scroll; the horizontal header numbers the points. The model holds nothing itself:
// every cell is asked from the editor.
class TMwGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TMwGridModel(TMwEditor& editor, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // After the editor changed: a new layout when points came or went, else new values.
    void Refresh();

private:
    TMwEditor& editor_;
    std::uint64_t columnsRevision_;
};

} // namespace corvane
