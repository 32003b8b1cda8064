#pragma once

#include <QColor>

class QPainter;

namespace corvane {

// Pen colour of curve i (1..10) in the curve windows; the result grid marks the rows shown
// there with the same colours.
QColor CurveColour(int curve);

// Marker symbol 1..10 of a curve centred on (x, y), `size` pixels high, with the painter's
// pen and brush: 1 diamond, 2 triangle up, 3 star, 4 square, 5 triangle down, 6 and 7
// parallelograms, 8 plus, 9 cross, anything else a circle.
void PaintMarkerSymbol(QPainter& painter, int x, int y, int size, int symbol);

} // namespace corvane
