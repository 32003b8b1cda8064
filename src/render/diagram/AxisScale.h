#pragma once

#include <string>

namespace corvane {

// A rounded linear axis range: labels every MinorStep × StepsPerLabel, ticks every MinorStep.
struct TLinearScale {
    double Lo = 0;
    double Hi = 1;
    double MinorStep = 0.05;
    int StepsPerLabel = 4;

    double LabelStep() const { return MinorStep * StepsPerLabel; }
};

// A logarithmic axis range in decades (log10 of the quantity). The step -1 marks the axis as
// logarithmic for the axis and grid drawing.
struct TLogRange {
    double LogLo = 0;
    double LogHi = 1;
    double Step = -1.0;
    int StepsPerLabel = 1;
};

// Axis label of `value`: `decimals` digits after the point, or when negative as many as the
// label step needs (step > 4: 0, > 0.4: 1, > 0.04: 2, > 0.004: 3, else 4). Values within 1e-6
// of zero print as "0". Always "." as decimal point.
std::string FormatAxisLabel(int decimals, double step, double value);

// Widens lo..hi to round label values: a positive lo rounds down, a negative lo away from
// zero, a positive hi up, a negative hi toward zero; bounds very close to zero become 0.
// The span is at least 0.001.
TLinearScale NiceLinearScale(double lo, double hi);

// Log range of lo..hi: lo at least 0.0001, at least 0.3 decades (a factor of 2).
TLogRange LogScale(double lo, double hi);

} // namespace corvane
