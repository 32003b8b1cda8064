#pragma once

#include <cmath>
#include <compare>
#include <cstddef>

namespace corvane {

// A value read off a curve; Found is false when the curve does not reach the asked position
// (Value then holds the nearest end value, or 0).
struct TCurveValue {
    float Value = 0;
    bool Found = false;
};

// Linear interpolation at `x` on `count` points sorted ascending by x, given by `xAt(i)`
// (float) and `yAt(i)` (double); `order(i)` is `xAt(i) <=> x` (a NaN on either side
// unordered), which a caller may decide without computing xAt(i) exactly. Outside the curve:
// the first or last y, not found. Tables and the speed solution's trial curves share it, so
// both give the same bits.
template <class XAt, class YAt, class Order>
TCurveValue InterpolateAscending(std::size_t count, float x, XAt xAt, YAt yAt, Order order) {
    TCurveValue result;
    if (count == 0) return result;
    const std::size_t last = count - 1;
    if (order(0) == std::partial_ordering::greater) {
        result.Value = static_cast<float>(yAt(0));
        return result;
    }
    if (order(last) == std::partial_ordering::less) {
        result.Value = static_cast<float>(yAt(last));
        return result;
    }
    if (last == 0) {
        // A single point hit exactly.
        if (order(0) == std::partial_ordering::equivalent)
            result = {static_cast<float>(yAt(0)), true};
        return result;
    }
    // The smallest position from the second on with x <= x(i), by bisection.
    std::size_t low = 1;
    std::size_t high = last + 1;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (std::is_gteq(order(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    if (low > last) return result; // x is NaN or the points are not sorted
    const double x0 = xAt(low - 1);
    const double x1 = xAt(low);
    const double y0 = yAt(low - 1);
    const double y1 = yAt(low);
    const double value = std::fabs(x1 - x0) <= 1e-9 ? y0 : y0 + (y1 - y0) / (x1 - x0) * (x - x0);
    return {static_cast<float>(value), true};
}

template <class XAt, class YAt>
TCurveValue InterpolateAscending(std::size_t count, float x, XAt xAt, YAt yAt) {
    return InterpolateAscending(count, x, xAt, yAt,
                                [&xAt, x](std::size_t i) { return xAt(i) <=> x; });
}

} // namespace corvane
