#pragma once

#include <vector>

class QRect;

namespace corvane {

class TPageCanvas;
struct TDiagramHeader;
struct TPageGeometry;
struct TReportPage;

// Light cyan of the caption bands of legends and tables.
inline constexpr int kBandRed = 224, kBandGreen = 255, kBandBlue = 255;

// The block above the diagrams: duty point line, legend with a caption band and one row per
// curve (marker in the curve's colour), the remark (word-wrapped) and the hint. Returns the
// pixel row below it.
int PaintDiagramHeader(TPageCanvas& canvas, const TPageGeometry& g, const TDiagramHeader& header);

// The pixel bands of `count` diagrams between `top` and `bottom`: equal heights, the last one
// taking the rest. Each band's bottom is returned (the evaluation window finds the clicked
// diagram with them).
std::vector<int> DiagramBandBottoms(int top, int bottom, int count);

// A diagram page: header, then the page's diagrams stacked in equal bands. Returns the bands'
// bottom pixels.
std::vector<int> PaintDiagramPage(TPageCanvas& canvas, const TPageGeometry& g,
                                  const TReportPage& page);

} // namespace corvane
