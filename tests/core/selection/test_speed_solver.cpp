#include "SearchTestCatalogue.h"
#include "selection/SpeedSolver.h"
#include "selection/TAuswahlParam.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace corvane;
using corvane::test::TSearchTestCatalogue;
using corvane::test::TTestCurve;

namespace {

TSpeedCandidate CandidateOf(TSearchTestCatalogue& t, std::int32_t impellerNo) {
    const TMdbLaufrad& l = t.cat.Laufrad();
    const TMdbRecord* r = l.FindByKey(impellerNo);
    TSpeedCandidate c;
    c.D2 = l.GetFloat(r, TMdbLaufrad::F_D2);
    c.MinSpeed = l.GetFloat(r, TMdbLaufrad::F_MINDREHZ);
    c.MaxSpeed = l.GetFloat(r, TMdbLaufrad::F_MAXDREHZ);
    c.SeriesNo = l.MeasurementNo(r);
    c.Calibration = {l.GetFloat(r, TMdbLaufrad::F_CALVMIN), l.GetFloat(r, TMdbLaufrad::F_CALVMAX),
                     l.GetFloat(r, TMdbLaufrad::F_CALA0), l.GetFloat(r, TMdbLaufrad::F_CALA1),
                     l.GetFloat(r, TMdbLaufrad::F_CALA2)};
    return c;
}

// The calibration of the same curve measured at s times the speed (fan laws).
TCalibration AtSpeedFactor(TCalibration c, double s) {
    return {c.VMin * s, c.VMax * s, c.A0 * s * s, c.A1 * s, c.A2};
}

TAuswahlParam Request(double flow, double pressure, std::int32_t mode) {
    TAuswahlParam r;
    r.RequestedFlow = flow;
    r.RequestedPressure = pressure;
    r.SearchMode = mode;
    r.MaxSpeed = 3000;
    return r;
}

} // namespace

TEST(SpeedSolver, QuickEstimateTakesTheLargerRootInRange) {
    // (A2 - k)·V² + A1·V + A0 = 0 at V = 1000 and V = 3000.
    const TCalibration cal{500, 4000, -300, 0.4, -1e-4};
    EXPECT_NEAR(CalibratedOperatingFlow(cal, 0), 3000, 1e-6);
    EXPECT_NEAR(CalibratedOperatingFlow({500, 2000, -300, 0.4, -1e-4}, 0), 1000, 1e-6);
    EXPECT_EQ(CalibratedOperatingFlow({3500, 4000, -300, 0.4, -1e-4}, 0), -1);
    EXPECT_LE(CalibratedOperatingFlow({}, 1e-3), 0); // no calibration
    // The system parabola enters through k: k = 2e-5 moves the roots of the same curve.
    EXPECT_NEAR(CalibratedOperatingFlow({500, 4000, -300, 0.4, -1e-4 + 2e-5}, 2e-5), 3000, 1e-6);

    // No intersection in range: the candidate fails before its series is loaded.
    TSearchTestCatalogue t;
    t.AddSeries(1);
    t.AddImpeller(1, 1);
    t.Finish();
    TMdbMw mw(&t.cat);
    TSpeedCandidate c = CandidateOf(t, 1);
    c.Calibration.VMin = 20000;
    c.Calibration.VMax = 30000;
    EXPECT_FALSE(SolveCandidate(Request(0.1, 1200, 0), c, mw).Accepted);
    EXPECT_EQ(mw.SeriesNo(), 0);
}

