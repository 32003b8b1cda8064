// Duty files with good and bad lines, and the best rows of each duty.
#include "../selection/SearchTestCatalogue.h"
#include "batch/DutyFile.h"
#include "batch/TBatchSelection.h"
#include "efficiency/TEfficiencyRater.h"
#include "selection/TImpellerSearch.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace corvane;

namespace {

std::vector<int> ErrorLines(const TDutyFile& f) {
    std::vector<int> lines;
    for (const TDutyError& e : f.Errors)
        lines.push_back(e.Line);
    return lines;
}

} // namespace

TEST(DutyFile, GoodLinesAreReadAndBadOnesReportedWithTheirNumber) {
    TAuswahlParam base;
    base.RequestedDensity = 1.1;
    base.FanLayout = 1;
    const TDutyFile f = ParseDutyFile("# duties of project 7\n"
                                      "flow\tpressure\tlayout\tangle\tdensity\n"
                                      "5000\t800\n"
                                      "\n"
                                      "6000\t900,5\t2\t90\t1.2\r\n"
                                      "abc\t800\n"
                                      "7000\t\t0\n"
                                      "7000\t800\t3\n"
                                      "7000\t800\t0\t90\t1.2\t5\n"
                                      "-5\t800\n"
                                      "8000\t1000\t\t\t\n",
                                      base, 0);
    EXPECT_FALSE(f.Unusable);
    EXPECT_EQ(f.Columns,
              (std::vector<std::string>{"flow", "pressure", "layout", "angle", "density"}));
    ASSERT_EQ(f.Duties.size(), 3u);
    EXPECT_EQ(f.Duties[0].Line, 3);
    EXPECT_EQ(f.Duties[0].Request.RequestedFlow, 5000);
    EXPECT_EQ(f.Duties[0].Request.RequestedDensity, 1.1); // the base where a cell is missing
    EXPECT_EQ(f.Duties[0].Request.FanLayout, 1);
    const TAuswahlParam& second = f.Duties[1].Request;
    EXPECT_EQ(f.Duties[1].Line, 5);
    EXPECT_EQ(second.RequestedPressure, 900.5);
    EXPECT_EQ(second.FanLayout, 2);
    EXPECT_EQ(second.HousingAngle, "90");
    EXPECT_EQ(second.RequestedDensity, 1.2);
    EXPECT_EQ(f.Duties[2].Line, 11);
    EXPECT_EQ(f.Duties[2].Request.FanLayout, 1);

    EXPECT_EQ(ErrorLines(f), (std::vector<int>{6, 7, 8, 9, 10}));
    EXPECT_EQ(f.Errors[0].Text(), "line 6: flow: not a number: \"abc\"");
    EXPECT_EQ(f.Errors[1].Text(), "line 7: pressure: missing");
    EXPECT_EQ(f.Errors[2].Text(), "line 8: layout: 0 ... 2 expected");
    EXPECT_EQ(f.Errors[3].Text(), "line 9: 6 fields, 5 columns");
    EXPECT_EQ(f.Errors[4].Text(), "line 10: flow: must be above 0");
}

