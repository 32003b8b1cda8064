#include "model/Calibration.h"

#include <gtest/gtest.h>
#include <vector>

using namespace corvane;

namespace {

double Parabola(double v) {
    return 1250 + 0.045 * v - 3.2e-6 * v * v;
}

std::vector<TCalibrationPoint> Curve(const std::vector<double>& eta) {
    std::vector<TCalibrationPoint> points;
    double v = 1000;
    for (double e : eta) {
        points.push_back({v, Parabola(v), e});
        v += 1000;
    }
    return points;
}

} // namespace

TEST(Calibration, RecoversParabolaAndValidityRange) {
    const auto points = Curve({5, 20, 40, 60, 70, 70, 50, 30, 20, 10});
    const TCalibration cal = CalibrateCurve(points);
    EXPECT_NEAR(cal.A0, 1250, 1e-6);
    EXPECT_NEAR(cal.A1, 0.045, 1e-10);
    EXPECT_NEAR(cal.A2, -3.2e-6, 1e-14);
    // Best efficiency 70 % first at 5000 m³/h; points with at least 21 % span 3000..8000,
    // which already covers 0.8·5000 and 1.3·5000.
    EXPECT_DOUBLE_EQ(cal.VMin, 3000);
    EXPECT_DOUBLE_EQ(cal.VMax, 8000);

    // A narrow peak: the range widens to 0.8 and 1.3 times the best flow.
    const TCalibration narrow = CalibrateCurve(Curve({0, 0, 0, 0, 80, 10, 0, 0}));
    EXPECT_DOUBLE_EQ(narrow.VMin, 4000);
    EXPECT_DOUBLE_EQ(narrow.VMax, 6500);

    // Without efficiencies the range is the flow range of all points.
    const TCalibration noEta = CalibrateCurve(Curve({-1, -1, -1, -1}));
    EXPECT_DOUBLE_EQ(noEta.VMin, 1000);
    EXPECT_DOUBLE_EQ(noEta.VMax, 4000);
    EXPECT_NEAR(noEta.A2, -3.2e-6, 1e-14);
}

TEST(Calibration, TooFewPoints) {
    const TCalibration none = CalibrateCurve(Curve({50, 60}));
    EXPECT_EQ(none.VMin, 0);
    EXPECT_EQ(none.VMax, 0);
    EXPECT_EQ(none.A0, 0);
    EXPECT_EQ(none.A1, 0);
    EXPECT_EQ(none.A2, 0);

    // Three points leave one coefficient fewer than points: a regression line, A2 = 0.
    const TCalibration line = CalibrateCurve(Curve({50, 60, 55}));
    EXPECT_EQ(line.A2, 0);
    EXPECT_NEAR(line.A1, (Parabola(3000) - Parabola(1000)) / 2000, 1e-9);
}
