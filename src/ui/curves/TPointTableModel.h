#pragma once

#include "selection/TPointTable.h"

#include <QAbstractTableModel>

namespace corvane {

class TMdbMw;

// The point table of a curve window as a Qt model: one row per point and curve (one empty
// row when there is none); each column headed by its symbol and unit, its name as tooltip.
class TPointTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TPointTableModel(QObject* parent = nullptr);

    // Takes new rows and headers (language and units of the moment).
    void SetTable(const TPointTable& table, const TMdbMw& fields, bool selectionMode, int language,
                  int unitSystem);
    // The row's point (1-based list entry), 0 for the empty row.
    int PointOfRow(int row) const;
    // First row of a point, -1 when it has none.
    int FirstRowOfPoint(int point) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<TPointTable::TRow> rows_;
    std::array<QString, TPointTable::kColumnCount> headers_;
    std::array<QString, TPointTable::kColumnCount> toolTips_;
};

} // namespace corvane
