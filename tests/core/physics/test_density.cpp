#include "physics/AirDensity.h"

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
