#pragma once

#include "render/diagram/AxisScale.h"

class QRect;

namespace corvane {

class TPageCanvas;
struct TMapLines;
struct TMapPageData;
struct TPageGeometry;

// The world window of a map plot in log10 units: the rounded log ranges of the map's flows
// and pressures, widened by 15 % of the flow span on the left, 20 % on the right, 17 % of
// the pressure span below and 15 % above plus `topLines` text lines of `lineLog` each.
struct TMapFrame {
    TLogRange X;
    TLogRange Y;
    double WorldXMin = 0;
    double WorldXMax = 1;
    double WorldYMin = 0;
    double WorldYMax = 1;
};
TMapFrame MapFrame(const TMapLines& map, double lineLog);

// The map page's title line and the characteristic map in the rest of the content area: grid,
// axes with titles, the four line families in their colours with their labels and family
// titles. An empty map draws the title and the empty frame only.
void PaintMapPage(TPageCanvas& canvas, const TPageGeometry& g, const TMapPageData& data,
                  int fontSize);

} // namespace corvane
