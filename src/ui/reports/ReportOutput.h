#pragma once

#include "render/reports/ReportDocument.h"

#include <QImage>
#include <QSize>

class QPagedPaintDevice;

namespace corvane {

class TReportBuilder;
struct TLayout;
struct TPageFrameData;
struct TReportPage;

// The pages to print and how often: layout pages First..Last (1-based), Copies of each;
// collated copies repeat the whole range, uncollated ones each page in a row.
struct TPrintRequest {
    int First = 1;
    int Last = 1;
    int Copies = 1;
    bool Collate = false;
};

// Prints the range of a layout in one job (a PDF file stays one file also for collated
// copies). The pages are built when printing starts, in the current text language.
TReportOutput PrintLayout(QPagedPaintDevice& device, const TReportBuilder& builder,
                          const TLayout& layout, const TPrintRequest& request);

// The size of a page copied to the clipboard: 1200 × 1600, landscape pages 1600 × 1200.
QSize CopySize(bool landscape);
// The page's first sheet as a picture of CopySize.
QImage PageImage(const TReportPage& page, const TPageFrameData& frame);

} // namespace corvane
