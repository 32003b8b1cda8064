#include "ui/main/TResultDelegate.h"

#include "render/curves/CurvePalette.h"
#include "render/diagram/Markers.h"
#include "ui/main/TResultModel.h"

#include <QApplication>
#include <QPainter>

namespace corvane {

void TResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->save();
    if (index.column() == TResultModel::kRemarkColumn && !selected) {
        const QColor colour =
            TResultModel::RemarkColour(index.data(TResultModel::RemarkRole).toString());
        if (colour.isValid()) {
            // One pixel larger than the cell so that neighbouring outlines overlap.
            painter->setPen(Qt::black);
            painter->setBrush(colour);
            painter->drawRect(option.rect.adjusted(-1, -1, 0, 0));
        }
    }
    const int mark = index.column() == 0 ? index.data(TResultModel::ChartMarkRole).toInt() : 0;
    if (mark >= 1) {
        const int rowHeight = option.rect.height();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(CurveColour(mark), 1.5));
        painter->setBrush(Qt::white);
        DrawMarker(*painter, option.rect.left() + rowHeight, option.rect.center().y(),
                   rowHeight - 4, mark);
    }
    painter->restore();
    PaintText(*painter, option, index);
}

void TResultDelegate::PaintText(QPainter& painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) return;
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter.save();
    painter.setFont(option.font);
    painter.setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect area = option.rect.adjusted(2, 1, -2, 0);
    const auto alignment = index.data(Qt::TextAlignmentRole).toInt();
    const QString shown =
        option.fontMetrics.elidedText(text, Qt::ElideRight, area.width(), Qt::TextSingleLine);
    painter.drawText(area, alignment | Qt::TextSingleLine, shown);
    painter.restore();
}

} // namespace corvane
