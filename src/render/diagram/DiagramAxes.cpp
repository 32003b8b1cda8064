#include "render/diagram/DiagramAxes.h"

#include "render/diagram/AxisScale.h"
#include "render/diagram/TDiagram.h"

#include <QString>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace corvane {

namespace {

QString Label(const std::string& text) {
    return QString::fromStdString(text);
}

// Label of a log tick: the quantity 10^v with as many decimals as its size needs.
QString LogLabel(double value) {
    const double quantity = std::pow(10.0, value);
    return Label(FormatAxisLabel(-1, 4.01 * quantity, quantity));
}

// The ticks of one axis. `at(value, depth)` is the world point `depth` tick lengths away
// from the axis line at `value`: long ticks reach 0.8 (y) or 0.6 (x), short ones half of it,
// labels sit at depth 1.
template <typename TAt, typename TLabel>
void DrawTicks(TDiagram& d, const std::vector<TAxisTick>& ticks, double longTick, TAt at,
               TLabel label, int labelCode) {
    for (const TAxisTick& tick : ticks) {
        const TWorldPoint base = at(tick.Value, 0.0);
        const TWorldPoint end = at(tick.Value, tick.Major ? longTick : 0.5 * longTick);
        d.DiagMoveTo(base.X, base.Y);
        d.DiagLineTo(end.X, end.Y);
        if (!tick.Major) continue;
        const TWorldPoint text = at(tick.Value, 1.0);
        d.DiagText(labelCode, label(tick.Value), text.X, text.Y);
    }
}

} // namespace

void DrawYAxis(TDiagram& d, int n, const QString& title, double x, double ymin, double ymax,
               double step, TTickDensity density) {
    const bool left = n >= 1;
    const int every = std::max(1, std::abs(n));
    const double u =
        left ? d.TextWidthWorld(QStringLiteral("0")) : -d.TextWidthWorld(QStringLiteral("0"));
    d.DiagMoveTo(x, ymin);
    d.DiagLineTo(x, ymax);

    const auto at = [x, u](double v, double depth) { return TWorldPoint{x - depth * u, v}; };
    if (step > 0) {
        DrawTicks(
            d, LinearTicks(ymin, ymax, step, every), 0.8, at,
            [&d, step, every](double v) {
                return Label(FormatAxisLabel(d.Decimals, step * every, v));
            },
            left ? 8 : 2);
    } else {
        DrawTicks(d, LogTicks(ymin, ymax, density.Y), 0.8, at, LogLabel, left ? 8 : 2);
    }

    if (title.isEmpty()) return;
    const double tolerance = 0.001 * (ymax - ymin);
    const double top = ymax + tolerance;
    const double bottom = ymin - tolerance;
    int code = left ? 7 : 1;
    if (d.YAxis.Scale > 0) code += 2; // y grows downwards: the title hangs from the point
    d.DiagText(code, QStringLiteral(" ") + title + QStringLiteral(" "), x - 0.4 * u,
               top + 0.05 * (top - bottom));
}

void DrawXAxis(TDiagram& d, int n, const QString& title, double y, double xmin, double xmax,
               double step, double divisor, TTickDensity density) {
    const int every = std::max(1, n);
    const double r = divisor != 0 ? divisor : 1.0;
    const double q = 0.5 * d.TextHeightWorld(QStringLiteral("0"));
    d.DiagMoveTo(xmin, y);
    d.DiagLineTo(xmax, y);

    const auto at = [y, q](double v, double depth) { return TWorldPoint{v, y - depth * q}; };
    if (step > 0) {
        DrawTicks(
            d, LinearTicks(xmin, xmax, step, every), 0.6, at,
            [&d, step, every, r](double v) {
                return Label(FormatAxisLabel(d.Decimals, step * every / r, v / r));
            },
            6);
    } else {
        DrawTicks(
            d, LogTicks(xmin, xmax, density.X), 0.6, at, [r](double v) { return LogLabel(v / r); },
            6);
    }

    if (title.isEmpty()) return;
    const double right = xmax + 0.001 * (xmax - xmin);
    d.DiagText(d.XAxis.Scale <= 0 ? 3 : 9, title, right, y - 3.4 * q);
}

void DrawGrid(TDiagram& d, double xmin, double ymin, double xmax, double ymax, double xstep,
              double ystep, TTickDensity density) {
    for (const double x : GridLines(xmin, xmax, xstep, density.X)) {
        d.DiagMoveTo(x, ymin);
        d.DiagLineTo(x, ymax);
    }
    for (const double y : GridLines(ymin, ymax, ystep, density.Y)) {
        d.DiagMoveTo(xmin, y);
        d.DiagLineTo(xmax, y);
    }
}

} // namespace corvane
