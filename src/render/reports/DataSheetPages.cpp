#include "render/reports/DataSheetPages.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPdfDocument>
#include <algorithm>

namespace corvane {

namespace {

// Pages are rendered at up to this many dots per inch of the sheet.
constexpr double kMaxDpi = 200;

} // namespace

int PaintDataSheet(const QString& file, const std::function<QPainter*(bool landscape)>& nextSheet) {
    QPdfDocument document;
    if (document.load(file) != QPdfDocument::Error::None) return 0;
    int drawn = 0;
    for (int i = 0; i < document.pageCount(); ++i) {
        const QSizeF points = document.pagePointSize(i);
        if (points.isEmpty()) continue;
        QPainter* painter = nextSheet(points.width() > points.height());
        if (painter == nullptr) return -1;
        const QPaintDevice* device = painter->device();
        const QRect area(0, 0, device->width(), device->height());
        // The page scaled to fit the sheet, centred.
        const double scale =
            std::min(area.width() / points.width(), area.height() / points.height());
        const QSize target((points * scale).toSize());
        const double dpi = std::min(kMaxDpi, double(device->logicalDpiX()));
        const QSize render((points * dpi / 72.0).toSize());
        const QImage image = document.render(i, render);
        const QRect where(area.left() + (area.width() - target.width()) / 2,
                          area.top() + (area.height() - target.height()) / 2, target.width(),
                          target.height());
        painter->drawImage(where, image);
        ++drawn;
    }
    return drawn;
}

} // namespace corvane
