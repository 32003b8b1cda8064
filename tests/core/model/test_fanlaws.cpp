#include "model/FanLaws.h"
#include "model/TPointValues.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace corvane;

namespace {

TPointValues SamplePoint() {
    TPointValues p;
    p.Density = 1.19f;
    p.PFa = 800;
    p.PDyn = 120;
    p.PTot = 920;
    p.AirPowerFa = 1100;
    p.AirPowerTot = 1265;
    p.ShaftPower = 1800;
    p.ElPower = 2100;
    p.EtaShaftFa = 61.1f;
    p.EtaShaftTot = 70.3f;
    p.EtaSysFa = 52.4f;
    p.EtaSysTot = 60.2f;
    p.PsiFa = 0.9f;
    p.PsiTot = 1.04f;
    p.Phi = 0.21f;
    p.Flow = 4950;
    p.Speed = 1450;
    p.Torque = 11.85f;
    p.Lp = 78.4f;
    p.LpA = 73.1f;
    return p;
}

TConvertTargets Targets(float d2, float speed, float density = -1, float distance = -1) {
    TConvertTargets t;
    t.D2 = d2;
    t.Speed = speed;
    t.Density = density;
    t.Distance = distance;
    return t;
}

float Lambda(const TPointValues& p) {
    return p.PsiTot * p.Phi / (p.EtaShaftTot / 100.0f);
}

} // namespace

TEST(FanLaws, DiameterWithoutScaleUp) {
    const TPointValues m = SamplePoint();
    TPointValues p = m;
    ConvertPoint(p, {400, 2}, 1450, Targets(500, -1));
    const double power = 3.0517578125; // 1.25^5
    EXPECT_FLOAT_EQ(p.Flow, static_cast<float>(m.Flow * 1.953125));
    EXPECT_FLOAT_EQ(p.PFa, static_cast<float>(m.PFa * 1.5625));
    EXPECT_FLOAT_EQ(p.PDyn, static_cast<float>(m.PDyn * 1.5625));
    EXPECT_FLOAT_EQ(p.PTot, static_cast<float>(m.PTot * 1.5625));
    EXPECT_FLOAT_EQ(p.ShaftPower, static_cast<float>(m.ShaftPower * power));
    EXPECT_FLOAT_EQ(p.ElPower, static_cast<float>(m.ElPower * power));
    EXPECT_FLOAT_EQ(p.AirPowerFa, static_cast<float>(m.AirPowerFa * power));
    EXPECT_FLOAT_EQ(p.AirPowerTot, static_cast<float>(m.AirPowerTot * power));
    EXPECT_FLOAT_EQ(p.Torque, static_cast<float>(m.Torque * power));
    EXPECT_EQ(p.EtaShaftTot, m.EtaShaftTot);
    EXPECT_EQ(p.EtaSysFa, m.EtaSysFa);
    EXPECT_EQ(p.PsiTot, m.PsiTot);
    EXPECT_EQ(p.Phi, m.Phi);
    EXPECT_EQ(p.Speed, 1450.0f);
    EXPECT_EQ(p.Density, m.Density);
    EXPECT_NEAR(p.Lp - m.Lp, 6.78, 0.005);
    EXPECT_NEAR(p.LpA - m.LpA, 6.78, 0.005);
    EXPECT_FLOAT_EQ(p.Lambda, Lambda(m));
}

TEST(FanLaws, DiameterWithScaleUpFamily0) {
    const TPointValues m = SamplePoint();
    TPointValues p = m;
    ConvertPoint(p, {400, 0}, 1450, Targets(500, -1));
    // Tip speed 37.96 m/s is beyond table A; the measurement lies in the reference window.
    EXPECT_FLOAT_EQ(p.Flow, static_cast<float>(m.Flow * 1.953125));
    EXPECT_FLOAT_EQ(p.PFa, static_cast<float>(m.PFa * 1.5625));
    EXPECT_FLOAT_EQ(p.EtaShaftFa, m.EtaShaftFa * 1.025f);
    EXPECT_FLOAT_EQ(p.EtaShaftTot, m.EtaShaftTot * 1.025f);
    EXPECT_FLOAT_EQ(p.EtaSysFa, m.EtaSysFa * 1.025f);
    EXPECT_FLOAT_EQ(p.EtaSysTot, m.EtaSysTot * 1.025f);
    EXPECT_FLOAT_EQ(p.PsiFa, static_cast<float>(m.PsiFa * std::pow(1.025, 2.0 / 3.0)));
    EXPECT_FLOAT_EQ(p.PsiTot, static_cast<float>(m.PsiTot * std::pow(1.025, 2.0 / 3.0)));
    EXPECT_FLOAT_EQ(p.Phi, static_cast<float>(m.Phi * std::pow(1.025, 1.0 / 3.0)));
    // Powers are not scaled up, so Lambda keeps its value.
    EXPECT_FLOAT_EQ(p.ShaftPower, static_cast<float>(m.ShaftPower * 3.0517578125));
    EXPECT_NEAR(p.Lambda, Lambda(m), 1e-6);
}

