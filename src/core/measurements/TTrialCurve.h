#pragma once

#include "mdb/CurveInterpolation.h"
#include "physics/TSeriesConversion.h"

#include <compare>
#include <cstdint>
#include <vector>

namespace corvane {

class TMdbMw;
struct TPointBase;

// Flow and static pressure of a loaded series at trial speeds, computed from the series' base
// evaluation in the table's view order, without converting, storing or sorting the table.
// The speed solution tries a dozen speeds per candidate and needs only the pressure at one
// flow each time; the values are those the table would hold after a load with the same
// targets, to the last bit.
//
// The answer equals the table's (after loading and sorting by flow) when the converted flows
// are strictly ascending in the view order taken: a sort then keeps that order. Otherwise the
// caller has to load the table instead.
class TTrialCurve {
public:
    // Takes the points of `mw` in its present view order, and its density, diameter and
    // distance targets. `mw` must hold a loaded series.
    void Take(TMdbMw& mw);

    struct TTrial {
        TCurveValue Pressure;   // static pressure at the flow asked for
        bool Ascending = false; // the converted flows are strictly ascending in view order
    };
    // The curve converted to `speed` (1/min, the table's single-precision target): static
    // pressure interpolated at `flow`.
    TTrial PressureAt(float speed, float flow);

private:
    struct TPoint {
        float Flow = -1;
        float PFa = -1;
        float MeasuredSpeed = -1;
        double ModelTip = 1;
        double SpeedFreeFlow = 0;
    };
    // Converts flow and pressure factor of point i for the present trial, once per trial.
    void Convert(std::size_t i);
    // Every point converts with its own speed ratio and the common tip-speed factor.
    bool AllSpeedsConvert(float speed) const;
    // Converted flow of point i against `flow` (flow(i) <=> flow), from the speed-free flow
    // and `scale` when that decides it beyond any rounding, else from the converted flow.
    std::partial_ordering FlowOrder(std::size_t i, float flow, double scale);

    std::vector<TPoint> points_;
    std::vector<const TPointBase*> view_;
    // Whether the order of the converted flows is known without converting them all.
    bool separated_ = false;
    float lowestSpeed_ = 0; // of the measured speeds of the points taken
    float highestSpeed_ = 0;
    TSeriesConversion taken_{TSeriesGeometry{}, TConvertTargets{}};
    TSeriesConversion trial_{TSeriesGeometry{}, TConvertTargets{}};
    // Per trial: converted flows, pressure factors and the trial that converted them.
    std::vector<float> flows_;
    std::vector<double> pressureFactors_;
    std::vector<std::uint64_t> convertedIn_;
    std::uint64_t trialNo_ = 0;
};

} // namespace corvane
