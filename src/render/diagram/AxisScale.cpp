#include "render/diagram/AxisScale.h"

#include "util/Numbers.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

// Integer part, truncating toward zero.
double Int(double value) {
    return std::trunc(value);
}

// Decade D and mantissa M (1 <= M < 10) of a positive magnitude.
struct TDecade {
    double D;
    double M;
};

TDecade Decade(double magnitude) {
    double d = std::pow(10.0, Int(std::log10(magnitude)));
    double m = magnitude / d;
    if (m < 1) {
        m *= 10;
        d /= 10;
    }
    return {d, m};
}

// One bound of the range: its sign, its magnitude (at least 5e-5) and whether it is so close
// to zero that it is treated as zero.
struct TBound {
    double Sign;
    double Magnitude;
    bool Zero;

    double Value() const { return Sign * Magnitude; }
};

TBound Bound(double value) {
    const double magnitude = std::max(std::fabs(value), 5e-5);
    return {value >= 0 ? 1.0 : -1.0, magnitude, Decade(magnitude).D < 0.0002};
}

// The bound rounded to a multiple of `label`; `up` adds almost one label before truncating.
double RoundBound(const TBound& b, double label, bool up) {
    if (b.Zero) return 0;
    return b.Sign * Int(b.Magnitude / label + (up ? 0.99999 : 0)) * label;
}

} // namespace

std::string FormatAxisLabel(int decimals, double step, double value) {
    if (decimals < 0) {
        if (step > 4)
            decimals = 0;
        else if (step > 0.4)
            decimals = 1;
        else if (step > 0.04)
            decimals = 2;
        else if (step > 0.004)
            decimals = 3;
        else
            decimals = 4;
    }
    if (std::fabs(value) < 1e-6) return "0";
    return FormatFixed(value, decimals, 10);
}

TLinearScale NiceLinearScale(double lo, double hi) {
    if (!std::isfinite(lo)) lo = 0;
    if (!std::isfinite(hi)) hi = lo + 1;
    if (hi <= lo) hi = lo + 1;
    if (lo + 0.001 >= hi) hi = lo + 0.001;

    const TBound low = Bound(lo);
    const TBound high = Bound(hi);
    const TDecade span = Decade(std::max(high.Value() - low.Value(), 1e-300));
    const double v = std::nearbyint(10 * span.M);

    TLinearScale s;
    if (v < 16) {
        s.MinorStep = span.D / 20;
        s.StepsPerLabel = 4;
    } else if (v < 40) {
        s.MinorStep = span.D / 10;
        s.StepsPerLabel = 5;
    } else if (v < 80) {
        s.MinorStep = span.D / 5;
        s.StepsPerLabel = 5;
    } else if (v <= 32000) {
        s.MinorStep = span.D / 2;
        s.StepsPerLabel = 4;
    } else {
        s.MinorStep = span.D / 20;
        s.StepsPerLabel = 4;
    }

    // A positive lo rounds down, a negative one away from zero; a positive hi rounds up, a
    // negative one toward zero.
    s.Lo = RoundBound(low, s.LabelStep(), low.Sign < 0);
    s.Hi = RoundBound(high, s.LabelStep(), high.Sign > 0);
    // Two bounds next to zero can both round to 0; the range keeps at least one label step.
    if (s.Hi <= s.Lo) s.Hi = s.Lo + s.LabelStep();
    return s;
}

TLogRange LogScale(double lo, double hi) {
    const double lo1 = std::max(lo, 0.0001);
    const double hi1 = std::max(hi, lo1);
    TLogRange r;
    r.LogLo = std::log10(lo1);
    r.LogHi = std::max(std::log10(hi1), r.LogLo + 0.3);
    return r;
}

} // namespace corvane
