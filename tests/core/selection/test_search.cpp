#include "SearchTestCatalogue.h"
#include "selection/ResultSort.h"
#include "selection/TImpellerSearch.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <vector>

using namespace corvane;
using corvane::test::TSearchTestCatalogue;
using corvane::test::TTestCurve;

namespace {

std::set<std::int32_t> Ids(const TImpellerSearch& search) {
    std::set<std::int32_t> ids;
    for (const TErgebnisZeile& row : search.Rows())
        ids.insert(row.Id());
    return ids;
}

TAuswahlParam ManualRequest() {
    TAuswahlParam r;
    r.SearchMode = SearchManualSpeed;
    r.GivenSpeed = 1450;
    r.TypeGroup = 21;
    r.WidthMax = 200;
    r.SortKey = 3;
    return r;
}

// Impellers 1..5 on series 1 and housings 10..13.
void BuildSmallCatalogue(TSearchTestCatalogue& t) {
    t.AddSeries(1);
    t.AddType(100, "VR45");
    t.AddType(150, "HXA2");
    t.AddImpeller(1, 1, 100);
    t.AddImpeller(2, 1, 100, 125, "D");
    t.AddImpeller(3, 1, 150);
    t.AddImpeller(4, 1, 100, 300);
    TMdbRecord* big = t.AddImpeller(5, 1, 100);
    t.cat.Laufrad().SetInt(big, TMdbLaufrad::F_D2NENN, 500);
    t.AddHousing(10, 1, 1, "90");
    t.AddHousing(11, 1, 1, "180");
    t.AddHousing(12, 99, 1, "90"); // its impeller does not exist
    t.AddHousing(13, 2, 1, "90");
    t.Finish();
}

} // namespace

TEST(ImpellerSearch, FiltersByLayoutSizeTypeAndAngle) {
    TSearchTestCatalogue t;
    BuildSmallCatalogue(t);
    TImpellerSearch search(t.cat);
    TAuswahlParam r = ManualRequest();

    search.Run(r);
    EXPECT_EQ(Ids(search), (std::set<std::int32_t>{1000001, 1000003, 1000005}));
    r.D2Max = 497; // widened by 2 mm: 500 is out
    search.Run(r);
    EXPECT_EQ(Ids(search), (std::set<std::int32_t>{1000001, 1000003}));
    r.D2Max = 498;
    search.Run(r);
    EXPECT_EQ(search.Rows().size(), 3u);
    // The lower diameter bound is widened by 2 mm and the width bounds by 0.5 mm, each
    // keeping a value on the widened bound (400 mm diameters, 125 mm widths).
    r.D2Min = 402;
    search.Run(r);
    EXPECT_EQ(search.Rows().size(), 3u);
    r.D2Min = 403;
    search.Run(r);
    EXPECT_EQ(Ids(search), (std::set<std::int32_t>{1000005}));
    r.D2Min = 67;
    r.WidthMin = 125.5;
    r.WidthMax = 124.5;
    search.Run(r);
    EXPECT_EQ(search.Rows().size(), 3u);
    r.WidthMin = 125.75;
    search.Run(r);
    EXPECT_TRUE(search.Rows().empty());
    r.WidthMin = 0;
    r.WidthMax = 124.25;
    search.Run(r);
    EXPECT_TRUE(search.Rows().empty());
    r.WidthMax = 200;
    r.TypeGroup = 0; // forward-curved: 60..120
    search.Run(r);
    EXPECT_EQ(Ids(search), (std::set<std::int32_t>{1000001, 1000005}));
    r.TypeGroup = 3; // {150}
    search.Run(r);
    EXPECT_EQ(Ids(search), (std::set<std::int32_t>{1000003}));

    r.TypeGroup = 21;
    r.FanLayout = 1;
    search.Run(r);
    EXPECT_EQ(Ids(search), (std::set<std::int32_t>{10, 11}));
    r.HousingAngle = "90";
    search.Run(r);
    EXPECT_EQ(Ids(search), (std::set<std::int32_t>{10}));
    r.FanLayout = 2;
    search.Run(r);
    EXPECT_EQ(Ids(search), (std::set<std::int32_t>{13}));
    r.FanLayout = 0; // an angle never excludes impellers without housing
    search.Run(r);
    EXPECT_EQ(search.Rows().size(), 3u);

    // Row values of the manual mode: the end of the curve at the given speed.
    r.FanLayout = 1;
    search.Run(r);
    ASSERT_EQ(search.Rows().size(), 1u);
    const TErgebnisZeile& row = search.Rows()[0];
    const TTestCurve curve;
    EXPECT_EQ(row.Angle, "00000090");
    EXPECT_EQ(row.Series, 1);
    EXPECT_EQ(row.N, 1450);
    EXPECT_NEAR(row.Vop, 11000, 0.01);
    EXPECT_NEAR(row.P, curve.Pressure(11000), 0.05);
    EXPECT_NEAR(row.Eff1, 75 - 6e-7 * 5000 * 5000, 0.01);
    EXPECT_GT(row.P2, row.P);
    EXPECT_GT(row.Eff1, row.Eff2);
    EXPECT_GT(row.Power, 0);
    EXPECT_GE(row.PowerMax, row.Power);
    EXPECT_NEAR(row.Lp, 81, 0.01);
    EXPECT_EQ(row.Width, 125);
    EXPECT_EQ(row.D2, 400);
}

