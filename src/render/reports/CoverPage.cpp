#include "render/reports/CoverPage.h"

#include "render/diagram/TextAlignment.h"
#include "render/reports/DiagramPage.h"
#include "render/reports/PageGeometry.h"
#include "render/reports/TPageCanvas.h"
#include "render/reports/TReportPage.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace corvane {

namespace {

// The caption width of one of the two field columns (fields `first` to `first + count`): as
// wide as its longest caption when the values beside it still fit the half page, else what
// the values leave, but at least a quarter of the page.
int CaptionWidth(const TPageCanvas& canvas, const TCoverSection& section, int first, int count,
                 int half, int u) {
    int captions = 0;
    int values = 0;
    const int end = std::min(first + count, static_cast<int>(section.Fields.size()));
    for (int i = first; i < end; ++i) {
        const auto& [caption, value] = section.Fields[static_cast<std::size_t>(i)];
        captions = std::max(captions, canvas.TextWidth(caption));
        values = std::max(values, canvas.TextWidth(value));
    }
    return std::min(captions + u / 2, std::max(half / 2, half - values - u));
}

} // namespace

void PaintCoverPage(TPageCanvas& canvas, const TPageGeometry& g, const TCoverData& cover) {
    const int u = g.Unit;
    int y = g.ContentTop;
    canvas.SetFont(g.TextHeight * 3 / 2, true);
    canvas.TextIn(3, cover.Title, g.Left, y, g.ContentWidth());
    y += 2 * u;
    const int half = g.ContentWidth() / 2;
    for (const TCoverSection& section : cover.Sections) {
        if (y + 2 * u > g.Bottom) break;
        canvas.SetFont(g.TextHeight, true);
        canvas.Fill(QRect(g.Left, y, g.ContentWidth(), u), QColor(kBandRed, kBandGreen, kBandBlue));
        canvas.TextIn(2, section.Heading, g.Left + u / 2, y + u / 2, g.ContentWidth() - u);
        y += u + u / 4;
        canvas.SetFont(g.TextHeight);
        const int rows = (static_cast<int>(section.Fields.size()) + 1) / 2;
        const int captionWidths[2] = {CaptionWidth(canvas, section, 0, rows, half, u),
                                      CaptionWidth(canvas, section, rows, rows, half, u)};
        for (int i = 0; i < static_cast<int>(section.Fields.size()); ++i) {
            const int column = i / std::max(rows, 1);
            const int row = i % std::max(rows, 1);
            const int rowY = y + row * u;
            if (rowY + u > g.Bottom) continue;
            const int x = g.Left + column * half;
            const int captionWidth = captionWidths[column == 0 ? 0 : 1];
            const auto& [caption, value] = section.Fields[static_cast<std::size_t>(i)];
            canvas.TextIn(3, caption, x, rowY, captionWidth - u / 4);
            canvas.TextIn(3, value, x + captionWidth, rowY, half - captionWidth - u / 2);
        }
        y += rows * u;
        const QFontMetrics metrics(canvas.Font(), canvas.Painter().device());
        for (const QString& text : section.LongTexts) {
            if (text.isEmpty()) continue;
            const QRect box = metrics.boundingRect(QRect(g.Left, y, g.ContentWidth(), g.Bottom),
                                                   Qt::TextWordWrap, text);
            const int height = std::min(box.height(), std::max(0, g.Bottom - y));
            canvas.Painter().setPen(Qt::black);
            WrappedText(canvas.Painter(), QRect(g.Left, y, g.ContentWidth(), height), text);
            y += height;
        }
        y += u / 2;
    }
}

} // namespace corvane
