#include "ui/reports/TPagePreview.h"

#include "render/reports/PageGeometry.h"
#include "render/reports/ReportPainter.h"

#include <QContextMenuEvent>
#include <QPainter>

namespace corvane {

TPagePreview::TPagePreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PagePreview"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPagePreview::SetPage(const TReportPage& page, const TPageFrameData& frame) {
    page_ = page;
    frame_ = frame;
    Render();
}

QRect TPagePreview::PageRect() const {
    return PreviewRect(rect(), page_.Landscape);
}

int TPagePreview::BandAt(QPoint point) const {
    const QRect page = PageRect();
    for (std::size_t i = 0; i < bands_.size(); ++i)
        if (point.y() - page.top() <= bands_[i]) return static_cast<int>(i) + 1;
    return 0;
}

void TPagePreview::Render() {
    const QRect page = PageRect();
    bands_.clear();
    if (page.width() < 2 || page.height() < 2) {
        picture_ = QImage();
        update();
        return;
    }
    picture_ = QImage(page.size(), QImage::Format_RGB32);
    picture_.fill(Qt::white);
    QPainter painter(&picture_);
    bands_ = PaintReportSheet(painter, picture_.rect(), page_, frame_).BandBottoms;
    update();
}

void TPagePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    const QRect page = PageRect();
    painter.fillRect(page.translated(3, 3), QColor(0, 0, 0, 80));
    painter.drawImage(page.topLeft(), picture_);
}

void TPagePreview::resizeEvent(QResizeEvent*) {
    Render();
}

void TPagePreview::contextMenuEvent(QContextMenuEvent* event) {
    Q_EMIT ContextMenuRequested(event->pos());
}

} // namespace corvane
