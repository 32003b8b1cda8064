#include "render/reports/TPageCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace corvane {

TPageCanvas::TPageCanvas(QPainter& painter, const QRect& area, const QString& fontName)
    : painter_(painter), font_(fontName) {
    diagram_.InitDiagram(&painter, area.left(), area.bottom(), area.right(), area.top(),
                         area.left(), area.bottom(), area.right(), area.top());
    diagram_.BeginDiagram(Qt::white);
    painter.setBrush(Qt::NoBrush);
}

void TPageCanvas::SetFont(int pixels, bool bold) {
    // The height is that of a text line; the glyphs' em takes four fifths of it.
    font_.setPixelSize(std::max(1, static_cast<int>(std::lround(0.8 * pixels))));
    font_.setBold(bold);
    painter_.setFont(font_);
}

int TPageCanvas::TextWidth(const QString& text) const {
    return QFontMetrics(font_, painter_.device()).horizontalAdvance(text);
}

int TPageCanvas::LineHeight() const {
    return QFontMetrics(font_, painter_.device()).height();
}

void TPageCanvas::Text(int code, const QString& text, int x, int y) {
    if (!text.isEmpty()) diagram_.DiagText(code, text, x, y);
}

void TPageCanvas::TextIn(int code, const QString& text, int x, int y, int width) {
    const QFontMetrics metrics(font_, painter_.device());
    Text(code, metrics.elidedText(text, Qt::ElideRight, std::max(width, 0)), x, y);
}

void TPageCanvas::Line(int x1, int y1, int x2, int y2, int width, const QColor& colour) {
    painter_.setPen(QPen(diagram_.MapColour(colour), width, Qt::SolidLine, Qt::FlatCap));
    diagram_.DiagMoveTo(x1, y1);
    diagram_.DiagLineTo(x2, y2);
}

void TPageCanvas::Fill(const QRect& rect, const QColor& colour) {
    painter_.fillRect(rect, diagram_.MapColour(colour));
}

void TPageCanvas::Marker(int symbol, const QColor& colour, int size, int x, int y) {
    const QColor c = diagram_.MapColour(colour);
    painter_.setPen(QPen(c, std::max(1, size / 8)));
    painter_.setBrush(c);
    diagram_.DiagMarker(symbol, size, x, y);
    painter_.setBrush(Qt::NoBrush);
}

} // namespace corvane
