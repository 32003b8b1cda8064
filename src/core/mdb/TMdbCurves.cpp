// Curve queries of TMdb on a view sorted ascending by an x field: linear interpolation,
// intersection with a system parabola y = K x² and the crossing of a level y = Y.

#include "mdb/MdbSlots.h"
#include "mdb/TMdb.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace corvane {

namespace {

bool IsFloatType(TFieldType type) {
    return type == ftFloat || type == ftFloatTransient;
}

} // namespace

TCurveValue TMdb::Interpolate(int xField, int yField, float x) const {
    CheckField(xField);
    CheckField(yField);
    if (view_.empty() || !IsFloatType(fields_[xField].FieldType)) return {};

    const int xSlot = fields_[xField].Slot;
    return InterpolateAscending(
        view_.size(), x, [&](std::size_t i) { return mdb_detail::SlotFloat(view_[i], xSlot); },
        [&](std::size_t i) { return static_cast<double>(GetFloat(view_[i], yField)); });
}

TCurveValue TMdb::IntersectParabola(int xField, int yField, float k) const {
    CheckField(xField);
    CheckField(yField);
    TCurveValue result;
    if (view_.size() < 2 || !IsFloatType(fields_[xField].FieldType)) return result;

    const double kk = std::max(static_cast<double>(k), 1e-20);
    for (std::size_t i = 1; i < view_.size(); ++i) {
        const double x0 = GetFloat(view_[i - 1], xField);
        const double y0 = GetFloat(view_[i - 1], yField);
        const double x1 = GetFloat(view_[i], xField);
        const double y1 = GetFloat(view_[i], yField);
        const double dx = std::max(x1 - x0, 1e-6);
        const double s = (y1 - y0) / dx;
        const double c = y0 - x0 * s;
        const double h = s / (2 * kk);
        const double d = h * h + c / kk;
        if (!(d >= 0)) continue;
        const double r = std::sqrt(d);
        for (const double candidate : {h + r, h - r}) {
            if (candidate > 0 && candidate >= x0 - 1e-4 && candidate <= x1 + 1e-4)
                return {static_cast<float>(candidate), true};
        }
    }
    return result;
}

double TMdb::FindXForY(int xField, int yField, double y, double lo, double hi) const {
    constexpr double kNone = -1e30;
    double best = kNone;
    // This query answers "none" instead of raising for unknown fields.
    if (xField < 1 || xField > fieldCount_ || yField < 1 || yField > fieldCount_) return best;
    if (view_.size() <= 1 || !IsFloatType(fields_[xField].FieldType)) return best;

    const double middle = (lo + hi) / 2;
    for (std::size_t i = 1; i < view_.size(); ++i) {
        const double x0 = GetFloat(view_[i - 1], xField);
        const double x1 = GetFloat(view_[i], xField);
        if (x1 >= lo && x0 <= hi && x1 > x0 + 1e-9) {
            const double y0 = GetFloat(view_[i - 1], yField);
            const double y1 = GetFloat(view_[i], yField);
            const double slope = (y1 - y0) / (x1 - x0);
            bool have = false;
            double candidate = 0;
            if (std::fabs(slope) <= 1e-9) {
                if (std::fabs(y1 - y) < 1e-8) {
                    candidate = std::clamp(middle, x0, x1);
                    have = true;
                }
            } else {
                candidate = x0 + (y - y0) / slope;
                have = candidate >= x0 && candidate <= x1;
            }
            if (have && std::fabs(candidate - middle) < std::fabs(best - middle)) best = candidate;
        }
        if (x1 >= hi) break;
    }
    return best;
}

} // namespace corvane
