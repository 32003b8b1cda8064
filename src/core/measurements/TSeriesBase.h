#pragma once

#include "physics/TPointValues.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace corvane {

// One point of a series evaluated from its raw readings alone, before any conversion.
struct TPointBase {
    TPointValues Values; // Speed is the measured speed
    double ModelTip = 1; // tip-speed factor of the measurement (the model side of the scale-up)
    // Flow over measured speed, and over the cube root of ModelTip for series with scale-up:
    // the part of a converted flow that does not depend on the target speed (0 when the
    // point has no flow or no measured speed).
    double SpeedFreeFlow = 0;
};

// The part of the evaluation of a series that does not depend on the conversion targets:
// density and humidity, pressures, powers, efficiencies, coefficients, phase means and sound
// levels of every point, and the series figures taken over the points. A measured-points
// table computes it once per load and converts from it for every new set of targets; the
// point cache keeps it with the raw points, so it survives switching between series.
//
// A flow load reads only flow, static pressure, shaft power, speed, density, ModelTip and
// SpeedFreeFlow of the points (and the series figures): a base computed for it holds just
// those, and a full load completes it first.
struct TSeriesBase {
    // The series values the evaluation read; a base evaluated with others does not fit.
    std::int32_t Arrangement = 0;
    float OutletArea = -1;
    float MeasuredD2 = -1;
    float PhiArea = -1;
    int Family = 2;

    std::int32_t SoundInstrument = 0;
    float MinMeasuredSpeed = 1000000;
    float MaxMeasuredSpeed = 0;
    float MeanDensity = 0;
    bool Complete = false;          // every value of the points is evaluated
    std::vector<TPointBase> Points; // in the table's list order

    // What a flow load reads of each point, in the order of Points: side by side, a series'
    // points take a few cache lines, where the full points take a line or two each.
    struct TFlowPoint {
        float Flow = -1;
        float PFa = -1;
        float ShaftPower = -1;
        float Speed = -1;
        double ModelTip = 1;
    };
    std::vector<TFlowPoint> Flows;

    // Compared bit for bit, as the evaluation would see them.
    bool Fits(std::int32_t arrangement, float outletArea, float measuredD2, float phiArea,
              int family) const {
        return arrangement == Arrangement && family == Family && Same(outletArea, OutletArea) &&
               Same(measuredD2, MeasuredD2) && Same(phiArea, PhiArea);
    }

private:
    static bool Same(float a, float b) {
        return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
    }
};

} // namespace corvane
