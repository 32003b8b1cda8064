#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <functional>

namespace corvane {

class TMdb;

// Any table as a Qt table model: one row per record of the table's view (one empty row for
// an empty view), one column per grid column. Cell texts are the table's own grid texts with
// Greek letters; the three header rows of the grid are the horizontal header's data. The
// model holds no records: rows are positions in the view, and whoever keeps a record across
// a reload keeps its key.
class TMdbTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Header data roles beside Qt::DisplayRole (the caption) and Qt::ToolTipRole (the long
    // caption).
    static constexpr int kUnitRole = Qt::UserRole + 1;

    explicit TMdbTableModel(TMdb& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Changes the table (records, order or columns) inside a model reset.
    void Change(const std::function<void()>& change);
    // The key of the record in a row, -1 when the row shows none.
    std::int32_t KeyAt(int row) const;
    // The row of the record with this key, -1 when the view does not hold it.
    int RowOfKey(std::int32_t key) const;

    TMdb& Table() const { return table_; }

private:
    TMdb& table_;
};

} // namespace corvane
