#include "ui/mdb/TMdbHeaderView.h"

#include "ui/mdb/TMdbTableModel.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QToolTip>

namespace corvane {

namespace {
constexpr int kLines = 3;
} // namespace

TMdbHeaderView::TMdbHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
}

int TMdbHeaderView::LineHeight() const {
    return fontMetrics().height() + 4;
}

void TMdbHeaderView::SetSortMarker(int section, bool descending) {
    sortSection_ = section;
    descending_ = descending;
    viewport()->update();
}

QSize TMdbHeaderView::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(kLines * LineHeight() + 1);
    return size;
}

QPolygon TMdbHeaderView::SortTriangle(const QRect& markerRow, bool descending) {
    const int h = (markerRow.height() - 4) / 2;
    const int left = markerRow.left();
    const int top = markerRow.top();
    const int bottom = markerRow.bottom();
    if (descending)
        return QPolygon({QPoint(left + h, top + 4), QPoint(left + 2 * h, bottom - 4),
                         QPoint(left + 3 * h, top + 4)});
    return QPolygon({QPoint(left + h, bottom - 4), QPoint(left + 2 * h, top + 4),
                     QPoint(left + 3 * h, bottom - 4)});
}

void TMdbHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid() || model() == nullptr) return;
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.text.clear();
    option.sortIndicator = QStyleOptionHeader::None;
    painter->save();
    style()->drawControl(QStyle::CE_Header, &option, painter, this);

    const int line = LineHeight();
    const QRect caption(rect.left() + 2, rect.top() + 1, rect.width() - 4, line);
    const QRect unit(rect.left() + 2, rect.top() + line + 1, rect.width() - 4, line);
    painter->setPen(palette().color(QPalette::ButtonText));
    painter->setClipRect(rect.adjusted(0, 0, -1, 0));
    painter->drawText(caption, Qt::AlignLeft | Qt::AlignVCenter,
                      model()->headerData(logicalIndex, Qt::Horizontal).toString());
    painter->drawText(
        unit, Qt::AlignRight | Qt::AlignVCenter,
        model()->headerData(logicalIndex, Qt::Horizontal, TMdbTableModel::kUnitRole).toString());
    if (logicalIndex == sortSection_) {
        const QRect marker(rect.left(), rect.top() + 2 * line, rect.width(), line);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(Qt::black);
        painter->setBrush(Qt::black);
        painter->drawPolygon(SortTriangle(marker, descending_));
    }
    painter->restore();
}

QString TMdbHeaderView::HintAt(const QPoint& pos) const {
    const int section = logicalIndexAt(pos);
    if (section < 0 || model() == nullptr || pos.y() >= 2 * LineHeight()) return {};
    return model()->headerData(section, Qt::Horizontal, Qt::ToolTipRole).toString();
}

// Hints stay 10 s; the tool tip is replaced only when its text changes.
bool TMdbHeaderView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QHeaderView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString hint = HintAt(help->pos());
    if (hint.isEmpty()) {
        QToolTip::hideText();
    } else if (!QToolTip::isVisible() || QToolTip::text() != hint) {
        const int section = logicalIndexAt(help->pos());
        const QRect area(sectionViewportPosition(section), 0, sectionSize(section),
                         2 * LineHeight());
        QToolTip::showText(help->globalPos(), hint, viewport(), area, kHintMilliseconds);
    }
    return true;
}

void TMdbHeaderView::contextMenuEvent(QContextMenuEvent* event) {
    const int section = logicalIndexAt(event->pos());
    if (section >= 0) Q_EMIT SectionMenuRequested(section, event->globalPos());
    event->accept();
}

} // namespace corvane
