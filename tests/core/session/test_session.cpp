// The selection session: automatic searches, manual speed variation, cart, settings,
// selection files, language switch and failures.
#include "../selection/SearchTestCatalogue.h"
#include "ProcessStateGuard.h"
#include "TempFolder.h"
#include "ViewInput.h"
#include "i18n/Language.h"
#include "mdb/EMdbError.h"
#include "session/TRequestInput.h"
#include "session/TRequestView.h"
#include "session/TSelectionSession.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

using namespace corvane;
using corvane::test::TSearchTestCatalogue;

namespace {

// Impellers 1..6 of type 100 on series 1 (impeller 6 of type 150), housings 10 and 11.
void BuildCatalogue(TSearchTestCatalogue& t) {
    t.AddSeries(1);
    t.AddType(100, "VR45");
    t.AddType(150, "HXA2");
    t.AddType(153, "BX");
    t.AddType(157, "");
    for (std::int32_t no = 1; no <= 5; ++no)
        t.AddImpeller(no, 1, 100, 100.0f + 10.0f * static_cast<float>(no));
    t.AddImpeller(6, 1, 150);
    t.AddHousing(10, 1, 1, "90");
    t.AddHousing(11, 2, 1, "LG 180");
    t.Finish();
}

// The inputs as the controls would show the session's request.
TRequestInput InputOf(const TSelectionSession& session) {
    return test::InputOfView(session.View());
}

// Every impeller listed at the given speed, sorted by D2.
TAuswahlParam ManualRequest(double speed = 1450) {
    TAuswahlParam r;
    r.SearchMode = SearchManualSpeed;
    r.GivenSpeed = speed;
    r.TypeGroup = 21;
    r.SortKey = 5;
    return r;
}

std::vector<std::int32_t> MarkedIds(const TSelectionSession& s) {
    return s.Results().MarkedIds();
}

class SelectionSession : public ::testing::Test {
protected:
    SelectionSession() {
        SetTextLanguage(0);
        SetScreenUnitSystem(0);
        SetPrintUnitSystem(0);
        SetListeningDistance(-1);
        BuildCatalogue(t);
    }
    test::TProcessStateGuard guard;
    TSearchTestCatalogue t;
};

} // namespace

TEST_F(SelectionSession, InputChangesSearchOrOnlyInvalidateWhileShown) {
    TSelectionSession s(t.cat);
    s.SetRequest(ManualRequest());
    TRequestInput in = InputOf(s);
    in.SortKey = 3;
    // Not shown (start-up, or the window writing its controls): nothing happens.
    EXPECT_TRUE(s.InputChanged(ERequestInput::SortKey, in));
    EXPECT_EQ(s.Request().SortKey, 5);
    EXPECT_FALSE(s.SearchDone());

    s.SetShown(true);
    EXPECT_TRUE(s.InputChanged(ERequestInput::SortKey, in));
    EXPECT_EQ(s.Request().SortKey, 3);
    EXPECT_TRUE(s.SearchDone());
    EXPECT_EQ(s.Results().Count(), 6u);
    EXPECT_FALSE(s.SearchEnabled());

    // Typed duty-point values only make the results stale, also when typed back unchanged.
    in.Flow = "5000";
    EXPECT_TRUE(s.InputChanged(ERequestInput::Flow, in));
    EXPECT_DOUBLE_EQ(s.Request().RequestedFlow, 5000);
    EXPECT_FALSE(s.SearchDone());
    EXPECT_EQ(s.Results().Count(), 0u);
    EXPECT_TRUE(s.Search());
    EXPECT_TRUE(s.InputChanged(ERequestInput::Pressure, in));
    EXPECT_FALSE(s.SearchDone());
    // The given speed outside the manual variation: stale too.
    in.SearchMode = SearchFixedSpeed;
    EXPECT_TRUE(s.InputChanged(ERequestInput::SpeedPage, in));
    EXPECT_TRUE(s.SearchDone());
    in.Speed = "1500";
    EXPECT_TRUE(s.InputChanged(ERequestInput::Speed, in));
    EXPECT_FALSE(s.SearchDone());

    // While the window writes the request back, reports are ignored.
    {
        const auto quiet = s.Quiet();
        in.SortKey = 1;
        EXPECT_TRUE(s.InputChanged(ERequestInput::SortKey, in));
    }
    EXPECT_EQ(s.Request().SortKey, 3);

    // The density dialog: the new density, then a search.
    EXPECT_TRUE(s.DensityAccepted(1.1, in));
    EXPECT_DOUBLE_EQ(s.Request().RequestedDensity, 1.1);
    EXPECT_TRUE(s.Request().DensityNonStd);
    EXPECT_TRUE(s.SearchDone());
}

