#include "render/diagram/AxisTicks.h"

#include "render/diagram/TLogTicks.h"

#include <cmath>

namespace corvane {

namespace {

// No axis gets more ticks than this, whatever range and step it is given.
constexpr int kMaxTicks = 100000;

} // namespace

std::vector<TAxisTick> LinearTicks(double min, double max, double step, int n) {
    std::vector<TAxisTick> ticks;
    if (!(step > 0) || n < 1) return ticks;
    const double tolerance = 0.001 * (max - min);
    const double top = max + tolerance;
    const double bottom = min - tolerance - 1e-5;
    const double first = step * (std::trunc(min / (step * n)) - 1) * n;
    for (int i = 0; i < kMaxTicks; ++i) {
        const double v = first + step * i;
        if (!(v <= top)) break;
        if (v >= bottom) ticks.push_back({v, i % n == 0});
    }
    return ticks;
}

std::vector<TAxisTick> LogTicks(double logLo, double logHi, double density) {
    std::vector<TAxisTick> ticks;
    if (!std::isfinite(logLo) || !std::isfinite(logHi)) return ticks;
    TLogTicks walk;
    walk.Choose((logHi - logLo) * density);
    walk.Start(logLo);
    // The last tick may come out a rounding error above an exact decade.
    for (int i = 0; i < kMaxTicks && walk.Value() <= logHi + 1e-5; ++i) {
        ticks.push_back({walk.Value(), walk.Major()});
        walk.Next();
    }
    return ticks;
}

std::vector<double> GridLines(double min, double max, double step, double density) {
    std::vector<double> lines;
    if (step > 1e-5) {
        const double first = step * std::trunc(min / step);
        // Multiples computed afresh each time; the small allowance keeps the line at max.
        const double last = max + step * 1e-9;
        for (int i = 0; i < kMaxTicks; ++i) {
            const double v = first + step * i;
            if (!(v < max + step)) break;
            if (v > min + 1e-4 && v <= last) lines.push_back(v);
        }
    } else if (step < -1e-5) {
        for (const TAxisTick& tick : LogTicks(min, max, density))
            if (tick.Major && tick.Value > min + 1e-4) lines.push_back(tick.Value);
    }
    return lines;
}

} // namespace corvane
