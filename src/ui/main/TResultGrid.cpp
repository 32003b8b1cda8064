#include "ui/main/TResultGrid.h"

#include <QContextMenuEvent>
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
    setContextMenuPolicy(Qt::DefaultContextMenu);
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
        return;
    }
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && index.column() == 0) {
        SelectRow(index.row());
        Q_EMIT markToggleRequested(index.row());
    }
}

void TResultGrid::contextMenuEvent(QContextMenuEvent* event) {
    // By mouse the row under the pointer (already selected by the press), by the menu key the
    // selected row; header rows and empty space open nothing.
    int row = SelectedRow();
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QModelIndex index = indexAt(event->pos());
        row = index.isValid() ? index.row() : -1;
    } else if (row >= 0) {
        at = viewport()->mapToGlobal(visualRect(model()->index(row, 1)).center());
    }
    if (row < 0) return;
    SelectRow(row);
    Q_EMIT contextMenuRequested(row, at);
}

} // namespace corvane
