#pragma once

namespace corvane {

class TPageCanvas;
struct TCoverData;
struct TPageGeometry;

// The cover sheet of a measurement: its title, then each record as a bold heading with its
// fields in two columns of caption and value, long texts word-wrapped below. What does not
// fit above the footer is left out.
void PaintCoverPage(TPageCanvas& canvas, const TPageGeometry& g, const TCoverData& cover);

} // namespace corvane