TEST_F(SelectionSession, ManualSpeedVariationMarksTheRememberedFansAgain) {
    TSelectionSession s(t.cat);
    s.SetRequest(ManualRequest());
    s.SetShown(true);
    ASSERT_TRUE(s.Search());
    ASSERT_EQ(s.Results().Count(), 6u);
    s.ToggleMark(0); // unmark the first row: rows 2..4 stay marked and are remembered
    s.ToggleMark(5);
    const std::vector<std::int32_t> marked = MarkedIds(s);
    ASSERT_EQ(marked.size(), 4u);

    TRequestInput in = InputOf(s);
    in.Speed = "1600";
    EXPECT_TRUE(s.InputChanged(ERequestInput::Speed, in));
    EXPECT_TRUE(s.SearchDone());
    ASSERT_EQ(s.Results().Count(), 6u);
    EXPECT_DOUBLE_EQ(s.Results().Row(0).N, 1600);
    EXPECT_EQ(MarkedIds(s), marked);
    EXPECT_EQ(s.Results().Row(0).ChartMark, 0);

    // A smaller slider end pulls the speed down to it and searches at once.
    in.SliderMax = "1200";
    EXPECT_TRUE(s.InputChanged(ERequestInput::SliderMax, in));
    EXPECT_DOUBLE_EQ(s.Request().GivenSpeed, 1200);
    EXPECT_DOUBLE_EQ(s.Results().Row(0).N, 1200);
    EXPECT_EQ(s.View().SliderPosition, 1200);
    EXPECT_EQ(MarkedIds(s), marked);
}

TEST_F(SelectionSession, CartCollectsRowsAndCartModeSearchesThem) {
    TSelectionSession s(t.cat);
    s.SetRequest(ManualRequest());
    s.SetShown(true);
    ASSERT_TRUE(s.Search());
    EXPECT_TRUE(s.ToggleCart(2));
    EXPECT_TRUE(s.ToggleCart(2)); // already there: no second entry
    EXPECT_TRUE(s.ToggleCart(4));
    ASSERT_EQ(s.Cart().size(), 2u);
    EXPECT_EQ(s.Options().Cart, s.Cart());
    const std::int32_t kept = s.Results().Row(4).Id();

    TRequestInput in = InputOf(s);
    in.SearchMode = SearchCart;
    EXPECT_TRUE(s.InputChanged(ERequestInput::SpeedPage, in));
    ASSERT_EQ(s.Results().Count(), 2u);
    EXPECT_EQ(s.Results().CartMenuText(), "-> VLR aus dem Warenkorb entfernen");
    // Removing in cart mode searches again.
    const std::size_t row = s.Results().Row(0).Id() == kept ? 1 : 0;
    EXPECT_TRUE(s.ToggleCart(row));
    ASSERT_EQ(s.Results().Count(), 1u);
    EXPECT_EQ(s.Results().Row(0).Id(), kept);
    EXPECT_TRUE(s.EmptyCart());
    EXPECT_TRUE(s.Cart().empty());
    EXPECT_TRUE(s.Options().Cart.empty());
    EXPECT_TRUE(s.SearchDone());
    EXPECT_EQ(s.Results().Count(), 0u);
}

TEST_F(SelectionSession, SettingsAndSelectionFilesCarryRequestCartMarksAndLanguage) {
    test::TTempFolder dir;
    const std::string conf = (dir.Path / "Brask" / "Corvane.conf").string();
    const std::string cva = (dir.Path / "pick.cva").string();

    TSelectionSession a(t.cat);
    EXPECT_TRUE(a.LoadSettings(conf)); // first start: no file, the defaults
    EXPECT_EQ(a.Request(), TAuswahlParam{});
    a.EditOptions().Bearbeiter = "Kim";
    a.EditOptions().LpAbstand = 4;
    a.EditOptions().PrintUnit = 3;
    a.SetRequest(ManualRequest(1500));
    a.SetShown(true);
    ASSERT_TRUE(a.OptionsAccepted(TRequestInput{}));
    EXPECT_EQ(TextLanguage(), 1);
    EXPECT_EQ(ScreenUnitSystem(), 3);
    EXPECT_DOUBLE_EQ(ListeningDistance(), 4);
    ASSERT_TRUE(a.SearchDone());
    ASSERT_TRUE(a.ToggleCart(1));
    a.ToggleMark(0);
    ASSERT_TRUE(a.SaveSettings(conf));
    ASSERT_TRUE(a.SaveSelection(cva, TRequestInput{}));

    SetTextLanguage(0);
    SetScreenUnitSystem(0);
    SetListeningDistance(-1);
    TSelectionSession b(t.cat);
    ASSERT_TRUE(b.LoadSettings(conf));
    EXPECT_EQ(b.Request(), a.Request());
    EXPECT_EQ(b.Cart(), a.Cart());
    EXPECT_EQ(b.Options().Bearbeiter, "Kim");
    EXPECT_EQ(b.LanguageIndex(), 3);
    EXPECT_EQ(TextLanguage(), 1);
    EXPECT_DOUBLE_EQ(ListeningDistance(), 4);

    TSelectionSession c(t.cat);
    ASSERT_TRUE(c.OpenSelection(cva));
    EXPECT_EQ(c.Request(), a.Request());
    EXPECT_EQ(c.Cart(), a.Cart());
    EXPECT_TRUE(c.SearchDone());
    EXPECT_EQ(MarkedIds(c), MarkedIds(a));
    c.ToggleMark(3);
    ASSERT_NE(MarkedIds(c), MarkedIds(a));
    ASSERT_TRUE(c.OpenSelectionMarks(cva));
    EXPECT_EQ(MarkedIds(c), MarkedIds(a));

    // Failures say why and change nothing.
    const TAuswahlParam before = c.Request();
    const TOutcome missing = c.OpenSelection((dir.Path / "none.cva").string());
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.Message().rfind("The selection could not be opened:\nCannot read file", 0),
              0u)
        << missing.Message();
    EXPECT_FALSE(c.OpenSelectionMarks((dir.Path / "none.cva").string()));
    EXPECT_EQ(c.Request(), before);
    EXPECT_TRUE(c.SearchDone());
    const TOutcome blocked = c.SaveSelection(dir.Path.string(), TRequestInput{});
    ASSERT_FALSE(blocked);
    EXPECT_EQ(blocked.Message().rfind("The selection could not be saved:\n", 0), 0u);
    // The quick file is optional: missing, nothing happens.
    SetProgramFolder(dir.Path.string());
    const std::vector<std::int32_t> marks = MarkedIds(c);
    EXPECT_TRUE(c.OpenQuickSelectionMarks());
    EXPECT_EQ(MarkedIds(c), marks);
    ASSERT_TRUE(c.SaveQuickSelection(TRequestInput{}));
    EXPECT_TRUE(std::filesystem::exists(dir.Path / "corvane.cva"));
}

