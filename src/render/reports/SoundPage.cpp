#include "render/reports/SoundPage.h"

#include "render/diagram/AxisScale.h"
#include "render/diagram/DiagramAxes.h"
#include "render/diagram/TAxisMap.h"
#include "render/reports/DiagramPage.h"
#include "render/reports/PageGeometry.h"
#include "render/reports/TPageCanvas.h"
#include "render/reports/TReportPage.h"
#include "render/reports/TablePage.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

constexpr int kLevelColumns = 10; // columns 2..11

double LargestLevel(const TSoundPageData& data) {
    double largest = 0;
    for (const auto& row : data.Rows)
        for (const double level : row.Levels)
            if (SoundLevelShown(level)) largest = std::max(largest, level);
    return largest;
}

void PaintSoundTable(TPageCanvas& canvas, const TPageGeometry& g, const TSoundPageData& data,
                     int top) {
    const int u = g.Unit;
    const std::vector<int> edges = SoundColumnEdges(g.Left, g.ContentWidth(), data.Widths);
    // The text is made smaller until every caption fits its column.
    int height = g.TextHeight;
    for (; height > kMinTableText; --height) {
        canvas.SetFont(height);
        bool fits = true;
        for (int c = 0; c < data.Captions.size() && c + 1 < static_cast<int>(edges.size()); ++c)
            fits = fits &&
                   canvas.TextWidth(data.Captions[c] + QStringLiteral(" ")) <=
                       edges[static_cast<std::size_t>(c) + 1] - edges[static_cast<std::size_t>(c)];
        if (fits) break;
    }
    canvas.Fill(QRect(g.Left, top, g.ContentWidth(), 2 * u),
                QColor(kBandRed, kBandGreen, kBandBlue));
    for (int c = 0; c < data.Captions.size() && c + 1 < static_cast<int>(edges.size()); ++c) {
        const int x = edges[static_cast<std::size_t>(c)];
        const int w = edges[static_cast<std::size_t>(c) + 1] - x;
        canvas.TextIn(3, data.Captions[c], x, top, w);
        if (c < data.Units.size()) canvas.TextIn(3, data.Units[c], x, top + u, w);
    }
    int y = top + 2 * u;
    canvas.Line(g.Left, y, g.Right, y, 1);
    for (const auto& row : data.Rows) {
        canvas.Marker(row.Marker, row.Colour, std::max(3, u * 2 / 3), edges[0] + u / 2, y + u / 2);
        for (int k = 0; k < kLevelColumns && k < static_cast<int>(row.Levels.size()); ++k) {
            const int x = edges[static_cast<std::size_t>(k) + 1];
            const int w = edges[static_cast<std::size_t>(k) + 2] - x;
            canvas.TextIn(2, SoundCell(row.Levels[static_cast<std::size_t>(k)]), x, y + u / 2, w);
        }
        y += u;
    }
}

void PaintBarChart(TPageCanvas& canvas, const TSoundPageData& data, const QRect& area) {
    QPainter& p = canvas.Painter();
    const bool printer = p.device()->devType() == QInternal::Printer;
    const TLinearScale y = NiceLinearScale(0, LargestLevel(data));
    const double columns = kSoundColumns - 1; // x from 1 to 11
    const double span = columns - 1;
    const double line = canvas.LineHeight() / std::max(1.0, double(area.height())) * (y.Hi - y.Lo) /
                        (1 - 12.0 * canvas.LineHeight() / area.height());
    TDiagram& d = canvas.Diagram();
    TDiagram chart;
    chart.InitDiagram(&p, area.left(), area.bottom(), area.right(), area.top(), 1 - 0.12 * span,
                      y.Lo - 8 * line, columns + 0.05 * span, y.Hi + 4 * line);
    chart.BeginDiagram(Qt::white);
    chart.IsPrinter = printer;
    p.setBackgroundMode(Qt::TransparentMode);
    p.setPen(QPen(chart.MapColour(QColor(0, 0, 255)), 1, Qt::DotLine));
    DrawGrid(chart, 1, y.Lo, columns, y.Hi, 0, y.LabelStep());
    p.setPen(QPen(chart.MapColour(Qt::black), printer ? 3 : 1));
    DrawYAxis(chart, y.StepsPerLabel, QString(), 1, y.Lo, y.Hi, y.MinorStep);
    chart.DiagMoveTo(1, y.Lo);
    chart.DiagLineTo(columns, y.Lo);

    QFont bold = canvas.Font();
    bold.setBold(true);
    chart.SelectRotatedFont(bold);
    chart.DiagText(-6, data.YName, 1 - 0.09 * span, y.Lo + 0.5 * (y.Hi - y.Lo));
    chart.RestoreFont();
    // Column captions read upwards under the axis, ending at it.
    chart.SelectRotatedFont(canvas.Font());
    for (int k = 2; k <= 11 && k - 1 < data.Captions.size(); ++k)
        chart.DiagText(-8, data.Captions[k - 1].trimmed() + QStringLiteral(" "), k - 0.5, y.Lo);
    chart.RestoreFont();

    for (const TSoundBar& bar : SoundBars(chart.XAxis, chart.YAxis, y.Lo, data)) {
        const QColor colour = chart.MapColour(data.Rows[static_cast<std::size_t>(bar.Row)].Colour);
        p.setPen(QPen(colour, 1));
        p.setBrush(colour);
        p.drawRect(bar.Rect);
    }
    p.setBrush(Qt::NoBrush);
    d.BeginDiagram(Qt::white);
}

} // namespace

