#pragma once

#include "model/TMapLines.h"

#include <optional>
#include <vector>

namespace corvane {

struct TMapSettings;

// The quantity a speed search reads of a point: shaft power or sound level.
enum class EMapQuantity { Power, Level };

// The valid points of a measured curve, ascending in flow: at most the first 50 points by
// flow are looked at; a point is valid with speed >= 5, pressure > 1e-5 and flow >= 1e-5.
// More than 40 valid points are thinned alternately near both ends, keeping the ends.
std::vector<TMapPoint> MapBaseCurve(std::vector<TMapPoint> points);

// A point moved by the fan laws to another speed: flow ∝ n, pressure ∝ n², power ∝ n³,
// level + 50·log10 of the speed ratio; efficiency unchanged.
TMapPoint ScaleToSpeed(const TMapPoint& point, double speed);

// Halving search for the speed in [lo, hi] at which the point's quantity reaches `target`;
// the point there when the quantity lies within 5 % of the target, else nothing.
std::optional<TMapXY> SearchSpeed(const TMapPoint& point, EMapQuantity quantity, double target,
                                  double lo, double hi);

// The map of a measured curve (points evaluated at standard density) with the given settings
// (made effective here). Fewer than two valid points give an empty map. Lines of the speed,
// power and sound families with enough points carry their fitted polynomial of the family's
// order.
TMapLines ComputeMap(const TMapSettings& settings, const std::vector<TMapPoint>& points);

} // namespace corvane
