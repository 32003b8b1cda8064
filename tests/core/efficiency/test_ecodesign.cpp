// Regulation formulas, the default motor and the Fan Energy Index, with the worked examples.
#include "efficiency/EcoDesign.h"
#include "efficiency/FanEnergyIndex.h"
#include "efficiency/TEfficiencyGrade.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace corvane;

namespace {
constexpr auto Static = EEfficiencyCategory::Static;
constexpr auto Total = EEfficiencyCategory::Total;
constexpr auto Bc = EFanType::BackwardCurved;
constexpr auto Fc = EFanType::ForwardCurved;
} // namespace

TEST(EcoDesign, WorkedExamplesHold) {
    // Backward-curved, housed, 1.5 kW, static.
    const TEcoTarget t327 = Target327(Bc, true, Static, 1.5);
    ASSERT_TRUE(t327.Applies);
    EXPECT_EQ(t327.RequiredN, 61);
    EXPECT_NEAR(t327.Target(), 52.35, 0.005);
    const TEcoTarget t1834 = Target1834(Bc, Static, 1.5);
    ASSERT_TRUE(t1834.Applies);
    EXPECT_EQ(t1834.RequiredN, 64);
    EXPECT_NEAR(t1834.Target(), 55.35, 0.005);
}

TEST(EcoDesign, Regulation327GradesByTypeHousingCategoryAndPower) {
    EXPECT_EQ(Target327(Bc, false, Static, 2).RequiredN, 62);
    EXPECT_FALSE(Target327(Bc, false, Total, 2).Applies); // no total grade without housing
    EXPECT_EQ(Target327(Bc, true, Total, 2).RequiredN, 64);
    EXPECT_EQ(Target327(Fc, true, Static, 2).RequiredN, 44);
    EXPECT_EQ(Target327(Fc, false, Total, 2).RequiredN, 49);
    // Lower formulas up to 10 kW, upper ones above.
    EXPECT_NEAR(Target327(Bc, true, Static, 10).Base, 4.56 * std::log(10.0) - 10.5, 1e-12);
    EXPECT_NEAR(Target327(Bc, true, Static, 20).Base, 1.1 * std::log(20.0) - 2.6, 1e-12);
    EXPECT_NEAR(Target327(Fc, true, Static, 10).Base, 2.74 * std::log(10.0) - 6.33, 1e-12);
    EXPECT_NEAR(Target327(Fc, true, Static, 20).Base, 0.78 * std::log(20.0) - 1.88, 1e-12);
    // Outside 0.125 ... 500 kW, or another fan type: not rated.
    EXPECT_FALSE(Target327(Bc, true, Static, 0.12).Applies);
    EXPECT_TRUE(Target327(Bc, true, Static, 0.125).Applies);
    EXPECT_TRUE(Target327(Bc, true, Static, 500).Applies);
    EXPECT_FALSE(Target327(Bc, true, Static, 501).Applies);
    EXPECT_FALSE(Target327(EFanType::NotRated, true, Static, 2).Applies);
}

TEST(EcoDesign, Regulation1834GradesByTypeCategoryAndPower) {
    EXPECT_EQ(Target1834(Bc, Total, 2).RequiredN, 67);
    EXPECT_EQ(Target1834(Fc, Static, 4.9).RequiredN, 52);
    EXPECT_EQ(Target1834(Fc, Total, 4.9).RequiredN, 57);
    EXPECT_EQ(Target1834(Fc, Static, 5).RequiredN, 64);
    EXPECT_EQ(Target1834(Fc, Total, 5).RequiredN, 67);
    EXPECT_NEAR(Target1834(Fc, Static, 9.99).Base, 4.56 * std::log(9.99) - 10.5, 1e-12);
    EXPECT_NEAR(Target1834(Bc, Static, 10).Base, 1.1 * std::log(10.0) - 2.6, 1e-12);
    EXPECT_FALSE(Target1834(EFanType::NotRated, Static, 2).Applies);
    EXPECT_FALSE(Target1834(Bc, Static, 0.1).Applies);

    EXPECT_NEAR(SpeedControlCompensation1834(1), 1.0812, 1e-12);
    EXPECT_NEAR(SpeedControlCompensation1834(4), 1.0406, 1e-12);
    EXPECT_EQ(SpeedControlCompensation1834(5), 1.04);
    EXPECT_EQ(SpeedControlCompensation1834(50), 1.04);
}

