#include "render/reports/DiagramPage.h"

#include "render/curves/CurveDiagram.h"
#include "render/diagram/TextAlignment.h"
#include "render/reports/PageGeometry.h"
#include "render/reports/TPageCanvas.h"
#include "render/reports/TReportPage.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

// Column widths of a legend: the marker column, then each column as wide as its widest entry
// plus a gap, shrunk together when they exceed the width.
std::vector<int> LegendWidths(const TPageCanvas& canvas, const TDiagramHeader& header, int width,
                              int markerColumn) {
    const int n = static_cast<int>(header.LegendCaptions.size());
    std::vector<int> widths(static_cast<std::size_t>(n), 0);
    const int gap = canvas.TextWidth(QStringLiteral("  "));
    for (int c = 0; c < n; ++c) {
        int w = canvas.TextWidth(header.LegendCaptions[c]);
        for (const TMarkedRow& row : header.Legend)
            if (c < row.Cells.size()) w = std::max(w, canvas.TextWidth(row.Cells[c]));
        widths[static_cast<std::size_t>(c)] = w + gap;
    }
    int sum = 0;
    for (const int w : widths)
        sum += w;
    const int room = width - markerColumn;
    if (sum > room && sum > 0)
        for (int& w : widths)
            w = w * room / sum;
    return widths;
}

} // namespace

int PaintDiagramHeader(TPageCanvas& canvas, const TPageGeometry& g, const TDiagramHeader& header) {
    const int u = g.Unit;
    int y = g.ContentTop;
    canvas.SetFont(g.TextHeight, true);
    if (!header.DutyLine.isEmpty()) {
        canvas.TextIn(3, header.DutyLine, g.Left, y, g.ContentWidth());
        y += u;
    }
    canvas.SetFont(g.TextHeight);
    if (!header.LegendCaptions.isEmpty()) {
        const int marker = 2 * u;
        const std::vector<int> widths = LegendWidths(canvas, header, g.ContentWidth(), marker);
        canvas.Fill(QRect(g.Left, y, g.ContentWidth(), u), QColor(kBandRed, kBandGreen, kBandBlue));
        int x = g.Left + marker;
        for (int c = 0; c < header.LegendCaptions.size(); ++c) {
            canvas.TextIn(2, header.LegendCaptions[c], x, y + u / 2,
                          widths[static_cast<std::size_t>(c)]);
            x += widths[static_cast<std::size_t>(c)];
        }
        y += u;
        for (const TMarkedRow& row : header.Legend) {
            canvas.Marker(row.Marker, row.Colour, std::max(3, u * 2 / 3), g.Left + u, y + u / 2);
            x = g.Left + marker;
            for (int c = 0; c < row.Cells.size() && c < static_cast<int>(widths.size()); ++c) {
                canvas.TextIn(2, row.Cells[c], x, y + u / 2, widths[static_cast<std::size_t>(c)]);
                x += widths[static_cast<std::size_t>(c)];
            }
            y += u;
        }
        canvas.Line(g.Left, y, g.Right, y, 1);
        y += u / 3;
    }
    if (!header.Remark.isEmpty()) {
        const QFontMetrics metrics(canvas.Font(), canvas.Painter().device());
        const QRect box = metrics.boundingRect(QRect(g.Left, y, g.ContentWidth(), g.Bottom - y),
                                               Qt::TextWordWrap, header.Remark);
        canvas.Painter().setPen(Qt::black);
        WrappedText(canvas.Painter(), QRect(g.Left, y, g.ContentWidth(), box.height()),
                    header.Remark);
        y += box.height();
    }
    if (!header.Hint.isEmpty()) {
        canvas.SetFont(static_cast<int>(std::lround(0.8 * g.TextHeight)));
        canvas.TextIn(3, header.Hint, g.Left, y, g.ContentWidth());
        y += u;
        canvas.SetFont(g.TextHeight);
    }
    return y + u / 2;
}

std::vector<int> DiagramBandBottoms(int top, int bottom, int count) {
    std::vector<int> bottoms;
    if (count < 1) return bottoms;
    const int height = std::max(0, bottom - top) / count;
    for (int i = 1; i < count; ++i)
        bottoms.push_back(top + i * height);
    bottoms.push_back(bottom);
    return bottoms;
}

std::vector<int> PaintDiagramPage(TPageCanvas& canvas, const TPageGeometry& g,
                                  const TReportPage& page) {
    const int top = PaintDiagramHeader(canvas, g, page.Header);
    const int count = static_cast<int>(page.Diagrams.size());
    const std::vector<int> bottoms = DiagramBandBottoms(top, g.Bottom - g.Unit / 2, count);
    int bandTop = top;
    for (int i = 0; i < count; ++i) {
        const int bandBottom = bottoms[static_cast<std::size_t>(i)];
        const bool used = i < static_cast<int>(page.DiagramUsed.size()) &&
                          page.DiagramUsed[static_cast<std::size_t>(i)];
        if (used) {
            const QRect band(g.Left, bandTop, g.ContentWidth(), bandBottom - bandTop);
            PaintCurveDiagram(canvas.Painter(), band, page.Diagrams[static_cast<std::size_t>(i)]);
        }
        bandTop = bandBottom;
    }
    canvas.Painter().setPen(Qt::black);
    canvas.Painter().setBrush(Qt::NoBrush);
    return bottoms;
}

} // namespace corvane
