#include "MwTestSeries.h"
#include "ProcessStateGuard.h"
#include "mdb/TConfirmation.h"
#include "physics/ListeningDistance.h"

#include <gtest/gtest.h>
#include <string>
#include <variant>

namespace corvane {
namespace {

using test::TTestSeries;
using F = TMdbMw;

class TRecordingConfirmation : public TConfirmation {
public:
    explicit TRecordingConfirmation(bool answer) : answer_(answer) { Install(this); }
    ~TRecordingConfirmation() override { Install(nullptr); }
    bool Confirm(const std::string& question) override {
        questions.push_back(question);
        return answer_;
    }
    std::vector<std::string> questions;

private:
    bool answer_;
};

TEST(MwTable, FieldDeclarations) {
    const TMdbMw mw;
    EXPECT_EQ(mw.FieldCount(), 191);
    EXPECT_EQ(mw.KeyField(), F::F_MWNR);
    EXPECT_EQ(mw.MdbNo(), 1009u);
    EXPECT_EQ(mw.TableName(), "MW");

    // Keys of generated band fields land on their constants.
    EXPECT_EQ(mw.FieldByKey("LP_1P25K"), F::F_LP_1P25K);
    EXPECT_EQ(mw.FieldByKey("lpn_10k"), F::F_LPN_10K);
    EXPECT_EQ(mw.FieldByKey("LP3_A"), F::F_LP3_A);
    EXPECT_EQ(mw.FieldByKey("SCHALLMESSG"), 83);
    EXPECT_EQ(mw.Field(F::F_LP2_10K).Caption[0], "Lp2(10k)");
    EXPECT_EQ(mw.Field(F::F_LP2_10K).LongCaption[0], "Terzband 10k");
    EXPECT_EQ(mw.Field(F::F_LP2_10K).LongCaption[1], "third-octave band 10k");
    EXPECT_EQ(mw.Field(F::F_LPN_3P15K).Caption[0], "Lpn(3.15k)");
    EXPECT_EQ(mw.Field(F::F_LPN_3P15K).LongCaption[0], "Norm-Terzband 3.15k");
    EXPECT_EQ(mw.Field(F::F_LP1_A).Caption[0], "Lp1(A)(m)");
    EXPECT_EQ(mw.Field(F::F_LPN).Caption[0], "Lp");
    EXPECT_EQ(mw.Field(F::F_RES9).LongCaption[0], "Schalldruckpegel  (gemessen)");
    EXPECT_EQ(mw.Field(F::F_PK).Caption[0], "´d´pK");
    EXPECT_EQ(mw.Field(F::F_UMEAN).Caption[0], "U Ø");
    EXPECT_FALSE(mw.Field(F::F_PHI).Caption[2].empty());
    EXPECT_TRUE(mw.Field(F::F_RHO).Key.empty());

    // Hidden columns, types, quantities and decimals.
    for (const int hidden :
         {F::F_MESSNR, F::F_LP, F::F_LP_10K, F::F_LPN_A, F::F_LP1, F::F_LP3_10K, F::F_LPSCRATCH})
        EXPECT_EQ(mw.Field(hidden).ColWidth, 0) << hidden;
    for (const int shown : {F::F_MWNR, F::F_RES9, F::F_RHO, F::F_LPAC, F::F_SCHALLMESSG})
        EXPECT_EQ(mw.Field(shown).ColWidth, -1) << shown;
    EXPECT_EQ(mw.Field(F::F_SCHALLMESSG).FieldType, ftCode);
    EXPECT_EQ(mw.Field(F::F_RT).FieldType, ftFloat);
    EXPECT_EQ(mw.Field(F::F_LAMBDA).FieldType, ftFloatTransient);
    EXPECT_EQ(mw.Field(F::F_VC).Quantity, 11);
    EXPECT_EQ(mw.Field(F::F_MC).Width, 3);
    EXPECT_EQ(mw.Field(F::F_PB).Quantity, 8);
    EXPECT_EQ(mw.Field(F::F_LP_A).Quantity, 14);
    EXPECT_EQ(mw.Field(F::F_LPSCRATCH).Quantity, 14);
    EXPECT_EQ(mw.Field(F::F_RES9).Width, 2);
    EXPECT_EQ(mw.Field(F::F_PSIFA).Width, 3);
}

TEST(MwTable, NewPointsTextsAndKeys) {
    TTestSeries s;
    s.AddPoint(4);
    ASSERT_TRUE(s.Load());
    TMdbMw& mw = s.mw;

    TMdbRecord* point = mw.NewRecord();
    EXPECT_EQ(mw.GetInt(point, F::F_MESSNR), TTestSeries::kSeriesNo);
    for (const int field : {F::F_RT, F::F_LP3_10K, F::F_RES11, F::F_RHO, F::F_LPSCRATCH})
        EXPECT_EQ(mw.GetFloat(point, field), -1.0f) << field;
    EXPECT_EQ(mw.GetInt(point, F::F_SCHALLMESSG), 0);
    EXPECT_EQ(mw.NextKey(), 5);

    // -1 is shown empty; an empty input stores -1; numbers are parsed as usual.
    EXPECT_EQ(mw.GetFieldText(point, F::F_RT), "");
    EXPECT_EQ(std::get<std::string>(mw.GetFieldVariantInUnits(point, F::F_RT, false)), "");
    mw.SetFieldText(point, F::F_RT, "21,5");
    EXPECT_EQ(mw.GetFloat(point, F::F_RT), 21.5f);
    EXPECT_EQ(mw.GetFieldText(point, F::F_RT), "21.5");
    EXPECT_TRUE(std::holds_alternative<double>(mw.GetFieldVariantInUnits(point, F::F_RT, false)));
    mw.SetFieldText(point, F::F_RT, "  ");
    EXPECT_EQ(mw.GetFloat(point, F::F_RT), -1.0f);
    mw.SetFieldText(point, F::F_MWNR, "");
    EXPECT_EQ(mw.GetInt(point, F::F_MWNR), 0); // integers keep the engine's rule

    EXPECT_EQ(mw.BrowserCaption(), "Messwerte aus Messreihe 7");
    TMdbMw empty;
    EXPECT_EQ(empty.NextKey(), 1);
}

TEST(MwTable, DeletePointAsksWithSeriesNumber) {
    TTestSeries s;
    s.AddPoint(3);
    ASSERT_TRUE(s.Load());
    {
        TRecordingConfirmation no(false);
        s.mw.DeleteRecord(s.mw.FindByKey(3));
        ASSERT_EQ(no.questions.size(), 1u);
        EXPECT_EQ(no.questions[0], "Messung Nr.3 aus der Messreihe 7 löschen ?");
    }
    EXPECT_EQ(s.mw.RecordCount(), 1);
    TRecordingConfirmation yes(true);
    s.mw.DeleteRecord(s.mw.FindByKey(3));
    EXPECT_EQ(s.mw.RecordCount(), 0);
}

TEST(MwTable, EvaluationCacheFollowsTargetsAndDistance) {
    TTestSeries s;
    s.AddPoint(1);
    ASSERT_TRUE(s.Load(1.2f, -1, 1450));
    EXPECT_EQ(s.mw.TargetDensity(), 1.2f);
    const float pressure = s.Get(1, F::F_PFA);

    // A changed raw value shows only when the points are evaluated again.
    TMdbRecord* point = s.mw.FindByKey(1);
    s.mw.SetFloat(point, F::F_PK, 1000);
    ASSERT_TRUE(s.mw.LoadSeries(s.series, s.record, 1.2f, -1, 1450));
    EXPECT_EQ(s.Get(1, F::F_PFA), pressure); // same targets: not evaluated again

    // A listening distance that is not exact in float still hits the cache.
    test::TProcessStateGuard guard;
    SetListeningDistance(1.3);
    ASSERT_TRUE(s.mw.LoadSeries(s.series, s.record, 1.2f, -1, 1450));
    EXPECT_NEAR(s.Get(1, F::F_PFA), 2 * pressure, 1e-2); // the distance changed: evaluated
    EXPECT_EQ(s.mw.EvalDistance(), 1.3f);
    s.mw.SetFloat(point, F::F_PK, 500);
    ASSERT_TRUE(s.mw.LoadSeries(s.series, s.record, 1.2f, -1, 1450));
    EXPECT_NEAR(s.Get(1, F::F_PFA), 2 * pressure, 1e-2);
    SetListeningDistance(-1);

    // A new target evaluates; loading the series again restores the raw points.
    ASSERT_TRUE(s.mw.LoadSeries(s.series, s.record, 1.205f, -1, 1450));
    EXPECT_NEAR(s.Get(1, F::F_PFA), pressure * 1.205f / 1.2f, 1e-2);
    s.mw.SetFloat(point, F::F_PK, 1000);
    s.mw.ForgetSeries();
    ASSERT_TRUE(s.mw.LoadSeries(s.series, s.record, 1.205f, -1, 1450));
    EXPECT_EQ(s.mw.GetFloat(s.mw.FindByKey(1), F::F_PK), 500.0f);

    // A series that does not exist leaves the table empty.
    EXPECT_FALSE(s.mw.LoadSeries(s.series, nullptr, -1, -1, -1));
    EXPECT_EQ(s.mw.RecordCount(), 0);
    EXPECT_EQ(s.mw.SeriesNo(), 0);
}

} // namespace
} // namespace corvane