TEST(EcoDesign, AGradeReachingTheRequiredOnePasses) {
    const TEcoTarget target{true, -8.5, 61};
    const TRegulationGrade exact = GradeRegulation(target, 52.5);
    EXPECT_TRUE(exact.Applies);
    EXPECT_EQ(exact.AchievedN, 61);
    EXPECT_EQ(exact.Target, 52.5);
    EXPECT_TRUE(exact.Pass);
    EXPECT_FALSE(GradeRegulation(target, 52.4).Pass);
    const TRegulationGrade none = GradeRegulation(TEcoTarget{}, 80);
    EXPECT_FALSE(none.Applies);
    EXPECT_FALSE(none.Pass);
    EXPECT_EQ(none.Efficiency, 80);
}

TEST(EcoDesign, FanTypeFollowsTheImpellerTypeGroups) {
    EXPECT_EQ(FanTypeOfImpeller(60), Fc);
    EXPECT_EQ(FanTypeOfImpeller(120), Fc);
    EXPECT_EQ(FanTypeOfImpeller(149), Bc);
    EXPECT_EQ(FanTypeOfImpeller(249), Bc);
    for (const int other : {0, 59, 121, 148, 250, 300})
        EXPECT_EQ(FanTypeOfImpeller(other), EFanType::NotRated) << other;
}

TEST(EcoDesign, DefaultMotorIsSolvedForItsInput) {
    EXPECT_NEAR(DefaultMotorEfficiency(1.0), 0.809761, 1e-12);
    EXPECT_NEAR(DefaultMotorEfficiency(10.0), 0.000278 - 0.019247 + 0.104395 + 0.809761, 1e-12);
    EXPECT_NEAR(DefaultMotorEfficiency(0.5), 0.1462 * std::log(0.5) + 0.8381, 1e-12);
    for (const double shaft : {0.05, 0.3, 0.59, 0.62, 1.0, 2.477, 40.0, 450.0}) {
        const double pe = DefaultMotorInput(shaft);
        EXPECT_NEAR(pe * DefaultMotorEfficiency(pe), shaft, 1e-9 * shaft) << shaft;
        EXPECT_GT(pe, shaft);
    }
    // The two motor curves meet at 0.75 kW with a small step; a shaft power inside it has
    // no exact solution and gets 0.75 kW.
    EXPECT_NEAR(DefaultMotorInput(0.5972), 0.75, 1e-9);
    EXPECT_EQ(DefaultMotorInput(0), -1);
    EXPECT_EQ(DefaultMotorInput(-1), -1);
    EXPECT_EQ(DefaultMotorInput(std::nan("")), -1);
}

TEST(FanEnergyIndex, WorkedExampleHolds) {
    EXPECT_NEAR(ReferenceFanPower(1, 1000, 1.2), 1.118 * 1100 / 660, 1e-12);
    EXPECT_NEAR(ReferenceFanElectricalPower(1, 1000, 1.2), 2.2706, 0.00005);
    const TFanEnergyIndex fei = FanEnergyIndex(1, 1000, 1.2, 1.9, false);
    ASSERT_TRUE(fei.Applies);
    EXPECT_NEAR(fei.Fei, 1.195, 0.0005);
    EXPECT_TRUE(fei.Pass());
    EXPECT_FALSE(FanEnergyIndex(1, 1000, 1.2, 2.3, false).Pass());
    // The density enters the reference power through the pressure term.
    EXPECT_NEAR(ReferenceFanPower(1, 1000, 0.6), 1.118 * 1050 / 660, 1e-12);
}

TEST(FanEnergyIndex, ReferenceMotorAndMissingValues) {
    EXPECT_NEAR(ReferenceMotorEfficiency(1), 0.850274, 1e-12);
    EXPECT_NEAR(
        ReferenceMotorEfficiency(184.9),
        [] {
            const double x = std::log10(184.9);
            return -0.003812 * std::pow(x, 4) + 0.025834 * std::pow(x, 3) - 0.072577 * x * x +
                   0.125559 * x + 0.850274;
        }(),
        1e-12);
    EXPECT_EQ(ReferenceMotorEfficiency(185), 0.962);
    EXPECT_NEAR(ReferenceMotorInput(2), 2 / ReferenceMotorEfficiency(2), 1e-12);
    EXPECT_EQ(ReferenceMotorInput(0), -1);

    EXPECT_FALSE(FanEnergyIndex(0, 1000, 1.2, 1.9, false).Applies);
    EXPECT_FALSE(FanEnergyIndex(1, -1, 1.2, 1.9, false).Applies);
    EXPECT_FALSE(FanEnergyIndex(1, 1000, 0, 1.9, false).Applies);
    EXPECT_FALSE(FanEnergyIndex(1, 1000, 1.2, -1, false).Applies);
    EXPECT_FALSE(FanEnergyIndex(1, 1000, 1.2, std::nan(""), false).Pass());
}
