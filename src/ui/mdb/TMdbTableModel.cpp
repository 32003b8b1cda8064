#include "ui/mdb/TMdbTableModel.h"

#include "i18n/Language.h"
#include "mdb/TMdb.h"
#include "mdb/TableGridText.h"
#include "ui/common/QtText.h"

#include <algorithm>

namespace corvane {

TMdbTableModel::TMdbTableModel(TMdb& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

int TMdbTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return GridRowCount(table_) - TMdb::kHeaderRows;
}

int TMdbTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return GridColumnCount(table_);
}

QVariant TMdbTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    if (role != Qt::DisplayRole && role != Qt::TextAlignmentRole) return {};
    const TCellText cell = table_.CellText(index.column(), index.row() + TMdb::kHeaderRows);
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment side = cell.LeftAligned ? Qt::AlignLeft : Qt::AlignRight;
        return QVariant::fromValue(side | Qt::AlignVCenter);
    }
    return ShownText(cell.Text);
}

QVariant TMdbTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    switch (role) {
    case Qt::DisplayRole:
        return ShownText(table_.CellText(section, 0).Text);
    case kUnitRole:
        return ShownText(table_.CellText(section, 1).Text);
    case Qt::ToolTipRole: {
        if (section >= table_.ColumnCount()) return {};
        const int field = table_.Columns()[static_cast<std::size_t>(section)];
        return ShownText(table_.Field(field).LongCaptionIn(std::clamp(TextLanguage(), 0, 2)));
    }
    default:
        return {};
    }
}

void TMdbTableModel::Change(const std::function<void()>& change) {
    beginResetModel();
    try {
        change();
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

std::int32_t TMdbTableModel::KeyAt(int row) const {
    const TMdbRecord* record = table_.ViewRecord(row);
    return record == nullptr ? -1 : table_.Key(record);
}

int TMdbTableModel::RowOfKey(std::int32_t key) const {
    const TMdbRecord* record = table_.FindByKey(key);
    return record == nullptr ? -1 : table_.ViewIndexOf(record);
}

} // namespace corvane
