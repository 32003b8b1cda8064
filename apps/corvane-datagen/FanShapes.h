#pragma once

namespace corvane {

class TRandom;

enum class TFanKind { Forward, Backward, RadialBlade };

// Dimensionless characteristic of one impeller family over the relative flow x = 0 (shut-off)
// .. 1 (free delivery): static pressure coefficient psi_fa(x) and power coefficient
// lambda(x), with the flow coefficient phi = x * PhiMax (VDI 2044 reference area pi D2²/4).
// The total pressure adds the dynamic pressure of the outlet, which depends on the ratio of
// the reference area to the outlet area of the rig, so the power scale is fixed per series
// (Normalise) so that the best total efficiency psi_tot phi / lambda is the wanted one.
class TFanShape {
public:
    static TFanShape Draw(TFanKind kind, TRandom& random);

    TFanKind Kind() const { return kind_; }
    double PhiMax() const { return phiMax_; }
    double Psi0() const { return psi0_; }

    double PsiFa(double x) const;
    double Phi(double x) const { return flowFactor_ * x * phiMax_; }
    // Total pressure coefficient with the outlet of area ratio `areaRatio` = A0 / Ab.
    double PsiTot(double x) const;
    double Lambda(double x) const { return lambdaScale_ * PowerShape(x); }
    double Efficiency(double x) const;

    // Fixes the outlet (A0 / Ab) and the flow factor (2 for a double-inlet model), scales the
    // power so that the peak total efficiency is `etaPeak` and stretches the flow so that the
    // best point lies at `phiOpt` (flow coefficient including the flow factor).
    void Normalise(double areaRatio, double flowFactor, double etaPeak, double phiOpt);
    // Relative flow of the best efficiency.
    double PeakX() const { return peakX_; }

private:
    double PowerShape(double x) const;
    // Peak of psi_tot phi / shape over a fine grid: value and position.
    void FindPeak(double& value, double& x) const;

    TFanKind kind_ = TFanKind::Backward;
    double phiMax_ = 0.3;
    double psi0_ = 1.2;
    double hump_ = 0.2;   // rise of the pressure curve right after shut-off
    double stallDip_ = 0; // depth of the stall dip of forward-curved wheels
    double power0_ = 0.4; // power shape: p0 + p1 x + p2 x²
    double power1_ = 1.3;
    double power2_ = -0.85;
    double areaRatio_ = 2;
    double flowFactor_ = 1;
    double lambdaScale_ = 1;
    double peakX_ = 0.7;
};

} // namespace corvane
