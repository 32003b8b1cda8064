#include "physics/FanLaws.h"
#include "physics/TPointValues.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace corvane;

namespace {

const TPointValues kMeasured{.Density = 1.19f,
                             .PFa = 800,
                             .PDyn = 120,
                             .PTot = 920,
                             .AirPowerFa = 1100,
                             .AirPowerTot = 1265,
                             .ShaftPower = 1800,
                             .ElPower = 2100,
                             .EtaShaftFa = 61.1f,
                             .EtaShaftTot = 70.3f,
                             .EtaSysFa = 52.4f,
                             .EtaSysTot = 60.2f,
                             .PsiFa = 0.9f,
                             .PsiTot = 1.04f,
                             .Phi = 0.21f,
                             .Flow = 4950,
                             .Speed = 1450,
                             .Torque = 11.85f,
                             .Lp = 78.4f,
                             .LpA = 73.1f};

TPointValues Convert(TSeriesGeometry series, float measuredSpeed, TConvertTargets targets,
                     TPointValues p = kMeasured) {
    ConvertPoint(p, series, measuredSpeed, targets);
    return p;
}

// Checks the fan-law groups: flow, pressures, powers, torque, efficiencies, psi, phi.
void ExpectFactors(const TPointValues& p, double flow, double pressure, double power, double torque,
                   double eta, double psi, double phi) {
    const TPointValues& m = kMeasured;
    EXPECT_FLOAT_EQ(p.Flow, static_cast<float>(m.Flow * flow));
    EXPECT_FLOAT_EQ(p.PFa, static_cast<float>(m.PFa * pressure));
    EXPECT_FLOAT_EQ(p.PTot, static_cast<float>(m.PTot * pressure));
    EXPECT_FLOAT_EQ(p.ShaftPower, static_cast<float>(m.ShaftPower * power));
    EXPECT_FLOAT_EQ(p.ElPower, static_cast<float>(m.ElPower * power));
    EXPECT_FLOAT_EQ(p.AirPowerTot, static_cast<float>(m.AirPowerTot * power));
    EXPECT_FLOAT_EQ(p.Torque, static_cast<float>(m.Torque * torque));
    EXPECT_FLOAT_EQ(p.EtaShaftFa, static_cast<float>(m.EtaShaftFa * eta));
    EXPECT_FLOAT_EQ(p.EtaSysTot, static_cast<float>(m.EtaSysTot * eta));
    EXPECT_FLOAT_EQ(p.PsiTot, static_cast<float>(m.PsiTot * psi));
    EXPECT_FLOAT_EQ(p.Phi, static_cast<float>(m.Phi * phi));
    // Lambda from the converted values; the scale-up of psi, phi and eta cancels out.
    EXPECT_NEAR(p.Lambda, m.PsiTot * m.Phi / (m.EtaShaftTot / 100), 1e-6);
}

} // namespace

TEST(FanLaws, DiameterAndSpeed) {
    // 400 → 500 mm, no scale-up (family 2).
    TPointValues p = Convert({400, 2}, 1450, {500, -1});
    ExpectFactors(p, 1.953125, 1.5625, 3.0517578125, 3.0517578125, 1, 1, 1);
    EXPECT_EQ(p.Speed, 1450.0f);
    EXPECT_NEAR(p.Lp - kMeasured.Lp, 6.78, 0.005);
    EXPECT_NEAR(p.LpA - kMeasured.LpA, 6.78, 0.005);

    // Family 0: tip speed 37.96 m/s is beyond table A and the measurement lies in the
    // reference window, so only the size factor 1.025 / 1 acts.
    p = Convert({400, 0}, 1450, {500, -1});
    ExpectFactors(p, 1.953125, 1.5625, 3.0517578125, 3.0517578125, 1.025,
                  std::pow(1.025, 2.0 / 3.0), std::pow(1.025, 1.0 / 3.0));

    // Family 1, 250 mm at 1000 1/min (13.09 m/s, outside the window) to 2000 1/min.
    p = Convert({250, 1}, 1000, {-1, 2000});
    const double fm = 0.2 + 0.68 * (0.25 * M_PI * 1000 / 60) / 14;
    const double ft = 0.997 + 0.002 * (0.25 * M_PI * 2000 / 60 - 26);
    ExpectFactors(p, 2 * std::cbrt(ft / fm), 4 * std::pow(ft / fm, 2.0 / 3.0), 8, 4, 1, 1, 1);
    EXPECT_EQ(p.Speed, 2000.0f);
    EXPECT_NEAR(p.Lp - kMeasured.Lp, 50 * std::log10(2.0), 1e-4);
}

