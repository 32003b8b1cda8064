#include "ui/curves/TPointTableModel.h"

#include "render/curves/CurvePalette.h"
#include "render/diagram/DiagramText.h"
#include "render/diagram/Markers.h"

#include <QPainter>
#include <QPixmap>

namespace corvane {

namespace {

QPixmap CurveIcon(int curve) {
    QPixmap icon(12, 12);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    painter.setPen(CurveColour(curve));
    painter.setBrush(Qt::white);
    DrawMarker(painter, 6, 6, 9, curve);
    return icon;
}

} // namespace

TPointTableModel::TPointTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TPointTableModel::SetTable(const TPointTable& table, const TMdbMw& fields, bool selectionMode,
                                int language, int unitSystem) {
    beginResetModel();
    rows_ = table.Rows();
    for (int c = 0; c < TPointTable::kColumnCount; ++c) {
        const QString name =
            DiagramText(TPointTable::Header(fields, c, 0, selectionMode, language, unitSystem));
        const QString symbol =
            DiagramText(TPointTable::Header(fields, c, 1, selectionMode, language, unitSystem));
        // The symbol with its unit keeps the columns narrow; the name is the tooltip.
        headers_[static_cast<std::size_t>(c)] = symbol.isEmpty() ? name : symbol;
        toolTips_[static_cast<std::size_t>(c)] = name;
    }
    endResetModel();
}

int TPointTableModel::PointOfRow(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return 0;
    return rows_[static_cast<std::size_t>(row)].Point;
}

int TPointTableModel::FirstRowOfPoint(int point) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].Point == point) return static_cast<int>(i);
    return -1;
}

int TPointTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return std::max(1, static_cast<int>(rows_.size()));
}

int TPointTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TPointTable::kColumnCount;
}

QVariant TPointTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
    const TPointTable::TRow& row = rows_[static_cast<std::size_t>(index.row())];
    // The curve's marker in its colour, as the diagram draws it.
    if (role == Qt::DecorationRole && index.column() == 0) return CurveIcon(row.Curve);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    const std::string& cell = row.Cells[static_cast<std::size_t>(index.column())];
    return QString::fromStdString(cell);
}

QVariant TPointTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || orientation != Qt::Horizontal ||
        section < 0 || section >= TPointTable::kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    const auto column = static_cast<std::size_t>(section);
    return role == Qt::DisplayRole ? headers_[column] : toolTips_[column];
}

} // namespace corvane