TEST(ImpellerSearch, ComputedSpeedAndReinforcedDesigns) {
    TSearchTestCatalogue t;
    BuildSmallCatalogue(t);
    t.cat.Laufrad().SetFloat(t.cat.Laufrad().FindByKey(1), TMdbLaufrad::F_MAXDREHZ, 1400);
    TImpellerSearch search(t.cat);
    const TTestCurve curve;
    TAuswahlParam r = ManualRequest();
    r.SearchMode = SearchComputedSpeed;
    r.D2Max = 450;
    r.RequestedFlow = 5000;
    r.RequestedPressure = curve.Pressure(5000);

    // Impeller 1 would need 1450 1/min with a maximum of 1400: only reinforced.
    search.Run(r);
    EXPECT_EQ(Ids(search), (std::set<std::int32_t>{1000003}));
    EXPECT_FALSE(search.Request().DensityNonStd);
    r.SearchMode = SearchComputedReinforced;
    search.Run(r);
    ASSERT_EQ(search.Rows().size(), 2u);
    for (const TErgebnisZeile& row : search.Rows()) {
        EXPECT_NEAR(row.N, 1450, 1);
        EXPECT_EQ(row.Vop, 5000);
        EXPECT_NEAR(row.P, r.RequestedPressure, 0.002 * r.RequestedPressure);
        EXPECT_NEAR(row.Eff1, 75 - 6e-7 * 1000 * 1000, 0.5);
        EXPECT_EQ(row.SpeedClass, row.ImpellerNo == 1 ? 10 : 0);
    }

    // A point beyond the end of every curve (even at the highest speed) finds nothing.
    r.RequestedFlow = 40000;
    r.RequestedPressure = 10;
    r.RequestedDensity = 1.1;
    EXPECT_EQ(search.Run(r), 0u);
    EXPECT_TRUE(search.Request().DensityNonStd);
}

