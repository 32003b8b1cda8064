#include "physics/FanLaws.h"

#include "physics/AirDensity.h"
#include "physics/TPointValues.h"
#include "physics/TSeriesConversion.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

namespace corvane {

namespace {

struct TTablePoint {
    double X;
    double Y;
};

// Efficiency scale-up between model and full size. A and C run over the tip speed (m/s),
// B and D over the impeller diameter (mm); A and B belong to family 0, C and D to family 1.
constexpr TTablePoint kTableA[] = {{0, 0.2},      {8, 0.82},   {8.5, 0.85},    {9, 0.875},
                                   {9.5, 0.895},  {10, 0.91},  {10.5, 0.925},  {11, 0.935},
                                   {11.5, 0.945}, {12, 0.955}, {12.5, 0.9605}, {13, 0.97},
                                   {13.5, 0.975}, {14, 0.985}, {14.5, 0.99},   {15, 0.995},
                                   {15.5, 0.998}, {16, 1},     {100, 1}};

constexpr TTablePoint kTableB[] = {
    {0, 0.2},     {60, 0.475},  {70, 0.535},  {80, 0.585},  {90, 0.625},  {100, 0.665},
    {110, 0.7},   {120, 0.725}, {130, 0.75},  {140, 0.775}, {150, 0.795}, {160, 0.81},
    {170, 0.83},  {180, 0.845}, {190, 0.855}, {200, 0.875}, {250, 0.92},  {300, 0.96},
    {350, 0.985}, {400, 1},     {450, 1.015}, {500, 1.025}, {600, 1.04},  {700, 1.055},
    {800, 1.065}, {900, 1.072}, {1000, 1.08}, {10000, 1.2}};

constexpr TTablePoint kTableC[] = {{0, 0.2},    {14, 0.88}, {15, 0.905}, {16, 0.92},  {17, 0.94},
                                   {18, 0.95},  {19, 0.96}, {20, 0.97},  {21, 0.975}, {22, 0.98},
                                   {23, 0.985}, {24, 0.99}, {25, 0.995}, {26, 0.997}, {27, 0.999},
                                   {28, 1},     {100, 1}};

constexpr TTablePoint kTableD[] = {{0, 0.2},     {150, 0.9},    {200, 0.94},  {250, 0.96},
                                   {300, 0.98},  {350, 0.99},   {400, 1},     {450, 1.01},
                                   {500, 1.015}, {600, 1.02},   {700, 1.03},  {800, 1.035},
                                   {900, 1.038}, {1000, 1.041}, {10000, 1.08}};

// Piecewise linear look-up: at or below the first x the first y, at or above the last x the
// last y, linear in between. A NaN argument gives the first y.
template <std::size_t N> double LookUp(const TTablePoint (&table)[N], double x) {
    if (!(x > table[0].X)) return table[0].Y;
    if (x >= table[N - 1].X) return table[N - 1].Y;
    // The first point beyond x (the points ascend; the last one is beyond x here).
    const TTablePoint* above =
        std::upper_bound(std::begin(table) + 1, std::end(table) - 1, x,
                         [](double value, const TTablePoint& point) { return value < point.X; });
    const TTablePoint& a = *(above - 1);
    const TTablePoint& b = *above;
    return a.Y + (b.Y - a.Y) * (x - a.X) / (b.X - a.X);
}

double TipSpeed(double speed, double d2) {
    return d2 / 1000.0 * std::numbers::pi * speed / 60.0;
}

} // namespace

double TipSpeedFactor(int family, double speed, double d2) {
    switch (family) {
    case 0:
        return LookUp(kTableA, TipSpeed(speed, d2));
    case 1:
        return LookUp(kTableC, TipSpeed(speed, d2));
    default:
        return 1;
    }
}

double SizeFactor(int family, double d2) {
    switch (family) {
    case 0:
        return LookUp(kTableB, d2);
    case 1:
        return LookUp(kTableD, d2);
    default:
        return 1;
    }
}

int CorrectionFamily(int typeNumber) {
    if (typeNumber >= 60 && typeNumber <= 120) return 0;
    if (typeNumber >= 149 && typeNumber <= 249) return 1;
    return 2;
}

bool ConvertsDensity(float density) {
    return density > 0 && IsNonStandardDensity(density);
}

void ConvertPoint(TPointValues& point, const TSeriesGeometry& series, float measuredSpeed,
                  const TConvertTargets& targets) {
    TSeriesConversion(series, targets)
        .Convert(point, measuredSpeed, TSeriesConversion::ModelTipFactor(series, measuredSpeed));
}

float ConvertBandLevel(float level, const TSeriesGeometry& series, const TConvertTargets& targets,
                       float measuredSpeed) {
    const bool diameterStep =
        targets.D2 > 0 && series.MeasuredD2 > 0 && targets.D2 != series.MeasuredD2;
    const bool speedStep = targets.Speed > 0 && measuredSpeed > 0 && targets.Speed != measuredSpeed;
    if (diameterStep || speedStep) {
        const double g = diameterStep ? static_cast<double>(targets.D2) / series.MeasuredD2 : 1.0;
        const double h = speedStep ? static_cast<double>(targets.Speed) / measuredSpeed : 1.0;
        TSeriesConversion::ShiftLevel(level, 50.0 * std::log10(g * h) + 20.0 * std::log10(g));
    }
    if (ConvertsDensity(targets.Density))
        TSeriesConversion::ShiftLevel(level, 20.0 * std::log10(targets.Density / kStandardDensity));
    if (targets.Distance > 1)
        TSeriesConversion::LevelToDistance(
            level, 20.0 * std::log10(static_cast<double>(targets.Distance)));
    return level;
}

} // namespace corvane
