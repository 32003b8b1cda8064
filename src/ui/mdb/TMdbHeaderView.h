#pragma once

#include <QHeaderView>

namespace corvane {

// The three header rows of a table browser drawn in the horizontal header: the caption
// (left-aligned), the unit (right-aligned) and the row that carries the sort triangle,
// pointing up for an ascending and down for a descending order. Over the caption and unit
// rows the long caption shows as a hint for 10 s.
class TMdbHeaderView : public QHeaderView {
    Q_OBJECT
public:
    static constexpr int kHintMilliseconds = 10000;

    explicit TMdbHeaderView(QWidget* parent = nullptr);

    // One header row: the text height plus 4 pixels.
    int LineHeight() const;
    void SetSortMarker(int section, bool descending);
    int SortSection() const { return sortSection_; }
    bool SortDescending() const { return descending_; }
    // Corners of the sort triangle in a section rectangle (the third header row).
    static QPolygon SortTriangle(const QRect& markerRow, bool descending);

    // The hint at a point of the header: the long caption over the caption and unit rows,
    // else nothing.
    QString HintAt(const QPoint& pos) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    // A right click on a section.
    void SectionMenuRequested(int section, const QPoint& globalPos);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    bool viewportEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int sortSection_ = -1;
    bool descending_ = false;
};

} // namespace corvane
