#pragma once

#include <QTableView>

namespace corvane {

// The result grid "ErgGrid": whole-row selection, user-sizable columns, one row height for
// every row. A left click on column 0 of a row selects it and asks to toggle its chart mark;
// the right button selects the row, and the context-menu request that follows (mouse or menu
// key) asks for the context menu of the selected row.
class TResultGrid : public QTableView {
    Q_OBJECT
public:
    static constexpr int kDefaultColumnWidth = 60;
    static constexpr int kDesignationColumnWidth = 127;

    explicit TResultGrid(QWidget* parent = nullptr);

    // Row height from the grid's font: max(17, font height + 4) pixels.
    int RowHeight() const;
    void ApplyRowHeight();
    // The selected result row, -1 when none is.
    int SelectedRow() const;
    void SelectRow(int row);

Q_SIGNALS:
    void markToggleRequested(int row);
    void contextMenuRequested(int row, const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace corvane
