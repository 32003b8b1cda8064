#include "ui/main/TResultGrid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace corvane {

TResultGrid::TResultGrid(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("ErgGrid"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::NoContextMenu);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultSectionSize(kDefaultColumnWidth);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    ApplyRowHeight();
}

int TResultGrid::RowHeight() const {
    return std::max(17, fontMetrics().height() + 4);
}

void TResultGrid::ApplyRowHeight() {
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(RowHeight());
}

int TResultGrid::SelectedRow() const {
    const QModelIndexList rows =
        selectionModel() != nullptr ? selectionModel()->selectedRows() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TResultGrid::SelectRow(int row) {
    if (model() == nullptr || row < 0 || row >= model()->rowCount()) return;
    selectRow(row);
    scrollTo(model()->index(row, 0));
}

void TResultGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid()) {
        QTableView::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::RightButton) {
        SelectRow(index.row());
        Q_EMIT contextMenuRequested(index.row(), event->globalPosition().toPoint());
        return;
    }
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && index.column() == 0) {
        SelectRow(index.row());
        Q_EMIT markToggleRequested(index.row());
    }
}

} // namespace corvane
