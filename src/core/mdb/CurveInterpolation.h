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

// Where a position `x` lies on `count` points sorted ascending by x: before the first or
// after the last point, on a single point, between two points (with the x of both), or
// nowhere (NaN, or points out of order). Locating once and reading several curves of the same
// points at the result gives what interpolating each of them would give, bit for bit.
struct TCurvePosition {
    enum TKind : unsigned char { None, Before, After, Single, Between };
    TKind Kind = None;
    std::size_t Index = 0; // Before/Single: 0; After: the last; Between: the upper point
    double X0 = 0;         // Between: x of the lower and the upper point
    double X1 = 0;
    float X = 0;
};

// Locates `x` on `count` points sorted ascending by x, given by `xAt(i)` (float);
// `order(i)` is `xAt(i) <=> x` (a NaN on either side unordered), which a caller may decide
// without computing xAt(i) exactly.
template <class XAt, class Order>
TCurvePosition LocateAscending(std::size_t count, float x, XAt xAt, Order order) {
    TCurvePosition position;
    position.X = x;
    if (count == 0) return position;
    const std::size_t last = count - 1;
    if (order(0) == std::partial_ordering::greater) {
        position.Kind = TCurvePosition::Before;
        return position;
    }
    if (order(last) == std::partial_ordering::less) {
        position.Kind = TCurvePosition::After;
        position.Index = last;
        return position;
    }
    if (last == 0) {
        // A single point hit exactly.
        if (order(0) == std::partial_ordering::equivalent) position.Kind = TCurvePosition::Single;
        return position;
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
    if (low > last) return position; // x is NaN or the points are not sorted
    position.Kind = TCurvePosition::Between;
    position.Index = low;
    position.X0 = xAt(low - 1);
    position.X1 = xAt(low);
    return position;
}

// The value of the curve `yAt(i)` (double) at a located position. Outside the curve: the
// first or last y, not found.
template <class YAt> TCurveValue ValueAt(const TCurvePosition& position, YAt yAt) {
    switch (position.Kind) {
    case TCurvePosition::Before:
    case TCurvePosition::After:
        return {static_cast<float>(yAt(position.Index)), false};
    case TCurvePosition::Single:
        return {static_cast<float>(yAt(position.Index)), true};
    case TCurvePosition::Between: {
        const double x0 = position.X0;
        const double x1 = position.X1;
        const double y0 = yAt(position.Index - 1);
        const double y1 = yAt(position.Index);
        const double value =
            std::fabs(x1 - x0) <= 1e-9 ? y0 : y0 + (y1 - y0) / (x1 - x0) * (position.X - x0);
        return {static_cast<float>(value), true};
    }
    case TCurvePosition::None:
        break;
    }
    return {};
}

// Linear interpolation at `x` on `count` points sorted ascending by x (see LocateAscending),
// the y given by `yAt(i)`. Tables and the speed solution's trial curves share it, so both
// give the same bits.
template <class XAt, class YAt, class Order>
TCurveValue InterpolateAscending(std::size_t count, float x, XAt xAt, YAt yAt, Order order) {
    return ValueAt(LocateAscending(count, x, xAt, order), yAt);
}

template <class XAt, class YAt>
TCurveValue InterpolateAscending(std::size_t count, float x, XAt xAt, YAt yAt) {
    return InterpolateAscending(count, x, xAt, yAt,
                                [&xAt, x](std::size_t i) { return xAt(i) <=> x; });
}

} // namespace corvane