TEST(ImpellerSearch, KeepsTheBest50OfManyAndReportsProgress) {
    TSearchTestCatalogue t;
    t.AddSeries(1);
    // 130 impellers with the widths 1..130 in a scrambled order.
    for (int i = 0; i < 130; ++i)
        t.AddImpeller(i + 1, 1, 100, static_cast<float>((i * 37) % 130 + 1));
    t.Finish();
    TImpellerSearch search(t.cat);
    std::vector<double> reports;
    search.SetProgressCallback([&reports](double f) { reports.push_back(f); });
    TAuswahlParam r = ManualRequest();
    r.SortKey = 5;
    ASSERT_EQ(search.Run(r), 50u);
    for (std::size_t i = 0; i < 50; ++i)
        EXPECT_EQ(search.Rows()[i].Width, static_cast<double>(i + 1));
    EXPECT_EQ(search.CandidateCount(), 130u);
    // 130 / 20 = 6: reports at 7, 14, ..., 126 of 130.
    ASSERT_EQ(reports.size(), 18u);
    EXPECT_DOUBLE_EQ(reports.front(), 7.0 / 130);
    EXPECT_DOUBLE_EQ(reports.back(), 126.0 / 130);
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
}

// Sorted by sound level, the fans with a level come first, quietest first: also when far more
// than a full store of fans without a level comes before them and the store is pruned.
TEST(ImpellerSearch, SoundLevelSortKeepsTheFansWithALevel) {
    TSearchTestCatalogue t;
    TTestCurve silent;
    silent.Sound = false;
    t.AddSeries(1, silent);
    t.AddSeries(2);
    t.AddImpeller(1, 2);
    for (int i = 2; i <= 150; ++i)
        t.AddImpeller(i, 1);
    t.AddImpeller(151, 2);
    t.Finish();
    TImpellerSearch search(t.cat);
    TAuswahlParam r = ManualRequest();
    r.SortKey = 0;
    ASSERT_EQ(search.Run(r), 50u);
    EXPECT_EQ(std::set<std::int32_t>({search.Rows()[0].ImpellerNo, search.Rows()[1].ImpellerNo}),
              (std::set<std::int32_t>{1, 151}));
    EXPECT_GE(search.Rows()[0].Lp, 10);
    EXPECT_GE(search.Rows()[1].Lp, search.Rows()[0].Lp);
    for (std::size_t i = 2; i < 50; ++i)
        EXPECT_EQ(search.Rows()[i].Lp, -1) << i;
}

TEST(ImpellerSearch, CartModeEvaluatesStoredEntriesOnly) {
    TSearchTestCatalogue t;
    BuildSmallCatalogue(t);
    TImpellerSearch search(t.cat);
    TAuswahlParam r = ManualRequest();
    r.SearchMode = SearchCart;
    r.D2Max = 67; // no filter applies in cart mode
    const TWarenkorb cart = {
        {12, 1450, 5000}, {1000004, 1500, 6000}, {10, 1200, 4000}, {1000099, 1450, 5000}};
    search.Run(r, cart);
    ASSERT_EQ(search.Rows().size(), 2u);
    EXPECT_EQ(Ids(search), (std::set<std::int32_t>{10, 1000004}));
    for (const TErgebnisZeile& row : search.Rows()) {
        const TWarenkorbEintrag& e = row.Id() == 10 ? cart[2] : cart[1];
        EXPECT_EQ(row.N, e.Speed);
        EXPECT_EQ(row.Vop, e.Flow);
    }
}