TEST(FanLaws, SpeedAndTipSpeedScaleUpFamily1) {
    const TPointValues m = SamplePoint();
    TPointValues p = m;
    // 250 mm at 1000 1/min (13.09 m/s, outside the reference window) to 2000 1/min (26.18 m/s).
    ConvertPoint(p, {250, 1}, 1000, Targets(-1, 2000));
    const double fm = 0.2 + 0.68 * (0.25 * M_PI * 1000 / 60) / 14;
    const double ft = 0.997 + 0.002 * (0.25 * M_PI * 2000 / 60 - 26);
    const double tip = ft / fm;
    EXPECT_EQ(p.Speed, 2000.0f);
    EXPECT_FLOAT_EQ(p.Flow, static_cast<float>(m.Flow * 2 * std::cbrt(tip)));
    EXPECT_FLOAT_EQ(p.PTot, static_cast<float>(m.PTot * 4 * std::pow(tip, 2.0 / 3.0)));
    EXPECT_FLOAT_EQ(p.ShaftPower, m.ShaftPower * 8);
    EXPECT_FLOAT_EQ(p.Torque, m.Torque * 4);
    EXPECT_EQ(p.EtaShaftTot, m.EtaShaftTot); // same diameter: no size factor
    EXPECT_NEAR(p.Lp - m.Lp, 50 * std::log10(2.0), 1e-4);
}

TEST(FanLaws, NoStepWithoutChange) {
    const TPointValues m = SamplePoint();
    TPointValues p = m;
    ConvertPoint(p, {315, 0}, 1450, Targets(315, 1450, 1.2049f, 1));
    EXPECT_EQ(p.Flow, m.Flow);
    EXPECT_EQ(p.PFa, m.PFa);
    EXPECT_EQ(p.ShaftPower, m.ShaftPower);
    EXPECT_EQ(p.EtaShaftTot, m.EtaShaftTot);
    EXPECT_EQ(p.Phi, m.Phi);
    EXPECT_EQ(p.Lp, m.Lp);
    EXPECT_EQ(p.Speed, m.Speed);
    EXPECT_FLOAT_EQ(p.Lambda, Lambda(m));

    // A target speed without a measured speed cannot convert either.
    p = m;
    ConvertPoint(p, {315, 0}, -1, Targets(-1, 2000));
    EXPECT_EQ(p.Flow, m.Flow);
    EXPECT_EQ(p.Speed, m.Speed);
}

TEST(FanLaws, Density) {
    const TPointValues m = SamplePoint();
    TPointValues p = m;
    ConvertPoint(p, {400, 2}, 1450, Targets(-1, -1, 1.2f));
    const double r = 1.2f / 1.205;
    EXPECT_FLOAT_EQ(p.PFa, static_cast<float>(m.PFa * r));
    EXPECT_FLOAT_EQ(p.PDyn, static_cast<float>(m.PDyn * r));
    EXPECT_FLOAT_EQ(p.PTot, static_cast<float>(m.PTot * r));
    EXPECT_FLOAT_EQ(p.AirPowerFa, static_cast<float>(m.AirPowerFa * r));
    EXPECT_FLOAT_EQ(p.ShaftPower, static_cast<float>(m.ShaftPower * r));
    EXPECT_FLOAT_EQ(p.ElPower, static_cast<float>(m.ElPower * r));
    EXPECT_EQ(p.Torque, m.Torque); // torque is never density-corrected
    EXPECT_EQ(p.Flow, m.Flow);
    EXPECT_NEAR(p.Lp - m.Lp, 20 * std::log10(r), 1e-4);
    EXPECT_NEAR(p.LpA - m.LpA, 20 * std::log10(r), 1e-4);

    p = m;
    ConvertPoint(p, {400, 2}, 1450, Targets(-1, -1, 1.2049f));
    EXPECT_EQ(p.PFa, m.PFa);
    EXPECT_EQ(p.Lp, m.Lp);
}