TEST_F(SelectionSession, LanguageSwitchKeepsRequestAndMarks) {
    TSelectionSession s(t.cat);
    s.SetRequest(ManualRequest());
    s.SetShown(true);
    ASSERT_TRUE(s.Search());
    s.ToggleMark(4);
    const std::vector<std::int32_t> marked = MarkedIds(s);
    const TAuswahlParam request = s.Request();
    EXPECT_EQ(s.View().Flow, "3000");

    EXPECT_TRUE(s.SwitchLanguage(1, InputOf(s)));
    EXPECT_EQ(s.LanguageIndex(), 1);
    EXPECT_EQ(TextLanguage(), 0);
    EXPECT_EQ(ScreenUnitSystem(), 1);
    EXPECT_EQ(s.View().Flow, "0.833"); // the same flow in m³/s
    EXPECT_EQ(s.Request(), request);
    EXPECT_EQ(MarkedIds(s), marked);
    EXPECT_TRUE(s.SearchDone());

    EXPECT_TRUE(s.SwitchLanguage(7, InputOf(s))); // Russian: offered only with Cyrillic
    EXPECT_EQ(s.LanguageIndex(), TextLanguage() == 2 ? 7 : 5);
}

TEST_F(SelectionSession, FailingSearchKeepsTheRowsFoundAndSaysWhy) {
    t.AddSeries(2);
    t.AddImpeller(7, 2, 100, 500); // numbered last: evaluated last
    t.Finish();
    t.cat.SetSeriesPointSource([this](std::int32_t no, TMdbMw& table) {
        if (no == 2) throw EMdbError("Illegal byte count from stream!");
        t.WritePoints(no, table);
    });
    TSelectionSession s(t.cat);
    s.SetRequest(ManualRequest());
    const TOutcome outcome = s.Search();
    ASSERT_FALSE(outcome);
    EXPECT_EQ(outcome.Message(), "Illegal byte count from stream!");
    EXPECT_TRUE(s.SearchDone());
    EXPECT_EQ(s.Results().Count(), 6u);
    EXPECT_EQ(s.Results().Row(0).ChartMark, 1);
}

TEST_F(SelectionSession, TypeListAndStartupWarning) {
    TSelectionSession s(t.cat);
    std::vector<std::pair<int, std::string>> groups;
    for (const TTypeGroupEntry& g : s.TypeGroups())
        groups.emplace_back(g.Group, g.Name);
    EXPECT_EQ(groups, (std::vector<std::pair<int, std::string>>{{0, "Vorwärtsgekrümmte VLR"},
                                                                {1, "Rückwärtsgekrümmte VLR"},
                                                                {3, "HXA2"},
                                                                {6, "BX/157"},
                                                                {21, "alle VLR"}}));
    EXPECT_EQ(s.View().HousingAngles, (std::vector<std::string>{" * alle * ", "90", "LG 180"}));

    EXPECT_EQ(s.StartupWarning(), "");
    TAuswahlParam r = s.Request();
    r.RequestedDensity = 1.2;
    s.SetRequest(r);
    EXPECT_EQ(s.StartupWarning(),
              "Achtung!\nFür die Auswertungen wird nicht die Normdichte verwendet!");
    SetListeningDistance(4);
    EXPECT_EQ(s.StartupWarning(),
              "Achtung!\nFür die Auswertungen wird nicht die Normdichte verwendet!\n\n"
              "Schallpegel werden auf 4.0 m Abstand umgerechnet!\nDiese Berechnung kann unter "
              "\"Einstellungen - Optionen\" geändert werden.");
}