TEST(ImpellerSearch, SortKeys) {
    std::vector<TErgebnisZeile> rows(3);
    rows[0].Vop = 1000; // flow off by 0, pressure off by 30
    rows[0].P = 530;
    rows[1].Vop = 1050; // flow off by 50, pressure off by 10
    rows[1].P = 490;
    rows[2].Vop = 980; // flow off by 20, pressure off by 20
    rows[2].P = 520;
    for (int i = 0; i < 3; ++i)
        rows[static_cast<std::size_t>(i)].ImpellerNo = i + 1;
    const auto order = [&rows](std::int32_t mode, std::int32_t fixed) {
        TAuswahlParam r;
        r.RequestedFlow = 1000;
        r.RequestedPressure = 500;
        r.SortKey = 2;
        r.SearchMode = mode;
        r.FixedQuantity = fixed;
        std::vector<TErgebnisZeile> sorted = rows;
        SortResultRows(sorted, r);
        std::vector<std::int32_t> numbers;
        for (const TErgebnisZeile& row : sorted)
            numbers.push_back(row.ImpellerNo);
        return numbers;
    };
    // Flow deviation only at a given speed with the flow allowed to deviate.
    EXPECT_EQ(order(SearchFixedSpeed, 0), (std::vector<std::int32_t>{1, 3, 2}));
    EXPECT_EQ(order(SearchFixedSpeed, 1), (std::vector<std::int32_t>{2, 3, 1}));
    EXPECT_EQ(order(SearchComputedSpeed, 0), (std::vector<std::int32_t>{2, 3, 1}));

    // Efficiency descending; housing angles byte-wise.
    rows[0].Eff2 = 60;
    rows[1].Eff2 = 80;
    rows[2].Eff2 = 70;
    rows[0].Angle = "00000180";
    rows[1].Angle = "00000090";
    rows[2].Angle = "";
    TAuswahlParam r;
    r.SortKey = 1;
    SortResultRows(rows, r);
    EXPECT_EQ(rows[0].Eff2, 80);
    EXPECT_EQ(rows[2].Eff2, 60);
    r.SortKey = 6;
    SortResultRows(rows, r);
    EXPECT_EQ(rows[0].Angle, "");
    EXPECT_EQ(rows[1].Angle, "00000090");
}

// Housings that share series, diameter and calibration get one solution, whether the speed
// is computed, given or set by hand: the same rows as solving each alone, and afterwards the
// measured-points table as the last one left it, though housing 16 took the solution of
// housing 12 after housing 15 had loaded another series.
TEST(ImpellerSearch, HousingsOfOneImpellerShareTheirSolution) {
    TSearchTestCatalogue t;
    t.AddSeries(1);
    TTestCurve other;
    other.C0 = 1650;
    other.Speed = 1480;
    t.AddSeries(2, other);
    t.AddType(100, "VR45");
    t.AddImpeller(1, 1);
    t.AddImpeller(2, 2);
    TMdbRecord* larger = t.AddImpeller(3, 1);
    t.cat.Laufrad().SetFloat(larger, TMdbLaufrad::F_D2, 450);
    const char* angles[] = {"0", "45", "90", "135", "180", "225", "270"};
    const std::int32_t impellerOf[] = {1, 1, 2, 3, 1, 1, 2};
    for (int i = 0; i < 7; ++i)
        t.AddHousing(10 + i, impellerOf[i], impellerOf[i] == 2 ? 2 : 1, angles[i]);
    t.Finish();
    // Housing 15 lost its calibration: it cannot take the solution of housing 10.
    TMdbGehaeuse& housings = t.cat.Gehaeuse();
    for (const int field : {TMdbGehaeuse::F_CALVMIN, TMdbGehaeuse::F_CALVMAX, TMdbGehaeuse::F_CALA0,
                            TMdbGehaeuse::F_CALA1, TMdbGehaeuse::F_CALA2})
        housings.SetFloat(housings.FindByKey(15), field, 0);

    const struct {
        std::int32_t Mode;
        std::set<std::int32_t> Ids;
    } cases[] = {{SearchComputedSpeed, {10, 11, 12, 13, 14, 16}},
                 {SearchFixedSpeed, {10, 11, 12, 14, 15, 16}},
                 {SearchManualSpeed, {10, 11, 12, 13, 14, 15, 16}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Mode);
        TAuswahlParam r = ManualRequest();
        r.SearchMode = c.Mode;
        r.FanLayout = 1;
        r.D2Max = 500;
        r.RequestedFlow = 5000;
        r.RequestedPressure = TTestCurve().Pressure(5000) * 0.9;
        r.Tolerance = 30;
        TImpellerSearch search(t.cat);
        search.Run(r);
        EXPECT_EQ(search.CandidateCount(), 7u);
        EXPECT_EQ(Ids(search), c.Ids);

        for (const TErgebnisZeile& row : search.Rows()) {
            TAuswahlParam alone = r;
            alone.HousingAngle = angles[row.HousingNo - 10];
            TImpellerSearch single(t.cat);
            ASSERT_EQ(single.Run(alone), 1u) << row.Id();
            const TErgebnisZeile& expected = single.Rows()[0];
            EXPECT_EQ(row.Id(), expected.Id());
            EXPECT_EQ(row.N, expected.N) << row.Id();
            for (const auto value :
                 {&TErgebnisZeile::Eff1, &TErgebnisZeile::Eff2, &TErgebnisZeile::P2,
                  &TErgebnisZeile::P, &TErgebnisZeile::Power, &TErgebnisZeile::PowerMax,
                  &TErgebnisZeile::Lp, &TErgebnisZeile::Vop})
                EXPECT_EQ(row.*value, expected.*value) << row.Id();
        }

        const auto last = std::find_if(search.Rows().begin(), search.Rows().end(),
                                       [](const TErgebnisZeile& row) { return row.Id() == 16; });
        ASSERT_NE(last, search.Rows().end());
        TMdbMw& mw = search.Points();
        EXPECT_EQ(mw.SeriesNo(), 2);
        EXPECT_EQ(mw.TargetSpeed(), static_cast<float>(last->N));
        EXPECT_EQ(mw.TargetD2(), 400.0f);
        EXPECT_TRUE(mw.FlowsAscending());
    }
}

