#include "settings/SoundDistanceSetting.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace corvane;

TEST(SoundDistanceSetting, SignIsTheSwitchAndOneMetreTheMinimum) {
    EXPECT_FLOAT_EQ(SoundDistanceStored(0.5, true), 1.0f);
    EXPECT_FLOAT_EQ(SoundDistanceStored(3, false), -3.0f);
    EXPECT_FLOAT_EQ(SoundDistanceStored(7.5, true), 7.5f);
    // Reopened: the magnitude and a cleared switch.
    EXPECT_DOUBLE_EQ(SoundDistanceShown(-3.0f), 3.0);
    EXPECT_FALSE(SoundDistanceOn(-3.0f));
    EXPECT_TRUE(SoundDistanceOn(3.0f));
    // The default "-1" and exactly 1 m convert nothing; the shown distance is at least 1 m.
    EXPECT_FALSE(SoundDistanceOn(-1.0f));
    EXPECT_FALSE(SoundDistanceOn(1.0f));
    EXPECT_DOUBLE_EQ(SoundDistanceShown(0.2f), 1.0);
    // Typed nonsense never gives a non-finite setting.
    EXPECT_FLOAT_EQ(SoundDistanceStored(std::numeric_limits<double>::quiet_NaN(), true), 1.0f);
    EXPECT_TRUE(std::isfinite(SoundDistanceStored(1e300, true)));
}
