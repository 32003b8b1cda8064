#pragma once

#include <vector>

namespace corvane {

struct TAxisTick {
    double Value = 0;
    bool Major = false; // long tick with a label (and a grid line on log axes)
};

// Log-axis pattern density: the number of decades is multiplied by the factor before the
// pattern is chosen, so factors below 1 give denser labels. The curve windows use 0.6 on the
// x axis and 0.3 on the y axis; everything else 1.
struct TTickDensity {
    double X = 1.0;
    double Y = 1.0;
};
inline constexpr TTickDensity kCurveWindowDensity{0.6, 0.3};

// Ticks of a linear axis every `step`, every n-th major, from min to max with a tolerance of
// 0.1 % of the range at both ends. The first candidate lies one label step below min.
std::vector<TAxisTick> LinearTicks(double min, double max, double step, int n);
// Ticks of a log axis (world values log10) from logLo to logHi; `density` scales the number
// of decades before the pattern is chosen.
std::vector<TAxisTick> LogTicks(double logLo, double logHi, double density);
// Positions of grid lines strictly above min + 1e-4 up to max: multiples of a linear step
// (step > 1e-5), the major ticks of a log axis (step < -1e-5), none for a step near 0.
std::vector<double> GridLines(double min, double max, double step, double density);

} // namespace corvane
