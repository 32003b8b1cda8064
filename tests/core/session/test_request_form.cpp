// Reading typed inputs into the request and showing the request in the controls.
#include "ProcessStateGuard.h"
#include "ViewInput.h"
#include "i18n/Language.h"
#include "model/TWinkelStringList.h"
#include "selection/TAuswahlParam.h"
#include "session/RequestForm.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {

// Every field typed as a person would: decimal commas, units of the unit system.
TRequestInput Typed() {
    TRequestInput in;
    in.D2Min = "200";
    in.D2Max = "630";
    in.WidthMin = "50";
    in.WidthMax = "400";
    in.Flow = "1,5"; // m³/s in unit system 1
    in.Pressure = "800";
    in.Density = "1,2";
    in.Tolerance = "7,5";
    in.Speed = "1450";
    in.MaxSpeed = "2900";
    in.SliderMax = "2500.5";
    in.HousingAngle = "LG 90";
    in.TypeGroup = 5;
    in.FanLayout = 1;
    in.FixedQuantity = 1;
    in.SortKey = 4;
    in.SearchMode = SearchModeOf(ESpeedPage::Fixed, true, false);
    return in;
}

} // namespace

TEST(RequestForm, TypedValuesBecomeBaseUnitsWithinTheirBounds) {
    const TAuswahlParam r = ReadRequestInput(TAuswahlParam{}, Typed(), 1);
    EXPECT_DOUBLE_EQ(r.RequestedFlow, 5400); // 1.5 m³/s
    EXPECT_DOUBLE_EQ(r.RequestedPressure, 800);
    EXPECT_DOUBLE_EQ(r.RequestedDensity, 1.2);
    EXPECT_TRUE(r.DensityNonStd);
    EXPECT_DOUBLE_EQ(r.Tolerance, 7.5);
    EXPECT_DOUBLE_EQ(r.D2Min, 200);
    EXPECT_DOUBLE_EQ(r.D2Max, 630);
    EXPECT_DOUBLE_EQ(r.WidthMax, 400);
    EXPECT_EQ(r.SliderMax, 2500); // rounded, ties to even
    EXPECT_EQ(r.HousingAngle, "LG 90");
    EXPECT_EQ(r.TypeGroup, 5);
    EXPECT_EQ(r.SearchMode, SearchFixedSpeed); // the given-speed page ignores "reinforced"
    EXPECT_EQ(r.SortKey, 4);

    // Nonsense, nothing and values beyond the bounds.
    TRequestInput bad = Typed();
    bad.Flow = "abc";
    bad.Pressure = "0";
    bad.Tolerance = "";
    bad.D2Min = "10";
    bad.D2Max = "50";
    bad.WidthMin = "-5";
    bad.WidthMax = "-10";
    bad.SliderMax = "123456";
    bad.HousingAngle = " * alle * ";
    bad.TypeGroup = -1; // nothing chosen
    bad.FanLayout = 7;
    bad.FixedQuantity = -1;
    bad.SortKey = -1;
    const TAuswahlParam b = ReadRequestInput(r, bad, 0);
    EXPECT_DOUBLE_EQ(b.RequestedFlow, 0.1);
    EXPECT_DOUBLE_EQ(b.RequestedPressure, 0.1);
    EXPECT_DOUBLE_EQ(b.Tolerance, 0.01);
    EXPECT_DOUBLE_EQ(b.D2Min, 67);
    EXPECT_DOUBLE_EQ(b.D2Max, 67);
    EXPECT_DOUBLE_EQ(b.WidthMin, 0);
    EXPECT_DOUBLE_EQ(b.WidthMax, 0);
    EXPECT_EQ(b.SliderMax, 99999);
    EXPECT_EQ(b.HousingAngle, "");
    EXPECT_EQ(b.TypeGroup, 0);
    EXPECT_EQ(b.FanLayout, 2);
    EXPECT_EQ(b.FixedQuantity, 0);
    EXPECT_EQ(b.SortKey, 0);

    // Fields left empty keep what the request held.
    TRequestInput some;
    some.Pressure = "900";
    const TAuswahlParam kept = ReadRequestInput(r, some, 0);
    EXPECT_DOUBLE_EQ(kept.RequestedPressure, 900);
    TAuswahlParam expected = r;
    expected.RequestedPressure = 900;
    EXPECT_EQ(kept, expected);
}

