// Flat grade values (JSON keys), their texts, the order by Fan Energy Index, and the lines
// of the energy-efficiency block.
#include "efficiency/EfficiencyTexts.h"
#include "efficiency/GradeFields.h"
#include "efficiency/TEfficiencyGrade.h"

#include <gtest/gtest.h>
#include <string>

using namespace corvane;

namespace {

// A housed backward-curved fan at 1.5 kW with ηe 58 %: N 63.16 against 61 (pass) and 64
// (fail); FEI 1.2.
TEfficiencyGrade RatedGrade() {
    TEfficiencyGrade g;
    g.FanType = EFanType::BackwardCurved;
    g.Housed = true;
    TBestEfficiencyPoint& bep = g.Static.Bep;
    bep.Found = true;
    bep.Flow = 4000;
    bep.ShaftEfficiency = 70;
    bep.ShaftPower = 1250;
    bep.ElectricalPower = 1500;
    bep.ElectricalMeasured = true;
    bep.MotorEfficiency = 1250.0 / 1500;
    bep.OverallEfficiency = 58;
    g.Static.Eu327 = {true, 58, 52.35, 63.16, 61, true};
    g.Static.Eu1834 = {true, 58, 55.35, 63.16, 64, false};
    g.Fei.Applies = true;
    g.Fei.FepRef = 2.4;
    g.Fei.FepAct = 2.0;
    g.Fei.Fei = 1.2;
    return g;
}

std::string Join(const std::vector<TGradeLine>& lines) {
    std::string text;
    for (const TGradeLine& l : lines)
        text += l.Label + ": " + l.Value + "\n";
    return text;
}

} // namespace

TEST(GradeFields, KeysValuesAndNulls) {
    const TGradeFields rated = GradeFields(RatedGrade());
    const char* keys[] = {
        "etaBep",        "peBep",    "n327Achieved", "n327Required", "pass327", "n1834Achieved",
        "n1834Required", "pass1834", "fepRef",       "fepAct",       "fei"};
    for (std::size_t i = 0; i < kGradeFieldCount; ++i)
        EXPECT_STREQ(rated[i].Key, keys[i]);
    EXPECT_EQ(rated[0].Value.Number, 58);
    EXPECT_EQ(rated[1].Value.Number, 1.5);
    EXPECT_EQ(rated[2].Value.Number, 63.16);
    EXPECT_EQ(rated[3].Value.Number, 61);
    EXPECT_TRUE(rated[4].Value.Flag);
    EXPECT_EQ(rated[6].Value.Number, 64);
    EXPECT_FALSE(rated[7].Value.Flag);
    EXPECT_EQ(rated[8].Value.Number, 2.4);
    EXPECT_EQ(rated[9].Value.Number, 2.0);
    EXPECT_EQ(rated[10].Value.Number, 1.2);
    EXPECT_EQ(GradeFieldText(rated[0], 1), "58.0");
    EXPECT_EQ(GradeFieldText(rated[1], 1), "1.500");
    EXPECT_EQ(GradeFieldText(rated[4], 1), "pass");
    EXPECT_EQ(GradeFieldText(rated[7], 0), "nicht erfüllt");

    // A fan type outside the rules keeps its best point and index, but no grades.
    TEfficiencyGrade other = RatedGrade();
    other.FanType = EFanType::NotRated;
    other.Static.Eu327 = {};
    other.Static.Eu1834 = {};
    other.Fei = {};
    const TGradeFields f = GradeFields(other);
    EXPECT_EQ(f[0].Value.Kind, TGradeValue::IsNumber);
    for (std::size_t i = 2; i < kGradeFieldCount; ++i)
        EXPECT_EQ(f[i].Value.Kind, TGradeValue::Null) << f[i].Key;
    EXPECT_EQ(GradeFieldText(f[4], 1), "");
    other.Static.Bep.Found = false;
    EXPECT_EQ(GradeFields(other)[1].Value.Kind, TGradeValue::Null);
}

TEST(GradeFields, OrderByFeiPutsTheBestFirstAndTheUnratedLast) {
    std::vector<TEfficiencyGrade> grades(6);
    const double fei[] = {1.1, -1, 1.4, 0.9, -1, 1.1};
    for (std::size_t i = 0; i < grades.size(); ++i) {
        grades[i].Fei.Applies = fei[i] > 0;
        grades[i].Fei.Fei = fei[i];
    }
    EXPECT_EQ(OrderByFei(grades), (std::vector<std::size_t>{2, 0, 5, 3, 1, 4}));
}

TEST(GradeTexts, LinesOfARatedAndOfAnUnratedFan) {
    const std::string rated = Join(GradeLines(RatedGrade(), 1, 0));
    EXPECT_NE(rated.find("fan type: backward-curved, with housing"), std::string::npos) << rated;
    EXPECT_NE(rated.find("V = 4000 m³/h, ηe = 58.0 %"), std::string::npos) << rated;
    EXPECT_NE(rated.find("electrical input Pe: 1.500 kW (measured)"), std::string::npos);
    EXPECT_NE(rated.find("Regulation (EU) No 327/2011: N = 63.2 (required 61): pass"),
              std::string::npos)
        << rated;
    EXPECT_NE(rated.find("Regulation (EU) 2024/1834: N = 63.2 (required 64): fail"),
              std::string::npos);
    EXPECT_NE(rated.find("FEI (AMCA 208): 1.20 (FEP ref 2.400 kW, FEP act 2.000 kW): pass"),
              std::string::npos);
    EXPECT_EQ(rated.find("not rated"), std::string::npos);

    TEfficiencyGrade motor = RatedGrade();
    motor.Static.Bep.ElectricalMeasured = false;
    motor.Static.Bep.MotorEfficiency = 0.812;
    motor.SpeedController = true;
    const std::string de = Join(GradeLines(motor, 0, 0));
    EXPECT_NE(de.find("1.500 kW (Normmotor, ηm = 81.2 %)"), std::string::npos) << de;
    EXPECT_NE(de.find("VO (EU) 2024/1834, mit Drehzahlregelung: N = 63.2"), std::string::npos);

    TEfficiencyGrade other = RatedGrade();
    other.FanType = EFanType::NotRated;
    other.Fei = {};
    const std::string unrated = Join(GradeLines(other, 1, 0));
    EXPECT_NE(unrated.find("not rated: impeller type neither"), std::string::npos) << unrated;
    EXPECT_EQ(unrated.find("327/2011"), std::string::npos);
    EXPECT_NE(unrated.find("FEI (AMCA 208): not applicable"), std::string::npos);

    TEfficiencyGrade tiny = RatedGrade();
    tiny.Static.Bep.ElectricalPower = 100;
    EXPECT_NE(Join(GradeLines(tiny, 1, 0)).find("not rated: Pe outside 0.125"), std::string::npos);
    EXPECT_EQ(EnergyEfficiencyTitle(2), "Энергоэффективность");
}
