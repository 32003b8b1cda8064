#pragma once

#include <QLine>
#include <QPolygon>
#include <QRect>
#include <vector>

class QPainter;

namespace corvane {

// The geometry of a marker symbol centred on a pixel: a filled polygon, a set of strokes or
// an ellipse. Symbols: 1 diamond, 2 triangle apex up, 3 star, 4 square, 5 triangle apex down,
// 6 and 7 parallelograms, 8 plus, 9 cross; any other a circle.
struct TMarkerShape {
    enum class EKind { Polygon, Strokes, Ellipse };
    EKind Kind = EKind::Ellipse;
    QPolygon Polygon;
    std::vector<QLine> Strokes;
    QRect Bounds; // the ellipse's square
};

// Shape of `symbol` with half size h = size div 2 around (x, y).
TMarkerShape MarkerShape(int x, int y, int size, int symbol);
// Draws the marker with the painter's pen; filled shapes use its brush.
void DrawMarker(QPainter& painter, int x, int y, int size, int symbol);

} // namespace corvane
