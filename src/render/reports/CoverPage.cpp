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
        int captionWidth = 0;
        for (const auto& [caption, value] : section.Fields)
            captionWidth = std::max(captionWidth, canvas.TextWidth(caption));
        captionWidth = std::min(captionWidth + u / 2, half / 2);
        const int rows = (static_cast<int>(section.Fields.size()) + 1) / 2;
        for (int i = 0; i < static_cast<int>(section.Fields.size()); ++i) {
            const int column = i / std::max(rows, 1);
            const int row = i % std::max(rows, 1);
            const int rowY = y + row * u;
            if (rowY + u > g.Bottom) continue;
            const int x = g.Left + column * half;
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
