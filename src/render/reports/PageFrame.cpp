#include "render/reports/PageFrame.h"

#include "render/reports/TPageCanvas.h"
#include "render/reports/TReportPage.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

// The address lines in three columns of two rows: street and town, telephone and fax, web
// and e-mail; the gap is a third of the free width, at most half the first column.
void PaintAddress(TPageCanvas& canvas, const TPageGeometry& g, const TPageFrameData& frame) {
    const std::array<std::array<QString, 2>, 3> columns{{{frame.Address[0], frame.Address[1]},
                                                         {frame.Address[2], frame.Address[3]},
                                                         {frame.Web, frame.Mail}}};
    std::array<int, 3> widths{};
    for (std::size_t c = 0; c < columns.size(); ++c)
        widths[c] = std::max(canvas.TextWidth(columns[c][0]), canvas.TextWidth(columns[c][1]));
    const int right = g.Logo.width() > 0 ? g.Logo.left() - g.Unit : g.Right;
    const int free = right - g.Left - widths[0] - widths[1] - widths[2];
    const int gap = std::max(0, std::min(free / 3, widths[0] / 2));
    int x = g.Left;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int room = std::max(0, right - x);
        canvas.TextIn(3, columns[c][0], x, g.AddressTop, room);
        canvas.TextIn(3, columns[c][1], x, g.AddressTop + g.Unit, room);
        x += widths[c] + gap;
    }
}

} // namespace

TPageGeometry PaintPageFrame(TPageCanvas& canvas, const QRect& area, bool landscape,
                             const TPageFrameData& frame) {
    const TPageGeometry g = PageGeometry(area, landscape, frame.Logo.size());
    QPainter& p = canvas.Painter();
    canvas.Fill(area, Qt::white);
    if (!frame.Logo.isNull() && g.Logo.width() > 0) p.drawImage(g.Logo, frame.Logo);

    canvas.SetFont(static_cast<int>(std::lround(1.3 * g.TextHeight)), true);
    const int nameRoom = (g.Logo.width() > 0 ? g.Logo.left() - g.Unit : g.Right) - g.Left;
    canvas.TextIn(3, frame.CompanyName, g.Left, g.Top, nameRoom);
    canvas.SetFont(g.TextHeight);
    PaintAddress(canvas, g, frame);
    canvas.Line(g.Left, g.HeaderRule, g.Right, g.HeaderRule, g.FramePen);

    canvas.Line(g.Left, g.Bottom, g.Right, g.Bottom, 1);
    canvas.SetFont(static_cast<int>(std::lround(0.7 * g.TextHeight)));
    canvas.TextIn(3, frame.Footer, g.Left, g.FooterText, g.ContentWidth());
    canvas.SetFont(g.TextHeight);
    return g;
}

} // namespace corvane