TEST(RequestForm, SpeedModesOfPagesAndBack) {
    EXPECT_EQ(SearchModeOf(ESpeedPage::Computed, false, true), SearchComputedSpeed);
    EXPECT_EQ(SearchModeOf(ESpeedPage::Computed, true, false), SearchComputedReinforced);
    EXPECT_EQ(SearchModeOf(ESpeedPage::Fixed, false, false), SearchFixedSpeed);
    EXPECT_EQ(SearchModeOf(ESpeedPage::Fixed, true, true), SearchManualSpeed);
    EXPECT_EQ(SearchModeOf(ESpeedPage::Cart, true, true), SearchCart);
    for (int mode = 0; mode <= 4; ++mode) {
        TAuswahlParam r;
        r.SearchMode = mode;
        const TRequestView v = ShowRequestView(r, 0, TWinkelStringList{}, {});
        EXPECT_EQ(SearchModeOf(v.Page, v.Reinforced, v.ManualSpeed), mode);
    }
}

TEST(RequestForm, ShownInDisplayUnitsAndReadBackUnchanged) {
    const test::TProcessStateGuard guard;
    SetTextLanguage(0);
    TWinkelStringList angles;
    for (const char* a : {"180", "90", "LG 90"})
        angles.Add(a);
    TAuswahlParam r;
    r.D2Min = 201; // within 2 mm of 200
    r.D2Max = 190; // nearest standard below the minimum's: raised to it
    r.WidthMax = 400;
    r.RequestedFlow = 5400;
    r.RequestedDensity = 1.2;
    r.GivenSpeed = 3500.4;
    r.SliderMax = 3000;
    r.HousingAngle = "180";
    r.TypeGroup = 21;
    r.SearchMode = SearchManualSpeed;
    const std::vector<TTypeGroupEntry> groups = {{"RB150", 3}, {"alle VLR", 21}};

    const TRequestView v = ShowRequestView(r, 1, angles, groups);
    ASSERT_EQ(v.Diameters.size(), 30u);
    EXPECT_EQ(v.Diameters.front(), "67");
    EXPECT_EQ(v.Diameters[v.D2MinPosition], "200");
    EXPECT_EQ(v.D2MaxPosition, v.D2MinPosition);
    EXPECT_EQ(v.Flow, "1.500"); // m³/s with three more decimals
    EXPECT_EQ(v.FlowUnit, "m³/s");
    EXPECT_EQ(v.Density, "1.200");
    EXPECT_EQ(v.Speed, "3500.4");
    EXPECT_EQ(v.SliderPosition, 3000);
    EXPECT_EQ(v.HousingAngles, (std::vector<std::string>{" * alle * ", "90", "180", "LG 90"}));
    EXPECT_EQ(v.HousingAnglePosition, 2);
    EXPECT_FALSE(v.HousingAngleEnabled); // layout 0 has no housing
    EXPECT_EQ(v.TypeGroupPosition, 1);
    EXPECT_TRUE(v.ManualSpeed);

    // What the controls show reads back as the request (limits on standard diameters).
    const TRequestInput in = test::InputOfView(v);
    const TAuswahlParam back = ReadRequestInput(TAuswahlParam{}, in, 1);
    EXPECT_DOUBLE_EQ(back.D2Min, 200);
    EXPECT_DOUBLE_EQ(back.D2Max, 200);
    EXPECT_NEAR(back.RequestedFlow, 5400, 1e-9);
    EXPECT_DOUBLE_EQ(back.WidthMax, 400);
    EXPECT_DOUBLE_EQ(back.GivenSpeed, 3500.4);
    EXPECT_EQ(back.HousingAngle, "180");
    EXPECT_EQ(back.TypeGroup, 21);
    EXPECT_EQ(back.SearchMode, SearchManualSpeed);

    // An angle no housing has selects " * alle * "; a request at 70 mm selects 67 (none within
    // 2 mm: the first entry).
    r.HousingAngle = "45";
    r.D2Min = 70;
    const TRequestView w = ShowRequestView(r, 4, angles, groups);
    EXPECT_EQ(w.HousingAnglePosition, 0);
    EXPECT_EQ(w.D2MinPosition, 0);
    EXPECT_EQ(w.Diameters.front(), "2.6"); // inches with one decimal
}
