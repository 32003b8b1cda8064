#include "physics/FanLaws.h"

#include "physics/AirDensity.h"
#include "physics/TPointValues.h"

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
    std::size_t i = 1;
    while (x >= table[i].X)
        ++i;
    const TTablePoint& a = table[i - 1];
    const TTablePoint& b = table[i];
    return a.Y + (b.Y - a.Y) * (x - a.X) / (b.X - a.X);
}

double TipSpeed(double speed, double d2) {
    return d2 / 1000.0 * std::numbers::pi * speed / 60.0;
}

// Multiplies a value that is not missing.
inline void Scale(float& value, double factor) {
    if (value != -1.0f) value = static_cast<float>(value * factor);
}

// Adds to a level above 0.
inline void Shift(float& level, double delta) {
    if (level > 0) level = static_cast<float>(level + delta);
}

// Lowers a level above 0 to the listening distance, never below 0.
inline void ToDistance(float& level, double delta) {
    if (level > 0) level = static_cast<float>(std::max(level - delta, 0.0));
}

// A target density is given and differs from the standard density.
bool DensityApplies(float density) {
    return density > 0 && IsNonStandardDensity(density);
}

// Power coefficient from the converted pressure and flow coefficients and the total shaft
// efficiency.
float PowerCoefficient(const TPointValues& point) {
    if (point.PsiTot >= 0 && point.Phi >= 0 && point.EtaShaftTot > 1e-9)
        return static_cast<float>(static_cast<double>(point.PsiTot) * point.Phi /
                                  (point.EtaShaftTot / 100.0));
    return -1.0f;
}

// The parts of a conversion that depend only on the series geometry and the targets, not
// on the point: a table evaluates all its points with the same targets, so they are kept
// per thread and recomputed only when geometry or targets change.
struct TTargetTerms {
    // key
    float MeasuredD2 = -2;
    int Family = -1;
    float TargetD2 = -2;
    float Density = -2;
    float Distance = -2;
    // diameter step
    bool DiameterStep = false;
    bool ReferenceSize = false; // the measured diameter lies in 380..420 mm
    double G = 1;
    double D2 = -1;    // diameter used after the diameter step
    double SoundG = 0; // 70·log10(g)
    // scale-up of efficiencies and coefficients
    double Efficiency = 1;
    double Psi = 1;
    double Phi = 1;
    // density and distance
    bool DensityStep = false;
    double DensityRatio = 1;
    double DensityDelta = 0;
    bool DistanceStep = false;
    double DistanceDelta = 0;
};

