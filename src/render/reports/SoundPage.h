#pragma once

#include <QRect>
#include <QString>
#include <vector>

namespace corvane {

class TPageCanvas;
struct TAxisMap;
struct TPageGeometry;
struct TReportPage;
struct TSoundPageData;

// Levels below this are not printed and get no bar.
inline constexpr double kLowestShownLevel = 10.0;
// Columns of the sound table: caption, eight octaves, A-weighted, unweighted, margin.
inline constexpr int kSoundColumns = 12;

bool SoundLevelShown(double level);
// Table cell of a level: one decimal, empty when not shown.
QString SoundCell(double level);

// Left pixel of each column and the right edge: the content left edge plus the running sum of
// the relative widths scaled to the content width (kSoundColumns + 1 values).
std::vector<int> SoundColumnEdges(int left, int width, const std::vector<double>& widths);

// One bar of the chart: row of the page and level column (2..11), its pixel rectangle.
struct TSoundBar {
    int Row = 0;
    int Column = 0;
    QRect Rect;
};
// The bars of the chart for the axis maps of the chart (x: column groups 1..11, y: level).
// Group width G = (pixel(11) - pixel(1)) / 10, bar width B = max(1, G / (rows + 1)); the bars
// of column k stand side by side from pixel(k - 1) + B/2, from the axis (level `axis`) up.
std::vector<TSoundBar> SoundBars(const TAxisMap& x, const TAxisMap& y, double axis,
                                 const TSoundPageData& data);

// A sound page: header with the footnotes, the measuring titles, the bar chart and the table.
void PaintSoundPage(TPageCanvas& canvas, const TPageGeometry& g, const TReportPage& page);

} // namespace corvane
