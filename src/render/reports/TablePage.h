#pragma once

#include <vector>

class QString;

namespace corvane {

class TPageCanvas;
struct TPageGeometry;
struct TReportTable;

// The smallest text height a printed table goes down to, in pixels.
inline constexpr int kMinTableText = 5;

// Column widths of a table at the canvas's current font: each column as wide as its unit line,
// its widest cell or a short caption, plus a gap (long captions are cut to it); a marker column
// is one line height wider.
std::vector<int> TableColumnWidths(const TPageCanvas& canvas, const TReportTable& table);

// The columns widened towards the widths their captions want, sharing the room left of
// `available`: every cut caption shown whole when the room suffices, otherwise each widened in
// proportion to what it lacks. Columns are never narrowed.
std::vector<int> WidenColumns(std::vector<int> widths, const std::vector<int>& wanted,
                              int available);

// One sheet of a table: the title, the caption band (captions and units) and the rows from
// `firstRow` on while they fit above the footer. The text is made smaller, down to
// kMinTableText, until the table fits the width. Returns the first row not printed (the row
// count when the table is complete).
int PaintTableSheet(TPageCanvas& canvas, const TPageGeometry& g, const TReportTable& table,
                    int firstRow);

} // namespace corvane
