#include "MwTestSeries.h"
#include "ProcessStateGuard.h"
#include "measurements/Humidity.h"
#include "physics/ListeningDistance.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace corvane {
namespace {

using test::TTestSeries;
using F = TMdbMw;

TEST(Humidity, TableLookupAndDensityTerm) {
    EXPECT_NEAR(WaterContent(20, 50), 7.36, 1e-6);
    EXPECT_NEAR(TMdbMw::HumidityContent(20, 50), 8.712, 5e-4);
    // Bilinear between 20/25 °C and 50/60 %.
    EXPECT_NEAR(WaterContent(22.5, 55), (7.36 + 9.99 + 8.83 + 12.1) / 4, 1e-5);
    // Exactly on a grid point away from the first row and column.
    EXPECT_NEAR(WaterContent(35, 90), 33.2, 1e-5);
    // Outside the table the border values are used, no extrapolation.
    EXPECT_NEAR(WaterContent(-40, 50), 0.38, 1e-6);
    EXPECT_NEAR(WaterContent(70, 100), 87.5, 1e-5);
    EXPECT_NEAR(WaterContent(20, -1), 0.0, 1e-9);
    EXPECT_NEAR(WaterContent(20, 130), 14.9, 1e-5);
    // The term uses the real temperature, not the clamped grid temperature.
    const double x = 87.5f;
    EXPECT_NEAR(HumidityTerm(70, 100),
                x * (1 + x / 1000) * 100000 / ((x / 1000 + 0.622) * 461.5 * 343), 1e-9);
}

TEST(Humidity, CorrectedEntryAt45DegreesRisesWithHumidity) {
    EXPECT_NEAR(WaterContent(45, 70), 44.7, 1e-5);
    double previous = -1;
    for (int rf = 0; rf <= 100; rf += 5) {
        const double x = WaterContent(45, rf);
        EXPECT_GT(x, previous) << rf;
        previous = x;
    }
    // Halfway between 60 % and 70 % at 45 °C.
    EXPECT_NEAR(WaterContent(45, 65), (38.0 + 44.7) / 2, 1e-5);
}

TEST(PointEvaluation, DensityPressuresAndPowers) {
    TTestSeries s;
    s.AddPoint(1);
    TMdbRecord* noTemp = s.AddPoint(2);
    s.points.SetFloat(noTemp, F::F_RT, -1);
    // Dry air at a pressure that gives the standard density 1.205 kg/m³.
    TMdbRecord* std = s.AddPoint(3);
    s.points.SetFloat(std, F::F_RF, 0);
    s.points.SetFloat(std, F::F_PB, 1.205 * 287.1 * 293 / 100);
    ASSERT_TRUE(s.Load());

    EXPECT_NEAR(s.Get(1, F::F_RHO), 1.198, 5e-4);
    EXPECT_FLOAT_EQ(s.Get(2, F::F_RHO), s.Get(1, F::F_RHO)); // missing RT counts as 20 °C

    EXPECT_NEAR(s.Get(3, F::F_RHO), 1.205, 1e-5);
    EXPECT_NEAR(s.Get(3, F::F_PDYN), 9.64, 1e-4);
    EXPECT_NEAR(s.Get(3, F::F_PFA), 500, 5e-3);
    EXPECT_NEAR(s.Get(3, F::F_PTOT), 509.64, 5e-3);
    EXPECT_NEAR(s.Get(3, F::F_PLTOT), 509.64, 5e-3); // 1 m³/s
    EXPECT_NEAR(s.Get(3, F::F_PLFA), 500, 5e-3);

    // Pressures and powers of the humid point are normalised to 1.205 kg/m³.
    const double rho = s.Get(1, F::F_RHO);
    EXPECT_NEAR(s.Get(1, F::F_PFA), 500 * 1.205 / rho, 1e-3);
    const double shaft = 5 * 1450 * std::numbers::pi / 30 * 1.205 / rho;
    EXPECT_NEAR(s.Get(1, F::F_PWE), shaft, 1e-2);
    EXPECT_NEAR(s.Get(1, F::F_ETATOT), s.Get(1, F::F_PLTOT) / shaft * 100, 1e-3);

    // No phase powers: electrical power 0, system efficiencies missing.
    EXPECT_EQ(s.Get(1, F::F_PW), 0.0f);
    EXPECT_EQ(s.Get(1, F::F_ETAFAM), -1.0f);
    EXPECT_EQ(s.Get(1, F::F_ETATOTM), -1.0f);

    // Coefficients: u = 0.4 π 1450 / 60, phi = Vs / (u A0), psi = p / (u² 1.205 / 2).
    const double u = 0.4 * std::numbers::pi * 1450 / 60;
    EXPECT_NEAR(s.Get(3, F::F_PHI), 1 / (u * 0.1), 1e-5);
    EXPECT_NEAR(s.Get(3, F::F_PSITOT), 509.64 / (u * u * 1.205 / 2), 1e-4);
    const double lambda =
        s.Get(3, F::F_PSITOT) * s.Get(3, F::F_PHI) / (s.Get(3, F::F_ETATOT) / 100);
    EXPECT_NEAR(s.Get(3, F::F_LAMBDA), lambda, 1e-5);

    // Unconverted: flow, speed and torque as measured; series statistics.
    EXPECT_EQ(s.Get(1, F::F_VC), 3600.0f);
    EXPECT_EQ(s.Get(1, F::F_NC), 1450.0f);
    EXPECT_EQ(s.Get(1, F::F_MC), 5.0f);
    EXPECT_EQ(s.mw.MinMeasuredSpeed(), 1450.0f);
    EXPECT_EQ(s.mw.MaxMeasuredSpeed(), 1450.0f);
    EXPECT_NEAR(s.mw.MeanDensity(), (2 * rho + s.Get(3, F::F_RHO)) / 3, 1e-6);
}

TEST(PointEvaluation, MissingInputsLeaveDependentResultsMissing) {
    TTestSeries s;
    TMdbRecord* noBaro = s.AddPoint(1);
    s.points.SetFloat(noBaro, F::F_PB, -1);
    s.points.SetFloat(noBaro, F::F_U1, 230);
    s.points.SetFloat(noBaro, F::F_U2, 231);
    s.points.SetFloat(noBaro, F::F_U3, 232);
    s.points.SetFloat(noBaro, F::F_I1, 2);
    s.points.SetFloat(noBaro, F::F_I3, 2.2f); // I2 missing: the first reading alone
    TMdbRecord* noFlow = s.AddPoint(2);
    s.points.SetFloat(noFlow, F::F_V, -1);
    TMdbRecord* noTorque = s.AddPoint(3);
    s.points.SetFloat(noTorque, F::F_M, -1);
    s.points.SetFloat(noTorque, F::F_PW1, 900);
    ASSERT_TRUE(s.Load());

    for (const int field : {F::F_RHO, F::F_PFA, F::F_PDYN, F::F_PTOT, F::F_PWE, F::F_PW,
                            F::F_ETATOT, F::F_PSITOT, F::F_PHI, F::F_LAMBDA})
        EXPECT_EQ(s.Get(1, field), -1.0f) << field;
    EXPECT_EQ(s.Get(1, F::F_VC), 3600.0f);
    EXPECT_EQ(s.Get(1, F::F_NC), 1450.0f);
    EXPECT_NEAR(s.Get(1, F::F_UMEAN), 231, 1e-4);
    EXPECT_EQ(s.Get(1, F::F_IMEAN), 2.0f);
    EXPECT_EQ(s.Get(1, F::F_PFMEAN), -1.0f);

    // Without a flow there is no dynamic pressure, air power or flow coefficient.
    for (const int field : {F::F_PDYN, F::F_PTOT, F::F_PLTOT, F::F_ETATOT, F::F_PHI, F::F_VC})
        EXPECT_EQ(s.Get(2, field), -1.0f) << field;
    EXPECT_GT(s.Get(2, F::F_PFA), 0);
    EXPECT_GT(s.Get(2, F::F_PWE), 0);

    // Without a torque: no shaft power or shaft efficiency, but the system efficiency.
    EXPECT_EQ(s.Get(3, F::F_PWE), -1.0f);
    EXPECT_EQ(s.Get(3, F::F_ETATOT), -1.0f);
    EXPECT_EQ(s.Get(3, F::F_LAMBDA), -1.0f);
    EXPECT_NEAR(s.Get(3, F::F_ETATOTM),
                s.Get(3, F::F_PLTOT) / (900 * 1.205 / s.Get(3, F::F_RHO)) * 100, 1e-3);
}

TEST(PointEvaluation, TandemHalvesPhiAndTargetsConvert) {
    TTestSeries single;
    TTestSeries tandem(0.25f, 400, 0.1f, 3);
    single.AddPoint(1);
    tandem.AddPoint(1);
    ASSERT_TRUE(single.Load());
    ASSERT_TRUE(tandem.Load());
    EXPECT_NEAR(tandem.Get(1, F::F_PHI), single.Get(1, F::F_PHI) / 2, 1e-7);

    // Twice the speed (no correction family): flow doubles, pressure four times.
    ASSERT_TRUE(single.mw.LoadSeries(single.series, single.record, -1, -1, 2900));
    EXPECT_NEAR(single.Get(1, F::F_VC), 7200, 1e-2);
    EXPECT_NEAR(single.Get(1, F::F_PDYN), 4 * 0.6025 * 16, 1e-3);
    EXPECT_EQ(single.Get(1, F::F_NC), 2900.0f);
    EXPECT_EQ(single.mw.TargetSpeed(), 2900.0f);
    EXPECT_EQ(single.mw.TargetD2(), -1.0f);
    EXPECT_EQ(single.mw.CorrectionFamily(), 2);
}

TEST(PointEvaluation, SoundLevelsAndMicrophones) {
    TTestSeries s;
    TMdbRecord* p = s.AddPoint(1);
    s.points.SetInt(p, F::F_SCHALLMESSG, TMdbMw::kThreeMicrophoneInstrument);
    s.points.SetFloat(p, F::F_LP1, 80);
    s.points.SetFloat(p, F::F_LP2, 80);
    s.points.SetFloat(p, F::F_LP3, 0); // no reading: left out of the mean
    s.points.SetFloat(p, F::F_LP1_A, 70);
    s.points.SetFloat(p, F::F_LP2_A, 76);
    for (int band = F::F_LP1_800; band <= F::F_LP1_1P25K; ++band)
        for (const int offset : {0, F::F_LP2 - F::F_LP1, F::F_LP3 - F::F_LP1})
            s.points.SetFloat(p, band + offset, 60);
    s.points.SetFloat(p, F::F_LP_1K, 99); // the point's own level is not used with 204
    ASSERT_TRUE(s.Load());
    const TMdbRecord* point = s.mw.FindByKey(1);

    EXPECT_EQ(s.mw.SoundInstrument(), 204);
    EXPECT_NEAR(s.mw.BandLevel(point, F::F_LP, false, 0), 80, 1e-4);
    EXPECT_EQ(s.mw.BandLevel(point, F::F_LP, false, 3), 0.0f);
    EXPECT_NEAR(s.Get(1, F::F_LPC), 80, 1e-4);
    const double meanA = 10 * std::log10((std::pow(10, 7.0) + std::pow(10, 7.6)) / 2);
    EXPECT_NEAR(s.Get(1, F::F_LPAC), meanA, 1e-4);
    EXPECT_EQ(s.Get(1, F::F_LPSCRATCH), s.Get(1, F::F_LPAC));

    // Octave at 1 kHz from 800, 1000 and 1250 Hz; not at the list ends.
    EXPECT_NEAR(s.mw.BandLevel(point, F::F_LP_1K, true, 2), 60 + 10 * std::log10(3.0), 1e-4);
    EXPECT_NEAR(s.mw.BandLevel(point, F::F_LP_1K, false, 0), 60, 1e-4);
    EXPECT_EQ(s.mw.BandLevel(point, F::F_LP_50, true, 1),
              s.mw.BandLevel(point, F::F_LP_50, false, 1));
    // Not a band of the LP family.
    EXPECT_EQ(s.mw.BandLevel(point, F::F_LP1_1K, false, 0), -1.0f);

    // Listening distance 4 m (taken by the evaluation) lowers the band by 20 log10(4).
    {
        const test::TProcessStateGuard guard;
        SetListeningDistance(4);
        ASSERT_TRUE(s.mw.LoadSeries(s.series, s.record, -1, -1, -1));
    }
    EXPECT_NEAR(s.Get(1, F::F_LPC), 80 - 20 * std::log10(4.0), 1e-3);
    s.mw.EvaluateBand(F::F_LP_1K, true, 0);
    EXPECT_NEAR(s.Get(1, F::F_LPSCRATCH), 60 + 10 * std::log10(3.0) - 20 * std::log10(4.0), 1e-3);
}

TEST(PointEvaluation, SingleInstrumentUsesOwnLevels) {
    TTestSeries s;
    TMdbRecord* p = s.AddPoint(1);
    s.points.SetFloat(p, F::F_LP, 75);
    s.points.SetFloat(p, F::F_LP_A, 0.5f); // below 1 dB: shown as 0
    s.points.SetFloat(p, F::F_LP1, 90);
    ASSERT_TRUE(s.Load());
    const TMdbRecord* point = s.mw.FindByKey(1);
    EXPECT_EQ(s.mw.BandLevel(point, F::F_LP, false, 0), 75.0f);
    EXPECT_EQ(s.mw.BandLevel(point, F::F_LP, false, 1), 75.0f);
    EXPECT_EQ(s.mw.BandLevel(point, F::F_LP, false, 2), -1.0f);
    EXPECT_EQ(s.Get(1, F::F_LPC), 75.0f);
    EXPECT_EQ(s.Get(1, F::F_LPAC), 0.0f);
}

} // namespace
} // namespace corvane
