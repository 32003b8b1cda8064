#include "FanShapes.h"

#include "Random.h"

#include <cmath>

namespace corvane {

namespace {

constexpr double kStallX = 0.4;      // stall dip of forward-curved wheels at 40 % of free flow
constexpr double kStallWidth = 0.08; // its half width in relative flow

} // namespace

TFanShape TFanShape::Draw(TFanKind kind, TRandom& random) {
    TFanShape s;
    s.kind_ = kind;
    switch (kind) {
    case TFanKind::Backward: {
        s.psi0_ = random.Uniform(1.12, 1.28);
        s.hump_ = random.Uniform(0.15, 0.35);
        // Non-overloading power: a maximum between 70 and 80 % of the free flow.
        const double top = random.Uniform(0.70, 0.80);
        s.power0_ = random.Uniform(0.38, 0.48);
        s.power1_ = random.Uniform(1.25, 1.45);
        s.power2_ = -s.power1_ / (2 * top);
        s.phiMax_ = 0.3;
        break;
    }
    case TFanKind::Forward:
        s.psi0_ = random.Uniform(2.05, 2.75);
        s.hump_ = random.Uniform(0.25, 0.45);
        s.stallDip_ = random.Uniform(0.08, 0.14);
        // Power rising with the flow up to free delivery.
        s.power0_ = random.Uniform(0.22, 0.30);
        s.power1_ = random.Uniform(0.45, 0.65);
        s.power2_ = random.Uniform(0.35, 0.55);
        s.phiMax_ = 1.2;
        break;
    case TFanKind::RadialBlade:
        s.psi0_ = random.Uniform(1.0, 1.2);
        s.hump_ = random.Uniform(0.02, 0.10);
        s.power0_ = random.Uniform(0.30, 0.40);
        s.power1_ = random.Uniform(0.70, 0.90);
        s.power2_ = 0;
        s.phiMax_ = 0.15;
        break;
    }
    return s;
}

double TFanShape::PsiFa(double x) const {
    double psi = 1 + hump_ * x - (1 + hump_) * x * x;
    if (stallDip_ > 0) {
        const double d = (x - kStallX) / kStallWidth;
        psi -= stallDip_ * std::exp(-d * d);
    }
    return psi0_ * psi;
}

double TFanShape::PsiTot(double x) const {
    const double dyn = Phi(x) * areaRatio_;
    return PsiFa(x) + dyn * dyn;
}

double TFanShape::PowerShape(double x) const {
    return power0_ + power1_ * x + power2_ * x * x;
}

double TFanShape::Efficiency(double x) const {
    return PsiTot(x) * Phi(x) / Lambda(x);
}

void TFanShape::FindPeak(double& value, double& x) const {
    value = 0;
    x = 0;
    for (int i = 1; i <= 1000; ++i) {
        const double xi = i / 1000.0;
        const double e = PsiTot(xi) * Phi(xi) / PowerShape(xi);
        if (e > value) {
            value = e;
            x = xi;
        }
    }
}

void TFanShape::Normalise(double areaRatio, double flowFactor, double etaPeak, double phiOpt) {
    areaRatio_ = areaRatio;
    flowFactor_ = flowFactor;
    // The peak position moves a little with PhiMax (through the dynamic pressure): a few
    // rounds of placing it at phiOpt settle it.
    double value = 0;
    for (int round = 0; round < 4; ++round) {
        FindPeak(value, peakX_);
        phiMax_ = phiOpt / (flowFactor_ * peakX_);
    }
    FindPeak(value, peakX_);
    lambdaScale_ = value / etaPeak;
}

} // namespace corvane
