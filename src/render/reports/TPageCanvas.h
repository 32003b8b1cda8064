#pragma once

#include "render/diagram/TDiagram.h"

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;
class QRect;

namespace corvane {

// Drawing on an evaluation page in pixels through the diagram layer: the page's TDiagram maps
// world units one to one onto the surface's pixels (y down), so alignment codes, markers and
// texts work as on every diagram. Fonts are given by pixel height.
class TPageCanvas {
public:
    TPageCanvas(QPainter& painter, const QRect& area, const QString& fontName);

    QPainter& Painter() const { return painter_; }
    TDiagram& Diagram() { return diagram_; }

    // The page font for lines `pixels` high, bold or not; selected for the next texts.
    void SetFont(int pixels, bool bold = false);
    const QFont& Font() const { return font_; }
    int TextWidth(const QString& text) const;
    int LineHeight() const;

    // Text with its reference point at (x, y), placed by alignment code.
    void Text(int code, const QString& text, int x, int y);
    // Text cut to `width` pixels (an ellipsis marks the cut).
    void TextIn(int code, const QString& text, int x, int y, int width);
    void Line(int x1, int y1, int x2, int y2, int width = 1, const QColor& colour = Qt::black);
    void Fill(const QRect& rect, const QColor& colour);
    void Marker(int symbol, const QColor& colour, int size, int x, int y);

private:
    QPainter& painter_;
    TDiagram diagram_;
    QFont font_;
};

} // namespace corvane
