#include "render/diagram/TAxisMap.h"

#include <algorithm>
#include <cmath>

namespace corvane {

void TAxisMap::SetAxisMap(std::int32_t p0, std::int32_t p1, double w0, double w1) {
    if (p0 != p1) {
        P0 = p0;
        P1 = p1;
    }
    const double span = w1 != w0 && std::isfinite(w1 - w0) ? w1 - w0 : 1.0;
    Scale = (P1 - P0) / span;
    Offset = P0 - w0 * Scale;
}

std::int32_t TAxisMap::WorldToPixel(double value) const {
    const double pixel = Scale * value + Offset;
    if (std::isnan(pixel)) return static_cast<std::int32_t>(-kPixelLimit);
    // Nearest integer with ties to even, as the device mapping has always rounded.
    return static_cast<std::int32_t>(std::nearbyint(std::clamp(pixel, -kPixelLimit, kPixelLimit)));
}

double TAxisMap::PixelToWorld(double pixel) const {
    return (pixel - Offset) / Scale;
}

double TAxisMap::FractionToWorld(double t) const {
    return ((P1 - P0) * t + P0 - Offset) / Scale;
}

} // namespace corvane
