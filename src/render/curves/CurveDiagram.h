#pragma once

#include "render/curves/CurveFrame.h"
#include "render/diagram/TDiagram.h"

class QPainter;
class QPaintDevice;
class QRect;

namespace corvane {

struct TCurveDiagramData;

// Where a curve diagram lies on a surface: the diagram with its axis maps (for picking points
// with the mouse) and the frame of its axes.
struct TCurveLayout {
    TDiagram Diagram;
    TCurveFrame Frame;
    int MarkerSize = 8; // pixels
};

// The axis maps of the diagram of `data` in `area` of `device`, without drawing.
TCurveLayout CurveDiagramLayout(const QPaintDevice& device, const QRect& area,
                                const TCurveDiagramData& data);
// Draws the diagram into `area`: white background, grid, title, axes with the quantity names,
// frame, operator name, operating point with its system parabola and tolerance bar, curves
// with their markers, selected flows or system parabolas. On a printer texts keep their point
// sizes and lines are 3 pixels wide; elsewhere texts grow with the width (10 pt at 640 px).
TCurveLayout PaintCurveDiagram(QPainter& painter, const QRect& area, const TCurveDiagramData& data);

} // namespace corvane