TEST(FanLaws, ListeningDistance) {
    TPointValues m = SamplePoint();
    m.Lp = 80;
    m.LpA = 10;
    for (float d : {-1.0f, 1.0f}) {
        TPointValues p = m;
        ConvertPoint(p, {400, 2}, 1450, Targets(-1, -1, -1, d));
        EXPECT_EQ(p.Lp, 80.0f);
        EXPECT_EQ(p.LpA, 10.0f);
    }
    TPointValues p = m;
    ConvertPoint(p, {400, 2}, 1450, Targets(-1, -1, -1, 4));
    EXPECT_NEAR(p.Lp, 80 - 12.041, 0.001); // 20·log10(4) = 12.04 dB
    EXPECT_EQ(p.LpA, 0.0f);                // never below 0

    EXPECT_NEAR(ConvertBandLevel(80, {400, 2}, Targets(-1, -1, -1, 4), 1450), 67.959, 0.001);
    EXPECT_EQ(ConvertBandLevel(0, {400, 2}, Targets(500, -1, 1.1f, 4), 1450), 0.0f);
}

TEST(FanLaws, MissingValuesStayMissing) {
    TPointValues m = SamplePoint();
    m.ShaftPower = -1;
    m.EtaShaftTot = -1;
    m.Torque = -1;
    m.Lp = -1;
    m.LpA = 0;
    TPointValues p = m;
    ConvertPoint(p, {400, 0}, 1450, Targets(500, 1800, 1.1f, 4));
    EXPECT_EQ(p.ShaftPower, -1.0f);
    EXPECT_EQ(p.EtaShaftTot, -1.0f);
    EXPECT_EQ(p.Torque, -1.0f);
    EXPECT_EQ(p.Lp, -1.0f);
    EXPECT_EQ(p.LpA, 0.0f);
    EXPECT_EQ(p.Lambda, -1.0f); // no total shaft efficiency
    EXPECT_NE(p.ElPower, m.ElPower);
    EXPECT_EQ(p.Speed, 1800.0f);
}

TEST(FanLaws, BandLevelAndTables) {
    // Diameter and density, no scale-up for bands.
    const float band = ConvertBandLevel(60, {400, 0}, Targets(500, -1, 1.1f), 1450);
    EXPECT_NEAR(band, 60 + 70 * std::log10(1.25) + 20 * std::log10(1.1f / 1.205), 1e-4);
    // Speed only.
    EXPECT_NEAR(ConvertBandLevel(60, {400, 2}, Targets(-1, 2900), 1450), 60 + 50 * std::log10(2.0),
                1e-4);

    EXPECT_DOUBLE_EQ(SizeFactor(0, -5), 0.2);
    EXPECT_DOUBLE_EQ(SizeFactor(0, 400), 1.0);
    EXPECT_DOUBLE_EQ(SizeFactor(0, 55000), 1.2);
    EXPECT_NEAR(SizeFactor(0, 5500), 1.14, 1e-12);
    EXPECT_NEAR(SizeFactor(1, 475), 1.0125, 1e-12);
    EXPECT_DOUBLE_EQ(SizeFactor(2, 123), 1.0);
    EXPECT_NEAR(TipSpeedFactor(0, 1500, 1000.0 * 60 / (M_PI * 1500) * 12.25), 0.95775, 1e-9);
    EXPECT_DOUBLE_EQ(TipSpeedFactor(1, 10000, 1000), 1.0);
    EXPECT_DOUBLE_EQ(TipSpeedFactor(1, -1, 400), 0.2);
    EXPECT_DOUBLE_EQ(TipSpeedFactor(2, 1500, 400), 1.0);

    EXPECT_EQ(CorrectionFamily(59), 2);
    EXPECT_EQ(CorrectionFamily(60), 0);
    EXPECT_EQ(CorrectionFamily(120), 0);
    EXPECT_EQ(CorrectionFamily(121), 2);
    EXPECT_EQ(CorrectionFamily(149), 1);
    EXPECT_EQ(CorrectionFamily(249), 1);
    EXPECT_EQ(CorrectionFamily(250), 2);
    EXPECT_EQ(CorrectionFamily(0), 2);
}
