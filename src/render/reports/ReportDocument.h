#pragma once

#include <QString>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace corvane {

struct TPageFrameData;
struct TReportPage;

// How many sheets a printout made and of which orientation, in order.
struct TReportOutput {
    int Sheets = 0;
    int LandscapeSheets = 0;
    bool Ok = false;
};

// Prints the pages onto a paged device (a printer, or a PDF file through a printer or PDF
// writer): every page on sheets of its own orientation, tables continued on further sheets,
// each page `copies` times in a row, the data sheets of a data-sheet page as their own pages
// when they can be rendered. The device's orientation is restored at the end. Not Ok when the
// device cannot be painted on.
TReportOutput PrintReportPages(QPagedPaintDevice& device, const std::vector<TReportPage>& pages,
                               const TPageFrameData& frame, int copies = 1);

} // namespace corvane
