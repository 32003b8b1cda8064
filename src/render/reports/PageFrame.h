#pragma once

#include "render/reports/PageGeometry.h"

class QPainter;

namespace corvane {

class TPageCanvas;
struct TPageFrameData;

// Draws the frame of an evaluation page into the canvas: white page, logo at the top right,
// the company name and its address lines in three columns at the top left, the rule under
// them, and the footer rule with the note below it. Returns the page's geometry.
TPageGeometry PaintPageFrame(TPageCanvas& canvas, const QRect& area, bool landscape,
                             const TPageFrameData& frame);

} // namespace corvane
