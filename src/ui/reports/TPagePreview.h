#pragma once

#include "render/reports/TReportPage.h"

#include <QImage>
#include <QWidget>
#include <vector>

namespace corvane {

// The preview of one evaluation page at paper proportions: the page's first sheet drawn once
// into a picture of the widget's size when the page or the size changes; painting only shows
// the picture. Remembers the diagram bands' bottoms for finding the clicked diagram.
class TPagePreview : public QWidget {
    Q_OBJECT
public:
    explicit TPagePreview(QWidget* parent = nullptr);

    void SetPage(const TReportPage& page, const TPageFrameData& frame);
    const TReportPage& Page() const { return page_; }
    // The page area inside the widget.
    QRect PageRect() const;
    // 1-based diagram band at a widget point (the first band whose bottom lies at or below
    // it); 0 outside the bands.
    int BandAt(QPoint point) const;
    const QImage& Picture() const { return picture_; }

Q_SIGNALS:
    void ContextMenuRequested(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Render();

    TReportPage page_;
    TPageFrameData frame_;
    QImage picture_;
    std::vector<int> bands_;
};

} // namespace corvane