bool SoundLevelShown(double level) {
    return level >= kLowestShownLevel;
}

QString SoundCell(double level) {
    return SoundLevelShown(level) ? QString::number(level, 'f', 1) : QString();
}

std::vector<int> SoundColumnEdges(int left, int width, const std::vector<double>& widths) {
    double sum = 0;
    for (const double w : widths)
        sum += w;
    std::vector<int> edges{left};
    double running = 0;
    for (const double w : widths) {
        running += w;
        edges.push_back(left +
                        static_cast<int>(std::lround(running * width / std::max(sum, 1e-9))));
    }
    return edges;
}

std::vector<TSoundBar> SoundBars(const TAxisMap& x, const TAxisMap& y, double axis,
                                 const TSoundPageData& data) {
    std::vector<TSoundBar> bars;
    const int perGroup = static_cast<int>(data.Rows.size());
    if (perGroup == 0) return bars;
    const int group = (x.WorldToPixel(kSoundColumns - 1) - x.WorldToPixel(1)) / (kSoundColumns - 2);
    const int width = std::max(1, group / (perGroup + 1));
    const int base = y.WorldToPixel(axis);
    for (int k = 2; k <= kSoundColumns - 1; ++k) {
        int left = x.WorldToPixel(k - 1) + width / 2;
        for (int r = 0; r < perGroup; ++r, left += width) {
            const auto& levels = data.Rows[static_cast<std::size_t>(r)].Levels;
            const std::size_t index = static_cast<std::size_t>(k - 2);
            if (index >= levels.size() || !SoundLevelShown(levels[index])) continue;
            const int top = y.WorldToPixel(levels[index]);
            bars.push_back({r, k, QRect(QPoint(left, top), QPoint(left + width - 1, base))});
        }
    }
    return bars;
}

void PaintSoundPage(TPageCanvas& canvas, const TPageGeometry& g, const TReportPage& page) {
    const TSoundPageData& data = page.Sound;
    int y = PaintDiagramHeader(canvas, g, page.Header);
    const int u = g.Unit;
    canvas.SetFont(g.TextHeight, true);
    canvas.TextIn(3, data.FlowLine, g.Left, y, g.ContentWidth());
    y += u + u / 2;
    canvas.SetFont(g.TextHeight * 3 / 2, true);
    canvas.TextIn(3, data.Title, g.Left, y, g.ContentWidth());
    y += u + u / 2;
    canvas.SetFont(g.TextHeight);
    canvas.TextIn(3, data.Subtitle, g.Left, y, g.ContentWidth());
    y += u + u / 2;

    const int tableTop = g.Bottom - (static_cast<int>(data.Rows.size()) + 3) * u;
    if (tableTop - y > 4 * u)
        PaintBarChart(canvas, data, QRect(g.Left, y, g.ContentWidth(), tableTop - y));
    PaintSoundTable(canvas, g, data, tableTop);
}

} // namespace corvane
