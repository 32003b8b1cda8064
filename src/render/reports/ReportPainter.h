#pragma once

#include <vector>

class QPainter;
class QRect;

namespace corvane {

struct TPageFrameData;
struct TReportPage;

// What drawing one sheet of a page left: the first table row still to be printed on a
// further sheet (-1 when the page is complete) and the diagram bands' bottom pixels.
struct TSheetResult {
    int NextRow = -1;
    std::vector<int> BandBottoms;
};

// Draws one sheet of an evaluation page into `area` (the whole page): the frame and the page's
// content; tables start at `firstRow`. An empty page stays white; a data-sheet page draws the
// frame only (the data sheets are pages of their own).
TSheetResult PaintReportSheet(QPainter& painter, const QRect& area, const TReportPage& page,
                              const TPageFrameData& frame, int firstRow = 0);

} // namespace corvane
