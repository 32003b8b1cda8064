#include "render/reports/TablePage.h"

#include "render/reports/DiagramPage.h"
#include "render/reports/PageGeometry.h"
#include "render/reports/TPageCanvas.h"
#include "render/reports/TReportPage.h"

#include <algorithm>
#include <numeric>

namespace corvane {

namespace {

constexpr qsizetype kShortCaption = 8;

int Sum(const std::vector<int>& widths) {
    return std::accumulate(widths.begin(), widths.end(), 0);
}

// Text height at which the table fits the width: the page's text height, lowered in
// proportion to the overflow and then pixel by pixel, not below kMinTableText.
int FittingTextHeight(TPageCanvas& canvas, const TReportTable& table, int height, int width) {
    canvas.SetFont(height);
    int total = Sum(TableColumnWidths(canvas, table));
    if (total > width && total > 0) height = std::max(kMinTableText, height * width / total);
    for (;;) {
        canvas.SetFont(height);
        total = Sum(TableColumnWidths(canvas, table));
        if (total <= width || height <= kMinTableText) return height;
        --height;
    }
}

// The widths at which the captions would show whole.
std::vector<int> CaptionWidths(const TPageCanvas& canvas, const TReportTable& table) {
    const int gap = canvas.TextWidth(QStringLiteral("  "));
    std::vector<int> wanted;
    for (const QString& caption : table.Captions)
        wanted.push_back(canvas.TextWidth(caption) + gap);
    return wanted;
}

} // namespace

std::vector<int> WidenColumns(std::vector<int> widths, const std::vector<int>& wanted,
                              int available) {
    const std::size_t n = std::min(widths.size(), wanted.size());
    std::vector<long long> lack(n, 0);
    long long lacking = 0;
    for (std::size_t c = 0; c < n; ++c) {
        lack[c] = std::max(0, wanted[c] - widths[c]);
        lacking += lack[c];
    }
    const long long room = static_cast<long long>(available) - Sum(widths);
    if (room <= 0 || lacking == 0) return widths;
    for (std::size_t c = 0; c < n; ++c)
        widths[c] += static_cast<int>(lacking <= room ? lack[c] : lack[c] * room / lacking);
    return widths;
}

std::vector<int> TableColumnWidths(const TPageCanvas& canvas, const TReportTable& table) {
    const int columns = static_cast<int>(table.Captions.size());
    std::vector<int> widths(static_cast<std::size_t>(columns), 0);
    const int gap = canvas.TextWidth(QStringLiteral("  "));
    for (int c = 0; c < columns; ++c) {
        // Long captions are names: they are cut to the column, which is as wide as its unit
        // line and its values; short ones (symbols) widen it.
        int w = c < table.Units.size() ? canvas.TextWidth(table.Units[c]) : 0;
        if (table.Captions[c].size() <= kShortCaption)
            w = std::max(w, canvas.TextWidth(table.Captions[c]));
        for (const TMarkedRow& row : table.Rows)
            if (c < row.Cells.size()) w = std::max(w, canvas.TextWidth(row.Cells[c]));
        widths[static_cast<std::size_t>(c)] = w + gap;
    }
    if (table.Markers && !widths.empty()) widths[0] += canvas.LineHeight();
    return widths;
}

int PaintTableSheet(TPageCanvas& canvas, const TPageGeometry& g, const TReportTable& table,
                    int firstRow) {
    int y = g.ContentTop;
    canvas.SetFont(g.TextHeight, true);
    canvas.TextIn(3, table.Title, g.Left, y, g.ContentWidth());
    y += g.Unit + g.Unit / 2;

    const int height = FittingTextHeight(canvas, table, g.TextHeight, g.ContentWidth());
    // A narrow table (a few points on a portrait sheet) uses the spare width for its captions.
    const std::vector<int> widths = WidenColumns(TableColumnWidths(canvas, table),
                                                 CaptionWidths(canvas, table), g.ContentWidth());
    const int line = canvas.LineHeight();
    canvas.Fill(QRect(g.Left, y, std::min(Sum(widths), g.ContentWidth()), 2 * line),
                QColor(kBandRed, kBandGreen, kBandBlue));
    int x = g.Left;
    for (int c = 0; c < table.Captions.size(); ++c) {
        const int w = widths[static_cast<std::size_t>(c)];
        canvas.TextIn(3, table.Captions[c], x, y, w);
        if (c < table.Units.size()) canvas.TextIn(3, table.Units[c], x, y + line, w);
        x += w;
    }
    y += 2 * line;
    canvas.Line(g.Left, y, g.Left + std::min(Sum(widths), g.ContentWidth()), y, 1);

    const int rows = static_cast<int>(table.Rows.size());
    const int first = std::max(firstRow, 0);
    int row = first;
    // At least one row per sheet, so that a table always comes to an end.
    for (; row < rows && (y + line <= g.Bottom - g.Unit / 3 || row == first); ++row) {
        const TMarkedRow& r = table.Rows[static_cast<std::size_t>(row)];
        x = g.Left;
        for (int c = 0; c < r.Cells.size() && c < static_cast<int>(widths.size()); ++c) {
            int textX = x;
            if (c == 0 && table.Markers && r.Marker > 0) {
                canvas.Marker(r.Marker, r.Colour, std::max(3, line * 2 / 3), x + line / 2,
                              y + line / 2);
                textX += line;
            }
            canvas.TextIn(3, r.Cells[c], textX, y, widths[static_cast<std::size_t>(c)]);
            x += widths[static_cast<std::size_t>(c)];
        }
        y += line;
    }
    canvas.SetFont(height);
    return row;
}

} // namespace corvane
