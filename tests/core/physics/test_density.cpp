#include "physics/AirDensity.h"
#include "physics/FanLaws.h"
#include "physics/TPointValues.h"

#include <gtest/gtest.h>

using namespace corvane;

TEST(AirDensity, DryAirRoundedToThreeDecimals) {
    EXPECT_DOUBLE_EQ(DryAirDensity(101300, 20), 1.205); // 1.20466
    EXPECT_DOUBLE_EQ(DryAirDensity(100000, 0), 1.276);  // 1.27561
    EXPECT_DOUBLE_EQ(DryAirDensity(90000, 35), 1.018);  // 1.01824
    // Below -272 °C the temperature is taken as -272 °C (1 K).
    EXPECT_DOUBLE_EQ(DryAirDensity(1000, -300), 3.484);
    // No pressure entered, or a negative one, gives 0.
    EXPECT_DOUBLE_EQ(DryAirDensity(0, 20), 0.0);
    EXPECT_DOUBLE_EQ(DryAirDensity(-5000, 20), 0.0);
    // A typed density is at least 0.1.
    EXPECT_DOUBLE_EQ(TypedDensity(0.05), 0.1);
    EXPECT_DOUBLE_EQ(TypedDensity(1.205), 1.205);
}

// The request's "non-standard density" (remark *2) and the fan laws' density conversion use
// one rule, so a density either converts and carries the remark or does neither, whether it
// arrives in double (the request) or single precision (a conversion target).
TEST(AirDensity, OneBoundaryForTheRemarkAndTheConversion) {
    struct TCase {
        double Density;
        bool NonStandard;
    };
    for (const TCase c :
         {TCase{1.205, false}, TCase{1.2041, false}, TCase{1.2059, false}, TCase{1.204, true},
          TCase{1.206, true}, TCase{1.2, true}, TCase{0.9, true}}) {
        EXPECT_EQ(IsNonStandardDensity(c.Density), c.NonStandard) << c.Density;
        EXPECT_EQ(IsNonStandardDensity(static_cast<float>(c.Density)), c.NonStandard) << c.Density;
        TPointValues point;
        point.PFa = 100;
        point.Flow = 1000;
        TConvertTargets targets;
        targets.Density = static_cast<float>(c.Density);
        ConvertPoint(point, TSeriesGeometry{400, 2}, 1450, targets);
        EXPECT_EQ(point.PFa != 100.0f, c.NonStandard) << c.Density;
    }
}