TEST(SpeedSolver, ComputedSpeedBracketsDownwardsAndUpwards) {
    TSearchTestCatalogue t;
    const TTestCurve curve;
    t.AddSeries(1, curve);
    t.AddImpeller(1, 1);
    t.Finish();
    TMdbMw mw(&t.cat);

    // The generated raw points evaluate to the intended curve.
    ASSERT_TRUE(mw.LoadSeries(1, 1.205f, 400, -1));
    mw.Sort(TMdbMw::F_VC, false);
    EXPECT_NEAR(mw.Interpolate(TMdbMw::F_VC, TMdbMw::F_PFA, 5000).Value, curve.Pressure(5000),
                0.05);

    // The point lies on the measured curve at 1450 1/min. A calibration made for a faster
    // curve starts too fast (pressure too high, bracket below), one for a slower curve
    // starts too slow (bracket only found upwards); beyond ±10 % nothing is bracketed.
    const TAuswahlParam request = Request(5000, curve.Pressure(5000), 0);
    const TSpeedCandidate base = CandidateOf(t, 1);
    for (const double s : {1.0, 0.95, 1.05, 0.8, 1.2}) {
        TSpeedCandidate c = base;
        c.Calibration = AtSpeedFactor(base.Calibration, s);
        const TSpeedResult r = SolveCandidate(request, c, mw);
        if (s == 0.8 || s == 1.2) {
            EXPECT_FALSE(r.Accepted) << s;
            continue;
        }
        ASSERT_TRUE(r.Accepted) << s;
        EXPECT_NEAR(r.Speed, 1450, 1) << s;
        EXPECT_EQ(r.Speed, std::round(r.Speed));
        EXPECT_EQ(r.Flow, 5000);
        EXPECT_NEAR(r.Pressure, request.RequestedPressure, 0.002 * request.RequestedPressure);
        EXPECT_EQ(r.SpeedClass, 0);
        EXPECT_FLOAT_EQ(mw.TargetSpeed(), static_cast<float>(r.Speed));
    }

    // The speed limit of the request.
    TAuswahlParam slow = request;
    slow.MaxSpeed = 1400;
    EXPECT_FALSE(SolveCandidate(slow, base, mw).Accepted);

    // Points without a measured speed give no start speed, even without speed limits.
    TSearchTestCatalogue noSpeed;
    TTestCurve unmeasured;
    unmeasured.Speed = -1;
    noSpeed.AddSeries(1, unmeasured);
    noSpeed.AddImpeller(1, 1);
    noSpeed.Finish();
    TMdbMw mw2(&noSpeed.cat);
    TSpeedCandidate c = CandidateOf(noSpeed, 1);
    c.MaxSpeed = 0;
    c.Calibration = base.Calibration;
    EXPECT_FALSE(SolveCandidate(request, c, mw2).Accepted);
}

TEST(SpeedSolver, BestSpeedHalfwayRoundsToEven) {
    // Exact numbers: k = 2^-14, calibration dp = 1024 meets the parabola at V = 4096 = V_req,
    // so the first estimate is the measured speed itself, where a measured point lies on the
    // requested point.
    for (const float measured : {1450.5f, 1451.5f}) {
        TSearchTestCatalogue t;
        TTestCurve curve;
        curve.C0 = 1500;
        curve.C1 = 0;
        curve.C2 = -476.0 / (4096.0 * 4096.0);
        curve.Speed = measured;
        curve.FirstFlow = 96;
        t.AddSeries(1, curve);
        t.AddImpeller(1, 1);
        t.Finish();
        TMdbMw mw(&t.cat);
        TSpeedCandidate c = CandidateOf(t, 1);
        c.Calibration = {1000, 8000, 1024, 0, 0};
        const TSpeedResult r = SolveCandidate(Request(4096, 1024, 0), c, mw);
        ASSERT_TRUE(r.Accepted);
        EXPECT_EQ(r.Speed, measured == 1450.5f ? 1450 : 1452);
    }
}

