#include "ProcessStateGuard.h"
#include "units/Units.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

using namespace corvane;

TEST(Units, ConversionsAndDecimals) {
    EXPECT_DOUBLE_EQ(ToDisplay(11, 1, 3600.0), 1.0);
    EXPECT_DOUBLE_EQ(FromDisplay(11, 1, 1.0), 3600.0);
    EXPECT_DOUBLE_EQ(ToDisplay(11, 7, 7200.0), 2.0);
    EXPECT_EQ(DisplayDecimals(0, 11, 1), 3);
    EXPECT_EQ(DisplayDecimals(4, 11, 1), 4); // clamped
    EXPECT_DOUBLE_EQ(ToDisplay(6, 4, 20.0), 68.0);
    EXPECT_DOUBLE_EQ(FromDisplay(6, 4, 68.0), 20.0);
    EXPECT_DOUBLE_EQ(ToDisplay(6, 5, 20.0), 20.0);
    EXPECT_EQ(DisplayDecimals(0, 17, 4), 1);
    EXPECT_EQ(DisplayDecimals(0, 18, 5), 0);
    EXPECT_EQ(DisplayDecimals(2, 4, 5), 4);
    // The fixed factors match the physical units to a few parts in a million.
    EXPECT_NEAR(ToDisplay(9, 5, 249.08891), 1.0, 1e-5);  // 1 in WG
    EXPECT_NEAR(ToDisplay(17, 4, 25.4), 1.0, 1e-10);     // 1 in
    EXPECT_NEAR(ToDisplay(4, 5, 745.69987), 1.0, 1e-5);  // 1 hp
    EXPECT_NEAR(ToDisplay(11, 5, 1.6990108), 1.0, 1e-5); // 1 ft³/min
    EXPECT_NEAR(ToDisplay(15, 4, 16.018463), 1.0, 1e-5); // 1 lb/ft³
    // Barometric pressure agrees with the pressure kind, scaled from hPa.
    EXPECT_DOUBLE_EQ(ToDisplay(8, 4, 1.0), 100.0 * ToDisplay(9, 4, 1.0));
    EXPECT_DOUBLE_EQ(ToDisplay(8, 5, 1.0), 100.0 * ToDisplay(9, 5, 1.0));
    EXPECT_DOUBLE_EQ(ToDisplay(8, 2, 1013.25), 1013.25);

    for (int s = 0; s <= 7; ++s) {
        for (int q = 0; q < 24; ++q) {
            EXPECT_NEAR(FromDisplay(q, s, ToDisplay(q, s, 123.4)), 123.4, 1e-10) << q << " " << s;
            const int d = DisplayDecimals(2, q, s);
            EXPECT_TRUE(d >= 0 && d <= 4);
        }
    }
    EXPECT_EQ(FormatQuantity(0, 11, 1, 3600.0), "1.000");
    EXPECT_EQ(FormatQuantity(1, 6, 4, 20.0), "68.0");
    EXPECT_EQ(FormatQuantity(0, 17, 4, 254.0), "10.0");
}

TEST(Units, Labels) {
    EXPECT_EQ(UnitLabel(0, 3), "");
    EXPECT_EQ(UnitLabel(5, 0), "1/Min");
    EXPECT_EQ(UnitLabel(7, 1), "% rF");
    EXPECT_EQ(UnitLabel(8, 0), "haPa");
    EXPECT_EQ(UnitLabel(8, 4), "lbf/ft²");
    EXPECT_EQ(UnitLabel(8, 5), "in WG");
    EXPECT_EQ(UnitLabel(8, 6), "гекто Па");
    EXPECT_EQ(UnitLabel(6, 4), "°F");
    EXPECT_EQ(UnitLabel(6, 5), "°C");
    EXPECT_EQ(UnitLabel(11, 1), "m³/s");
    EXPECT_EQ(UnitLabel(11, 5), "ft³/min");
    EXPECT_EQ(UnitLabel(11, 6), "м^3/час");
    EXPECT_EQ(UnitLabel(11, 7), "м^3/сек");
    EXPECT_EQ(UnitLabel(19, 0), "Stunden");
    EXPECT_EQ(UnitLabel(23, 5), "ft");
    EXPECT_EQ(UnitLabel(14, 7), "дБ(А)");
    EXPECT_EQ(UnitLabel(24, 0), "");
}

TEST(Units, MaxUnitSystemFollowsTheLocale) {
    test::TProcessStateGuard guard;
    guard.SetEnv("LC_ALL", "C.UTF-8");
    EXPECT_EQ(MaxUnitSystem(), 7);
    EXPECT_EQ(ClampUnitSystem(9), 7);
    guard.SetEnv("LC_ALL", "C");
    EXPECT_EQ(MaxUnitSystem(), 5);
    EXPECT_EQ(ClampUnitSystem(7), 5);
    EXPECT_EQ(ClampUnitSystem(-1), 0);
}
