#include "efficiency/EcoDesign.h"

#include "selection/SearchTables.h"

#include <cmath>

namespace corvane {

namespace {

constexpr std::int32_t kForwardCurvedGroup = 0;
constexpr std::int32_t kBackwardCurvedGroup = 1;
// The lower formula of both regulations holds up to 10 kW of electrical input.
constexpr double kLowerFormulaLimitKw = 10.0;
// Forward-curved fans from 5 kW on must reach the grades of backward-curved fans.
constexpr double kForwardCurvedLargeKw = 5.0;

// Below 0.75 kW the default motor follows a logarithmic curve, from there a cubic in log10.
constexpr double kSmallMotorLimitKw = 0.75;

double BackwardCurvedBase(double kw) {
    return kw <= kLowerFormulaLimitKw ? 4.56 * std::log(kw) - 10.5 : 1.1 * std::log(kw) - 2.6;
}

double ForwardCurvedBase327(double kw) {
    return kw <= kLowerFormulaLimitKw ? 2.74 * std::log(kw) - 6.33 : 0.78 * std::log(kw) - 1.88;
}

} // namespace

EFanType FanTypeOfImpeller(std::int32_t typeNumber) {
    if (TypeInGroup(kForwardCurvedGroup, typeNumber)) return EFanType::ForwardCurved;
    if (TypeInGroup(kBackwardCurvedGroup, typeNumber)) return EFanType::BackwardCurved;
    return EFanType::NotRated;
}

bool InsideEcoPowerRange(double inputKw) {
    return inputKw >= kEcoMinInputKw && inputKw <= kEcoMaxInputKw;
}

double DefaultMotorEfficiency(double inputKw) {
    if (inputKw >= kSmallMotorLimitKw) {
        const double x = std::log10(inputKw);
        return ((0.000278 * x - 0.019247) * x + 0.104395) * x + 0.809761;
    }
    return 0.1462 * std::log(inputKw) + 0.8381;
}

double DefaultMotorInput(double shaftKw) {
    if (!(shaftKw > 0) || !std::isfinite(shaftKw)) return -1;
    // Pe · ηm(Pe) rises with Pe wherever ηm is above -0.1462 (from about 1.3 W on), so the
    // input is found by bisection. At 0.75 kW the two motor curves meet with a small step;
    // a shaft power inside that step gets 0.75 kW.
    const auto output = [](double pe) { return pe * DefaultMotorEfficiency(pe); };
    double lo = 0.002;
    if (output(lo) >= shaftKw) return lo;
    double hi = 1.0;
    while (output(hi) < shaftKw && hi < 1e9)
        hi *= 2;
    for (int i = 0; i < 200 && hi - lo > 1e-12 * hi; ++i) {
        const double mid = 0.5 * (lo + hi);
        (output(mid) < shaftKw ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

TEcoTarget Target327(EFanType type, bool housed, EEfficiencyCategory category, double inputKw) {
    TEcoTarget t;
    if (!InsideEcoPowerRange(inputKw)) return t;
    const bool isStatic = category == EEfficiencyCategory::Static;
    switch (type) {
    case EFanType::BackwardCurved:
        // Without housing only the static category is rated.
        if (!housed && !isStatic) return t;
        t.Base = BackwardCurvedBase(inputKw);
        t.RequiredN = !housed ? 62 : isStatic ? 61 : 64;
        break;
    case EFanType::ForwardCurved:
        t.Base = ForwardCurvedBase327(inputKw);
        t.RequiredN = isStatic ? 44 : 49;
        break;
    case EFanType::NotRated:
        return t;
    }
    t.Applies = true;
    return t;
}

TEcoTarget Target1834(EFanType type, EEfficiencyCategory category, double inputKw) {
    TEcoTarget t;
    if (type == EFanType::NotRated || !InsideEcoPowerRange(inputKw)) return t;
    const bool isStatic = category == EEfficiencyCategory::Static;
    const bool lowGrades = type == EFanType::ForwardCurved && inputKw < kForwardCurvedLargeKw;
    t.Base = inputKw < kLowerFormulaLimitKw ? 4.56 * std::log(inputKw) - 10.5
                                            : 1.1 * std::log(inputKw) - 2.6;
    t.RequiredN = lowGrades ? (isStatic ? 52 : 57) : (isStatic ? 64 : 67);
    t.Applies = true;
    return t;
}

double SpeedControlCompensation1834(double inputKw) {
    if (!(inputKw > 0)) return 1.0;
    return inputKw < kForwardCurvedLargeKw ? 1.0 + 0.0812 / std::sqrt(inputKw) : 1.04;
}

} // namespace corvane