// A search keeps its storage from run to run (the solutions, the row sorts): a second run at
// another speed, after an edit of the catalogue, gives the rows of a new search. 70
// impellers of their own diameters with two housings each fill the solutions well past their
// first size and the row store several times.
TEST(ImpellerSearch, RepeatedRunEqualsANewSearch) {
    TSearchTestCatalogue t;
    t.AddSeries(1);
    t.AddType(100, "VR45");
    TMdbLaufrad& impellers = t.cat.Laufrad();
    for (int i = 0; i < 70; ++i) {
        TMdbRecord* impeller = t.AddImpeller(i + 1, 1);
        impellers.SetFloat(impeller, TMdbLaufrad::F_D2, 380.0 + i);
        t.AddHousing(1000 + 2 * i, i + 1, 1, "90");
        t.AddHousing(1001 + 2 * i, i + 1, 1, "180");
    }
    t.Finish();
    TAuswahlParam r = ManualRequest();
    r.FanLayout = 1;
    TImpellerSearch search(t.cat);
    ASSERT_EQ(search.Run(r), 50u);
    // Impeller 70 takes the diameter of impeller 1, and so its solution and a place among the
    // smallest (the rows are sorted by diameter).
    impellers.SetFloat(impellers.FindByKey(70), TMdbLaufrad::F_D2, 380);
    r.GivenSpeed = 1600;
    search.Run(r);
    TImpellerSearch fresh(t.cat);
    fresh.Run(r);
    EXPECT_EQ(search.CandidateCount(), 140u);
    ASSERT_EQ(search.Rows().size(), fresh.Rows().size());
    for (std::size_t i = 0; i < fresh.Rows().size(); ++i) {
        const TErgebnisZeile& row = search.Rows()[i];
        const TErgebnisZeile& expected = fresh.Rows()[i];
        EXPECT_EQ(row.Id(), expected.Id()) << i;
        for (const auto value : {&TErgebnisZeile::D2, &TErgebnisZeile::N, &TErgebnisZeile::Eff1,
                                 &TErgebnisZeile::Eff2, &TErgebnisZeile::P, &TErgebnisZeile::Power,
                                 &TErgebnisZeile::PowerMax, &TErgebnisZeile::Vop})
            EXPECT_EQ(row.*value, expected.*value) << row.Id();
    }
    const auto moved = std::find_if(search.Rows().begin(), search.Rows().end(),
                                    [](const TErgebnisZeile& row) { return row.ImpellerNo == 70; });
    ASSERT_NE(moved, search.Rows().end());
    EXPECT_EQ(moved->D2, 380.0);
    EXPECT_EQ(moved->N, 1600.0);
}
