#include "render/reports/ReportDocument.h"

#include "render/reports/DataSheetPages.h"
#include "render/reports/ReportPainter.h"
#include "render/reports/TReportPage.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace corvane {

namespace {

// Starts the next sheet in the given orientation: the first one by opening the painter, the
// others as a new page of the device.
bool NextSheet(QPagedPaintDevice& device, QPainter& painter, bool landscape) {
    const auto orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    device.setPageOrientation(orientation);
    if (!painter.isActive()) return painter.begin(&device);
    return device.newPage();
}

QRect Area(const QPagedPaintDevice& device) {
    return QRect(0, 0, device.width(), device.height());
}

} // namespace

TReportOutput PrintReportPages(QPagedPaintDevice& device, const std::vector<TReportPage>& pages,
                               const TPageFrameData& frame, int copies) {
    TReportOutput out;
    const QPageLayout::Orientation saved = device.pageLayout().orientation();
    QPainter painter;
    bool ok = true;
    for (const TReportPage& page : pages) {
        for (int copy = 0; copy < std::max(1, copies) && ok; ++copy) {
            // A data-sheet page is made of its data sheets; its own sheet only tells that none
            // was found.
            const bool ownSheet = page.Code != 97 || page.DataSheets.isEmpty();
            int row = 0;
            while (ownSheet) {
                if (!NextSheet(device, painter, page.Landscape)) {
                    ok = false;
                    break;
                }
                row = PaintReportSheet(painter, Area(device), page, frame, row).NextRow;
                ++out.Sheets;
                if (page.Landscape) ++out.LandscapeSheets;
                if (row <= 0) break;
            }
            if (!ok) break;
            for (const QString& file : page.DataSheets) {
                const auto drawn = PaintDataSheet(file, [&](bool landscape) {
                    if (!NextSheet(device, painter, landscape))
                        return static_cast<QPainter*>(nullptr);
                    ++out.Sheets;
                    if (landscape) ++out.LandscapeSheets;
                    return &painter;
                });
                if (drawn < 0) ok = false;
            }
        }
    }
    out.Ok = ok && (!painter.isActive() || painter.end());
    device.setPageOrientation(saved);
    return out;
}

} // namespace corvane