TEST(DutyFile, WithoutHeaderTheColumnsFollowTheOptionOrder) {
    // Unit system 1 gives flows in m³/s.
    const TDutyFile f = ParseDutyFile("1.5\t800\t1.15\t0\t1\t1200\t0\tx\n"
                                      "1.5\t800\t\t\t4\n"
                                      "1.5\t800\t\t\t1\t1200\t22\n"
                                      "1.5\t800\t\t\t1.5\n",
                                      TAuswahlParam{}, 1);
    ASSERT_EQ(f.Duties.size(), 1u);
    const TAuswahlParam& r = f.Duties[0].Request;
    EXPECT_NEAR(r.RequestedFlow, 5400, 1e-9);
    EXPECT_EQ(r.RequestedDensity, 1.15);
    EXPECT_EQ(r.FanLayout, 0);
    EXPECT_EQ(r.SearchMode, 1);
    EXPECT_EQ(r.GivenSpeed, 1200);
    EXPECT_EQ(r.TypeGroup, 0);
    EXPECT_EQ(r.HousingAngle, "x");
    EXPECT_EQ(ErrorLines(f), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(f.Errors[0].Message, "mode: 0 ... 3 expected"); // no cart in a batch
}

TEST(DutyFile, AWrongHeaderMakesTheFileUnusable) {
    for (const char* text : {"flow\tpresure\n5000\t800\n", "flow\tdensity\n5000\t1.2\n",
                             "\n#x\nflow\tpressure\tflow\n"}) {
        const TDutyFile f = ParseDutyFile(text, TAuswahlParam{}, 0);
        EXPECT_TRUE(f.Unusable) << text;
        EXPECT_TRUE(f.Duties.empty());
        ASSERT_EQ(f.Errors.size(), 1u);
    }
    EXPECT_EQ(ParseDutyFile("flow\tpresure\n", TAuswahlParam{}, 0).Errors[0].Text(),
              "line 1: unknown column \"presure\"");
    EXPECT_EQ(ParseDutyFile("\n#x\nflow\tpressure\tflow\n", TAuswahlParam{}, 0).Errors[0].Text(),
              "line 3: column twice: \"flow\"");
    EXPECT_TRUE(ParseDutyFile("", TAuswahlParam{}, 0).Duties.empty());
    // A cell quoted in a message is cut and shows no control bytes.
    const std::string wild = std::string("\x1b[2J") + std::string(60, 'x') + "\n";
    EXPECT_EQ(ParseDutyFile(wild, TAuswahlParam{}, 0).Errors[0].Message,
              "unknown column \"?[2J" + std::string(36, 'x') + "...\"");
    EXPECT_EQ(ParseDutyFile("flow\tpressure\n1\x01\t2\n", TAuswahlParam{}, 0).Errors[0].Message,
              "flow: not a number: \"1?\"");
}

TEST(BatchSelection, KeepsTheBestRowsOfEachDuty) {
    test::TSearchTestCatalogue t;
    for (int s = 1; s <= 6; ++s) {
        test::TTestCurve curve;
        curve.C0 = 1200 + 50 * s;
        t.AddSeries(s, curve);
        t.AddImpeller(s, s, 150);
    }
    t.AddType(150, "RB");
    t.Finish();
    TAuswahlParam request;
    request.SearchMode = SearchComputedSpeed;
    request.RequestedFlow = 5000;
    request.RequestedPressure = 800;
    request.SortKey = 4; // by speed
    TImpellerSearch search(t.cat);
    search.Run(request);
    ASSERT_GE(search.Rows().size(), 4u);

    TBatchSelection batch(t.cat);
    batch.SetBest(2);
    const TBatchResult best = batch.Select({12, request});
    EXPECT_EQ(best.Duty.Line, 12);
    ASSERT_EQ(best.Rows.size(), 2u);
    ASSERT_EQ(best.Grades.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(best.Rows[i].Id(), search.Rows()[i].Id());
    EXPECT_TRUE(best.Grades[0].Fei.Applies);

    // By index: the two rows of the highest index among all rows, fully graded.
    batch.SetOrderByFei(true);
    const TBatchResult byFei = batch.Select({13, request});
    ASSERT_EQ(byFei.Rows.size(), 2u);
    EXPECT_GE(byFei.Grades[0].Fei.Fei, byFei.Grades[1].Fei.Fei);
    TEfficiencyRater rater(t.cat);
    for (const TErgebnisZeile& row : search.Rows()) {
        const TEfficiencyGrade g = rater.Grade(row, request.RequestedDensity);
        if (row.Id() != byFei.Rows[0].Id() && row.Id() != byFei.Rows[1].Id()) {
            EXPECT_LE(g.Fei.Fei, byFei.Grades[1].Fei.Fei);
        }
        if (row.Id() == byFei.Rows[0].Id()) {
            EXPECT_EQ(g.Static.Bep.Flow, byFei.Grades[0].Static.Bep.Flow);
        }
    }
}
