#pragma once

#include "render/diagram/AxisTicks.h"

class QString;

namespace corvane {

class TDiagram;

// Axes and grids in world coordinates. A step <= 0 means the axis is logarithmic: its world
// values are log10 of the quantity (see LogScale), and `density` chooses its tick pattern.

// Vertical axis at x from ymin to ymax with a tick every `step` and a label every n-th;
// n >= 1 puts ticks and labels on the left, n < 1 on the right (|n| used). The title, when
// not empty, goes above the axis.
void DrawYAxis(TDiagram& diagram, int n, const QString& title, double x, double ymin, double ymax,
               double step, TTickDensity density = {});
// Horizontal axis at y from xmin to xmax, labels every n-th tick hanging below, the printed
// values divided by `divisor`; the title, when not empty, right-aligned below the labels.
void DrawXAxis(TDiagram& diagram, int n, const QString& title, double y, double xmin, double xmax,
               double step, double divisor, TTickDensity density = {});
// Grid lines across the rectangle: vertical ones every xstep, then horizontal ones every
// ystep (log axes: at the major ticks).
void DrawGrid(TDiagram& diagram, double xmin, double ymin, double xmax, double ymax, double xstep,
              double ystep, TTickDensity density = {});

} // namespace corvane
