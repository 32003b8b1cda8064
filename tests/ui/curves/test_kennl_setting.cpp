#include "ui/curves/TKennlSetting.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(KennlSetting, HeightAndModeInOneNumber) {
    const TKennlSetting fallback{150, 0};
    const TKennlSetting parabolas = TKennlSetting::FromText("2000180", fallback);
    EXPECT_EQ(parabolas.GridHeight, 180);
    EXPECT_EQ(parabolas.ShowMode, 2);
    EXPECT_EQ(parabolas.ToText(), "2000180");
    // Low heights are raised to 64, an empty text keeps the fallback.
    EXPECT_EQ(TKennlSetting::FromText("1000010", fallback).GridHeight, 64);
    EXPECT_EQ(TKennlSetting::FromText("1000010", fallback).ShowMode, 1);
    EXPECT_EQ(TKennlSetting::FromText("", fallback).GridHeight, 150);
    // Damage and out-of-range modes stay harmless.
    EXPECT_EQ(TKennlSetting::FromText("-77x", fallback).ShowMode, 0);
    EXPECT_EQ(TKennlSetting::FromText("-77x", fallback).GridHeight, 64);
    EXPECT_EQ(TKennlSetting::FromText("9000300", fallback).ShowMode, 2);
    EXPECT_EQ(TKennlSetting::FromText("99999999999999999999999", fallback).ShowMode, 2);
    EXPECT_EQ((TKennlSetting{10, 1}).ToText(), "1000064");
}

} // namespace
} // namespace corvane
