#include "physics/TDensityInput.h"

#include <gtest/gtest.h>

using namespace corvane;

TEST(DensityInput, AirStateGivesDensityAndTypedDensityForgetsIt) {
    TDensityInput input(1.2);
    EXPECT_FALSE(input.Modified());
    input.TypeAirState(101300, 20);
    EXPECT_TRUE(input.Modified());
    EXPECT_DOUBLE_EQ(input.Density(), 1.205);
    input.TypeAirState(100000, -300); // taken as -272 °C
    EXPECT_DOUBLE_EQ(input.Temperature(), -272);
    EXPECT_DOUBLE_EQ(input.Density(), 348.432);
    // Pressure cleared while a temperature is entered: density 0, kept as it is.
    input.TypeAirState(0, 20);
    EXPECT_DOUBLE_EQ(input.Density(), 0.0);

    input.TypeDensity(0.05);
    EXPECT_DOUBLE_EQ(input.Density(), 0.1);
    EXPECT_DOUBLE_EQ(input.Pressure(), 0.0);
    EXPECT_DOUBLE_EQ(input.Temperature(), 0.0);
    input.ResetModified();
    EXPECT_FALSE(input.Modified());
}

TEST(DensityInput, RememberedTextRoundTripAndDamage) {
    TDensityInput input(1.205);
    input.TypeAirState(98765.5, 12.25);
    EXPECT_EQ(input.RememberedText(), "12.25 98765.5");

    TDensityInput next(1.3);
    next.Remember(input.RememberedText());
    EXPECT_DOUBLE_EQ(next.Temperature(), 12.25);
    EXPECT_DOUBLE_EQ(next.Pressure(), 98765.5);
    EXPECT_DOUBLE_EQ(next.Density(), 1.3); // remembering changes neither density nor Modified
    EXPECT_FALSE(next.Modified());

    next.Remember("15,5");
    EXPECT_DOUBLE_EQ(next.Temperature(), 15.5);
    EXPECT_DOUBLE_EQ(next.Pressure(), 0.0);
    next.Remember("garbage here");
    EXPECT_DOUBLE_EQ(next.Temperature(), 0.0);
    EXPECT_DOUBLE_EQ(next.Pressure(), 0.0);
}