TEST(FanLaws, NoChangeAndDensity) {
    // Same diameter and speed, density within 0.001 of standard, distance 1: nothing changes.
    for (TConvertTargets t : {TConvertTargets{315, 1450, 1.2049f, 1}, TConvertTargets{}}) {
        TPointValues p = Convert({315, 0}, 1450, t);
        ExpectFactors(p, 1, 1, 1, 1, 1, 1, 1);
        EXPECT_EQ(p.Lp, kMeasured.Lp);
    }
    // A target speed without a measured speed cannot convert.
    EXPECT_EQ(Convert({315, 0}, -1, {-1, 2000}).Speed, kMeasured.Speed);

    const double r = 1.2f / 1.205;
    TPointValues p = Convert({400, 2}, 1450, {-1, -1, 1.2f});
    ExpectFactors(p, 1, r, r, 1, 1, 1, 1); // torque is never density-corrected
    EXPECT_NEAR(p.LpA - kMeasured.LpA, 20 * std::log10(r), 1e-4);
}

TEST(FanLaws, LevelsAndMissingValues) {
    TPointValues m = kMeasured;
    m.Lp = 80;
    m.LpA = 10;
    TPointValues p = Convert({400, 2}, 1450, {-1, -1, -1, 4}, m);
    EXPECT_NEAR(p.Lp, 80 - 12.041, 0.001); // 20·log10(4) = 12.04 dB
    EXPECT_EQ(p.LpA, 0.0f);                // never below 0
    EXPECT_NEAR(ConvertBandLevel(80, {400, 2}, {-1, -1, -1, 4}, 1450), 67.959, 0.001);
    EXPECT_EQ(ConvertBandLevel(0, {400, 2}, {500, -1, 1.1f, 4}, 1450), 0.0f);
    // Bands get diameter, speed and density, but no scale-up.
    EXPECT_NEAR(ConvertBandLevel(60, {400, 0}, {500, 2900, 1.1f}, 1450),
                60 + 70 * std::log10(1.25) + 50 * std::log10(2.0) + 20 * std::log10(1.1f / 1.205),
                1e-4);

    m.ShaftPower = -1;
    m.EtaShaftTot = -1;
    m.Lp = -1;
    m.LpA = 0;
    p = Convert({400, 0}, 1450, {500, 1800, 1.1f, 4}, m);
    EXPECT_EQ(p.ShaftPower, -1.0f);
    EXPECT_EQ(p.EtaShaftTot, -1.0f);
    EXPECT_EQ(p.Lp, -1.0f);
    EXPECT_EQ(p.LpA, 0.0f);
    EXPECT_EQ(p.Lambda, -1.0f); // no total shaft efficiency
    EXPECT_NE(p.ElPower, m.ElPower);
    EXPECT_EQ(p.Speed, 1800.0f);
}

TEST(FanLaws, ScaleUpTablesAndFamilies) {
    EXPECT_DOUBLE_EQ(SizeFactor(0, -5), 0.2);
    EXPECT_DOUBLE_EQ(SizeFactor(0, 55000), 1.2);
    EXPECT_NEAR(SizeFactor(0, 5500), 1.14, 1e-12);
    EXPECT_NEAR(SizeFactor(1, 475), 1.0125, 1e-12);
    EXPECT_DOUBLE_EQ(SizeFactor(2, 123), 1.0);
    EXPECT_NEAR(TipSpeedFactor(0, 1500, 1000.0 * 60 / (M_PI * 1500) * 12.25), 0.95775, 1e-9);
    EXPECT_DOUBLE_EQ(TipSpeedFactor(1, -1, 400), 0.2);
    EXPECT_DOUBLE_EQ(TipSpeedFactor(2, 1500, 400), 1.0);

    const int expected[][2] = {{0, 2},   {59, 2},  {60, 0},  {120, 0},
                               {121, 2}, {149, 1}, {249, 1}, {250, 2}};
    for (const auto& [type, family] : expected)
        EXPECT_EQ(CorrectionFamily(type), family) << type;
}