TEST(SpeedSolver, SpeedClassesAndReinforcedDesigns) {
    TSpeedCandidate c;
    c.MinSpeed = 500;
    c.MaxSpeed = 3000;
    c.TypeDesignation = "VR45";
    TAuswahlParam computed;
    computed.SearchMode = SearchComputedSpeed;
    TAuswahlParam reinforced;
    reinforced.SearchMode = SearchComputedReinforced;

    EXPECT_EQ(ClassifySpeed(computed, c, 3000), 0);
    EXPECT_EQ(ClassifySpeed(computed, c, 3200), kSpeedRejected);
    EXPECT_EQ(ClassifySpeed(reinforced, c, 3200), 10);
    EXPECT_EQ(ClassifySpeed(reinforced, c, 3500), 11);
    EXPECT_EQ(ClassifySpeed(reinforced, c, 3800), 12);
    EXPECT_EQ(ClassifySpeed(reinforced, c, 3900), 12);
    EXPECT_EQ(ClassifySpeed(reinforced, c, 3901), kSpeedRejected);
    for (const char* excluded : {"VRS45", "VR7045"}) {
        c.TypeDesignation = excluded;
        EXPECT_EQ(ClassifySpeed(reinforced, c, 3001), kSpeedRejected) << excluded;
    }

    // Second kind: one letter, longer than 2, ending in "A2", "B2" or "F2".
    c.TypeDesignation = "HXF2";
    EXPECT_EQ(ClassifySpeed(reinforced, c, 3300), 20);
    EXPECT_EQ(ClassifySpeed(reinforced, c, 3600), 21);
    EXPECT_EQ(ClassifySpeed(reinforced, c, 3601), kSpeedRejected);
    for (const char* other : {"HXC2", "HXA3", "A2"}) {
        c.TypeDesignation = other;
        EXPECT_EQ(ClassifySpeed(reinforced, c, 3100), kSpeedRejected) << other;
    }

    // Below the minimum speed only the manual mode keeps the candidate.
    TAuswahlParam manual;
    manual.SearchMode = SearchManualSpeed;
    EXPECT_EQ(ClassifySpeed(reinforced, c, 499), kSpeedRejected);
    EXPECT_EQ(ClassifySpeed(manual, c, 499), 0);

    // No limit recorded: the sheet number decides.
    c.MaxSpeed = 1;
    EXPECT_EQ(ClassifySpeed(computed, c, 99999), 2);
    c.SheetNo = "12.3";
    EXPECT_EQ(ClassifySpeed(computed, c, 99999), 1);
}

TEST(SpeedSolver, GivenSpeedWithinTheTolerance) {
    TSearchTestCatalogue t;
    TTestCurve flat;
    flat.C0 = 1000;
    flat.C1 = 0;
    flat.C2 = 0;
    t.AddSeries(1, flat);
    t.AddSeries(2); // the sloped default curve
    t.AddImpeller(1, 1);
    t.AddImpeller(2, 2);
    t.Finish();
    TMdbMw mw(&t.cat);

    // Pressure may deviate 5 %: on a flat curve the pressure grows with the speed squared.
    TAuswahlParam r = Request(5000, 1000, SearchFixedSpeed);
    r.FixedQuantity = 1;
    r.Tolerance = 5;
    const TSpeedCandidate c1 = CandidateOf(t, 1);
    for (const double f : {0.949, 0.951, 1.0, 1.049, 1.051}) {
        r.GivenSpeed = 1450 * std::sqrt(f);
        const TSpeedResult res = SolveCandidate(r, c1, mw);
        EXPECT_NEAR(res.Pressure, 1000 * f, 0.05);
        EXPECT_EQ(res.Accepted, f > 0.95 && f < 1.05) << f;
        EXPECT_EQ(res.Flow, 5000);
    }

    // Flow may deviate 5 %: the flow where the curve reaches the pressure.
    const TTestCurve sloped;
    const TSpeedCandidate c2 = CandidateOf(t, 2);
    r.FixedQuantity = 0;
    r.GivenSpeed = 1450;
    r.RequestedPressure = sloped.Pressure(5200);
    TSpeedResult res = SolveCandidate(r, c2, mw);
    EXPECT_TRUE(res.Accepted);
    // Linear between the points at 5000 (1200 Pa) and 6000 m³/h (1088 Pa).
    EXPECT_NEAR(res.Flow, 5000 + (1200 - r.RequestedPressure) / 112 * 1000, 0.5);
    EXPECT_EQ(res.Pressure, r.RequestedPressure);
    r.RequestedPressure = sloped.Pressure(5400);
    EXPECT_FALSE(SolveCandidate(r, c2, mw).Accepted);

    // Manual variation: the end of the curve at the given speed, always accepted.
    r.SearchMode = SearchManualSpeed;
    r.GivenSpeed = 725;
    res = SolveCandidate(r, c2, mw);
    EXPECT_TRUE(res.Accepted);
    EXPECT_NEAR(res.Flow, 5500, 0.01);
    EXPECT_NEAR(res.Pressure, sloped.Pressure(11000) / 4, 0.05);

    // A series that does not exist fails in every mode.
    TSpeedCandidate missing = c2;
    missing.SeriesNo = 77;
    EXPECT_FALSE(SolveCandidate(r, missing, mw).Accepted);
}
