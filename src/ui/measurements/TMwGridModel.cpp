#include "ui/measurements/TMwGridModel.h"

#include "acquisition/TMwEditor.h"
#include "util/GreekText.h"

#include <QBrush>
#include <QColor>

namespace corvane {

namespace {

QString Shown(const std::string& text) {
    const std::string greek = GreekText(text);
    return QString::fromUtf8(greek.data(), static_cast<qsizetype>(greek.size()));
}

} // namespace

TMwGridModel::TMwGridModel(TMwEditor& editor, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor), columnsRevision_(editor.ColumnsRevision()) {}

int TMwGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : editor_.Grid().RowCount();
}

int TMwGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : editor_.Grid().PointCount();
}

QVariant TMwGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int column = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Shown(editor_.Grid().CellText(index.row(), column));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        // The point being measured stands out.
        if (editor_.OpenPoint() != nullptr && editor_.Grid().Point(column) == editor_.OpenPoint())
            return QBrush(QColor(255, 250, 205));
        return {};
    default:
        return {};
    }
}

bool TMwGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const QByteArray text = value.toString().toUtf8();
    if (!editor_.SetCellText(
            index.row(), index.column() + 1,
            std::string_view(text.constData(), static_cast<std::size_t>(text.size()))))
        return false;
    Q_EMIT dataChanged(index, index);
    if (editor_.ColumnsRevision() != columnsRevision_) Refresh();
    return true;
}

Qt::ItemFlags TMwGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (editor_.Mode() == TMwEditor::Editing &&
        editor_.Grid().IsEditable(index.row(), index.column() + 1))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant TMwGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= editor_.Grid().RowCount()) return {};
        return Shown(editor_.Grid().CellText(section, 0));
    }
    const TMdbRecord* point = editor_.Grid().Point(section + 1);
    if (point == nullptr) return {};
    return Shown(editor_.Grid().CellText(1, section + 1)); // row 1: the point number
}

void TMwGridModel::Refresh() {
    if (editor_.ColumnsRevision() != columnsRevision_) {
        beginResetModel();
        columnsRevision_ = editor_.ColumnsRevision();
        endResetModel();
        return;
    }
    if (rowCount() == 0 || columnCount() == 0) return;
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

} // namespace corvane
