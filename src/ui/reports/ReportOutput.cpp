#include "ui/reports/ReportOutput.h"

#include "render/reports/ReportPainter.h"
#include "render/reports/TReportBuilder.h"
#include "selection/TLayoutSeiteAusw.h"
#include "settings/TCompanyInfo.h"

#include <QPainter>
#include <algorithm>

namespace corvane {

TReportOutput PrintLayout(QPagedPaintDevice& device, const TReportBuilder& builder,
                          const TLayout& layout, const TPrintRequest& request) {
    const int first = std::max(1, request.First);
    const int last = std::min(layout.Count, request.Last);
    const int copies = std::max(1, request.Copies);
    std::vector<TReportPage> pages;
    for (int pass = 0; pass < (request.Collate ? copies : 1); ++pass) {
        std::vector<TReportPage> range = builder.Build(layout, first, last);
        pages.insert(pages.end(), std::make_move_iterator(range.begin()),
                     std::make_move_iterator(range.end()));
    }
    const TPageFrameData frame = builder.Frame(TCompanyInfo::ReadProgramFolder(), 0);
    return PrintReportPages(device, pages, frame, request.Collate ? 1 : copies);
}

QSize CopySize(bool landscape) {
    return landscape ? QSize(1600, 1200) : QSize(1200, 1600);
}

QImage PageImage(const TReportPage& page, const TPageFrameData& frame) {
    QImage image(CopySize(page.Landscape), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintReportSheet(painter, image.rect(), page, frame);
    return image;
}

} // namespace corvane
