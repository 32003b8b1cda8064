#pragma once

#include <cstdint>

namespace corvane {

// One linear axis transform of a diagram: world value v lies at pixel Scale × v + Offset.
// The world bounds themselves are not kept, only the two pixels they map to.
struct TAxisMap {
    // Mapped pixels are clamped to this magnitude, so far-off points never overflow the
    // device coordinate range.
    static constexpr double kPixelLimit = 16000;

    std::int32_t P0 = 0; // pixel of the first world bound
    std::int32_t P1 = 1; // pixel of the second world bound
    double Scale = 1;    // pixels per world unit; negative for a y axis growing upwards
    double Offset = 0;   // pixel of world value 0

    // Maps w0 to p0 and w1 to p1. Equal pixels keep the stored pixel range; equal world
    // bounds are widened to a span of 1 so that the map stays finite.
    void SetAxisMap(std::int32_t p0, std::int32_t p1, double w0, double w1);
    // Pixel of a world value, clamped to ±16000 before rounding; NaN gives -16000.
    std::int32_t WorldToPixel(double value) const;
    double PixelToWorld(double pixel) const;
    // World value at fraction t of the pixel range (0 at P0, 1 at P1).
    double FractionToWorld(double t) const;
};

} // namespace corvane