const TTargetTerms& TermsFor(const TSeriesGeometry& series, const TConvertTargets& targets) {
    thread_local TTargetTerms terms;
    if (terms.MeasuredD2 == series.MeasuredD2 && terms.Family == series.Family &&
        terms.TargetD2 == targets.D2 && terms.Density == targets.Density &&
        terms.Distance == targets.Distance)
        return terms;
    TTargetTerms t;
    t.MeasuredD2 = series.MeasuredD2;
    t.Family = series.Family;
    t.TargetD2 = targets.D2;
    t.Density = targets.Density;
    t.Distance = targets.Distance;

    const double d2m = series.MeasuredD2;
    t.DiameterStep = targets.D2 > 0 && series.MeasuredD2 > 0 && targets.D2 != series.MeasuredD2;
    t.ReferenceSize = d2m >= 380 && d2m <= 420;
    t.D2 = d2m;
    if (t.DiameterStep) {
        t.G = targets.D2 / d2m;
        t.D2 = targets.D2;
        t.SoundG = 70.0 * std::log10(t.G);
    }
    const double st = SizeFactor(series.Family, t.D2);
    const double sm = t.ReferenceSize ? 1.0 : SizeFactor(series.Family, d2m);
    t.Efficiency = st / sm;
    t.Phi = std::cbrt(t.Efficiency);
    t.Psi = t.Phi * t.Phi;

    t.DensityStep = DensityApplies(targets.Density);
    if (t.DensityStep) {
        t.DensityRatio = targets.Density / kStandardDensity;
        t.DensityDelta = 20.0 * std::log10(t.DensityRatio);
    }
    t.DistanceStep = targets.Distance > 1;
    if (t.DistanceStep) t.DistanceDelta = 20.0 * std::log10(static_cast<double>(targets.Distance));
    terms = t;
    return terms;
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

void ConvertPoint(TPointValues& point, const TSeriesGeometry& series, float measuredSpeed,
                  const TConvertTargets& targets) {
    const TTargetTerms& terms = TermsFor(series, targets);
    const double nm = measuredSpeed;

    // Fan laws: diameter, then speed. Each quantity collects its factors and is multiplied
    // once at the end, so a missing value is tested once and rounded to float once.
    const bool speedStep = targets.Speed > 0 && measuredSpeed > 0 && targets.Speed != measuredSpeed;
    if (!terms.DiameterStep && !speedStep && !terms.DensityStep && !terms.DistanceStep) {
        point.Lambda = PowerCoefficient(point);
        return;
    }
    double h = 1;
    double n = nm;
    if (speedStep) {
        h = targets.Speed / nm;
        n = targets.Speed;
        point.Speed = targets.Speed;
    }

    const double g = terms.G;
    const double g2 = g * g;
    const double g5 = g2 * g2 * g;
    double flow = g2 * g * h;
    double pressure = g2 * h * h;
    double power = g5 * h * h * h;
    const double torque = g5 * h * h;
    double efficiency = 1;
    double psi = 1;
    double phi = 1;

    if (terms.DiameterStep || speedStep) {
        // Scale-up from the model to the converted size and tip speed. Measurements taken
        // near 400 mm and 1500 1/min are the reference of the tables.
        if (series.Family != 2) {
            const double d2m = series.MeasuredD2;
            const double ft = TipSpeedFactor(series.Family, n, terms.D2);
            const double fm = (terms.ReferenceSize && nm >= 1400 && nm <= 1600)
                                  ? 1.0
                                  : TipSpeedFactor(series.Family, nm, d2m);
            if (ft != fm) {
                const double tip = std::cbrt(ft / fm);
                flow *= tip;
                pressure *= tip * tip;
            }
            efficiency = terms.Efficiency;
            psi = terms.Psi;
            phi = terms.Phi;
        }
        if (point.Lp > 0 || point.LpA > 0) {
            // 50·log10(g·h) + 20·log10(g)
            const double delta =
                terms.SoundG + (speedStep ? 50.0 / std::numbers::ln10 * std::log(h) : 0.0);
            Shift(point.Lp, delta);
            Shift(point.LpA, delta);
        }
    }

    if (terms.DensityStep) {
        pressure *= terms.DensityRatio;
        power *= terms.DensityRatio;
        Shift(point.Lp, terms.DensityDelta);
        Shift(point.LpA, terms.DensityDelta);
    }

    if (terms.DistanceStep) {
        ToDistance(point.Lp, terms.DistanceDelta);
        ToDistance(point.LpA, terms.DistanceDelta);
    }

    Scale(point.Flow, flow);
    Scale(point.PFa, pressure);
    Scale(point.PDyn, pressure);
    Scale(point.PTot, pressure);
    Scale(point.ElPower, power);
    Scale(point.ShaftPower, power);
    Scale(point.AirPowerFa, power);
    Scale(point.AirPowerTot, power);
    Scale(point.Torque, torque);
    Scale(point.EtaShaftFa, efficiency);
    Scale(point.EtaShaftTot, efficiency);
    Scale(point.EtaSysFa, efficiency);
    Scale(point.EtaSysTot, efficiency);
    Scale(point.PsiFa, psi);
    Scale(point.PsiTot, psi);
    Scale(point.Phi, phi);

    point.Lambda = PowerCoefficient(point);
}

float ConvertBandLevel(float level, const TSeriesGeometry& series, const TConvertTargets& targets,
                       float measuredSpeed) {
    const bool diameterStep =
        targets.D2 > 0 && series.MeasuredD2 > 0 && targets.D2 != series.MeasuredD2;
    const bool speedStep = targets.Speed > 0 && measuredSpeed > 0 && targets.Speed != measuredSpeed;
    if (diameterStep || speedStep) {
        const double g = diameterStep ? static_cast<double>(targets.D2) / series.MeasuredD2 : 1.0;
        const double h = speedStep ? static_cast<double>(targets.Speed) / measuredSpeed : 1.0;
        Shift(level, 50.0 * std::log10(g * h) + 20.0 * std::log10(g));
    }
    if (DensityApplies(targets.Density))
        Shift(level, 20.0 * std::log10(targets.Density / kStandardDensity));
    if (targets.Distance > 1)
        ToDistance(level, 20.0 * std::log10(static_cast<double>(targets.Distance)));
    return level;
}

} // namespace corvane
