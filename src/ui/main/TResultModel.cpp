#include "ui/main/TResultModel.h"

#include "selection/TResultList.h"
#include "ui/common/QtText.h"

namespace corvane {

TResultModel::TResultModel(const TResultList& results, QObject* parent)
    : QAbstractTableModel(parent), results_(results) {
    TakeRows();
    TakeHeaders();
}

void TResultModel::Reset() {
    beginResetModel();
    TakeRows();
    TakeHeaders();
    endResetModel();
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, TResultList::kColumnCount - 1);
}

void TResultModel::MarksChanged() {
    if (rows_.size() != static_cast<qsizetype>(results_.Count())) {
        Reset();
        return;
    }
    for (qsizetype i = 0; i < rows_.size(); ++i)
        rows_[i].ChartMark = results_.Row(static_cast<std::size_t>(i)).ChartMark;
    if (!rows_.isEmpty()) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

void TResultModel::TakeRows() {
    rows_.clear();
    rows_.reserve(static_cast<qsizetype>(results_.Count()));
    for (std::size_t r = 0; r < results_.Count(); ++r) {
        Row row;
        for (int c = 0; c < TResultList::kColumnCount; ++c)
            row.Cells[static_cast<std::size_t>(c)] = ShownText(results_.CellText(r, c));
        row.ChartMark = results_.Row(r).ChartMark;
        rows_.push_back(std::move(row));
    }
}

void TResultModel::TakeHeaders() {
    for (int c = 0; c < TResultList::kColumnCount; ++c) {
        const QString top = ShownText(results_.ColumnHeader(c, 0));
        const QString unit = ShownText(results_.ColumnHeader(c, 1));
        headers_[static_cast<std::size_t>(c)] = top + QLatin1Char('\n') + unit;
    }
}

int TResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TResultList::kColumnCount;
}

QVariant TResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || index.column() < 0 ||
        index.column() >= TResultList::kColumnCount)
        return {};
    const Row& row = rows_[index.row()];
    const QString& text = row.Cells[static_cast<std::size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return text;
    case Qt::TextAlignmentRole:
        return TResultList::IsNumericColumn(index.column()) || index.column() == 0
                   ? QVariant(Qt::AlignRight | Qt::AlignTop)
                   : QVariant(Qt::AlignLeft | Qt::AlignTop);
    case ChartMarkRole:
        return index.column() == 0 ? QVariant(row.ChartMark) : QVariant();
    case RemarkRole:
        return index.column() == kRemarkColumn ? QVariant(text) : QVariant();
    default:
        return {};
    }
}

QVariant TResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= TResultList::kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) return headers_[static_cast<std::size_t>(section)];
    if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignCenter);
    return {};
}

QColor TResultModel::RemarkColour(const QString& marker) {
    if (marker == QLatin1String("*1") || marker == QLatin1String("*2")) return Qt::yellow;
    if (marker == QLatin1String("*3") || marker == QLatin1String("*4")) return Qt::cyan;
    return {};
}

} // namespace corvane
