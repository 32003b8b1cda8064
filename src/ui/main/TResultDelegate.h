#pragma once

#include <QStyledItemDelegate>

namespace corvane {

// Paints the owner-drawn cells of the result grid: the chart symbol of a marked row in
// column 0 (symbol and colour of its curve, white fill) and the remark marker in column 13
// on its colour with a black outline (not on the selected row). Texts keep 2 pixels to the
// cell edge and 1 pixel to its top.
class TResultDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    void PaintText(QPainter& painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index) const;
};

} // namespace corvane
