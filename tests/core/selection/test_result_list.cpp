#include "ProcessStateGuard.h"
#include "SearchTestCatalogue.h"
#include "catalogue/TCatalogue.h"
#include "i18n/Language.h"
#include "model/TMessAuswahl.h"
#include "selection/CurveRequest.h"
#include "selection/TResultList.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace corvane;

namespace {

// Rows of impellers 1..count without housing at 1450 1/min and 5000 m³/h.
std::vector<TErgebnisZeile> Rows(std::size_t count) {
    std::vector<TErgebnisZeile> rows(count);
    for (std::size_t i = 0; i < count; ++i) {
        rows[i].ImpellerNo = static_cast<std::int32_t>(i + 1);
        rows[i].N = 1450;
        rows[i].Vop = 5000;
    }
    return rows;
}

std::vector<std::int32_t> Marks(const TResultList& list) {
    std::vector<std::int32_t> marks;
    for (const TErgebnisZeile& row : list.Rows())
        marks.push_back(row.ChartMark);
    return marks;
}

} // namespace

TEST(ResultList, ChartMarksStayNumberedWithoutGaps) {
    TCatalogue cat;
    TResultList list(cat);
    TAuswahlParam request;
    list.TakeSearch(Rows(12), request);
    EXPECT_EQ(Marks(list), (std::vector<std::int32_t>{1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0}));

    // Marks of a selection file: eleven rows marked, the eleventh loses its mark.
    std::vector<std::int32_t> ids;
    for (int i = 12; i >= 2; --i)
        ids.push_back(1000000 + i);
    list.ApplyMarkIds(ids);
    EXPECT_EQ(Marks(list), (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0}));

    // Marking one more keeps nine of the others (in row order) and renumbers.
    list.ToggleMark(0);
    EXPECT_EQ(Marks(list), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 0}));
    list.ToggleMark(3);
    EXPECT_EQ(Marks(list), (std::vector<std::int32_t>{1, 2, 3, 0, 4, 5, 6, 7, 8, 9, 0, 0}));
    EXPECT_EQ(list.MarkedMemory().Ids.size(), 9u);
    EXPECT_EQ(list.MarkedIds(), list.MarkedMemory().Ids);

    // Manual variation: the remembered rows get their marks back in memory order.
    std::vector<TErgebnisZeile> next = Rows(12);
    std::swap(next[0], next[11]);
    list.TakeSearch(next, request);
    list.RestoreMarks();
    EXPECT_EQ(Marks(list), (std::vector<std::int32_t>{0, 1, 2, 0, 3, 4, 5, 6, 7, 8, 0, 9}));
    EXPECT_EQ(list.ChartRows().front(), 1u);
    EXPECT_EQ(list.ChartRows().back(), 11u);

    list.Invalidate();
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_TRUE(list.MarkedMemory().Ids.empty());
    list.TakeSearch(Rows(6), request);
    list.RestoreMarks(); // empty memory: the first four
    EXPECT_EQ(Marks(list), (std::vector<std::int32_t>{1, 2, 3, 4, 0, 0}));
    EXPECT_EQ(list.MarkedMemory().Ids.size(), 4u);
}

TEST(ResultList, CartWithTolerancesAndLimit) {
    TCatalogue cat;
    TResultList list(cat);
    TAuswahlParam request;
    request.SearchMode = SearchFixedSpeed;
    list.TakeSearch(Rows(3), request);
    list.SetCart({{1000001, 1450.0005, 5000}, {1000002, 1450.002, 5000}});
    EXPECT_EQ(list.CartIndexOf(0), 0);
    EXPECT_EQ(list.CartIndexOf(1), -1);
    EXPECT_FALSE(list.AddOrRemoveCart(0)); // already in the cart
    EXPECT_FALSE(list.AddOrRemoveCart(1));
    EXPECT_EQ(list.Cart().size(), 3u);
    EXPECT_EQ(list.Cart().back(), (TWarenkorbEintrag{1000002, 1450, 5000}));
    EXPECT_EQ(list.CartMenuText(), "-> VLR zum Warenkorb hinzufügen");

    // A full cart takes no more.
    TWarenkorb full;
    for (int i = 0; i < 50; ++i)
        full.push_back({100 + i, 1000, 1000});
    list.SetCart(full);
    list.AddOrRemoveCart(2);
    EXPECT_EQ(list.Cart().size(), 50u);

    // Cart mode removes the entry and asks for a new search.
    request.SearchMode = SearchCart;
    list.TakeSearch(Rows(3), request);
    list.SetCart({{1000003, 1450, 5000}, {1000001, 1450, 5000}});
    EXPECT_EQ(list.CartMenuText(), "-> VLR aus dem Warenkorb entfernen");
    EXPECT_FALSE(list.AddOrRemoveCart(1));
    EXPECT_TRUE(list.AddOrRemoveCart(0));
    EXPECT_EQ(list.Cart(), (TWarenkorb{{1000003, 1450, 5000}}));
    EXPECT_TRUE(list.EmptyCart());
    EXPECT_TRUE(list.Cart().empty());
}

TEST(ResultList, RemarksStatusAndCells) {
    const test::TProcessStateGuard guard;
    SetTextLanguage(0);
    SetScreenUnitSystem(0);
    TCatalogue cat;
    TResultList list(cat);
    EXPECT_EQ(list.StatusText(), "Bitte Werte eintragen und \"passende Laufräder suchen\" drücken");
    EXPECT_FALSE(list.StatusWarning());

    TAuswahlParam request;
    request.SearchMode = SearchFixedSpeed;
    list.TakeSearch({}, request);
    EXPECT_EQ(list.StatusText(), "keine passenden Laufräder gefunden, bitte Eingaben ändern oder "
                                 "die zul. Abweichung prüfen!");
    EXPECT_TRUE(list.StatusWarning());

    std::vector<TErgebnisZeile> rows = Rows(3);
    rows[0].SpeedClass = 11;
    rows[1].SpeedClass = 2;
    rows[0].HousingNo = 7;
    rows[0].Angle = "00000090";
    rows[0].Eff1 = 74.44;
    rows[0].Lp = -1;
    rows[1].Lp = 63.25;
    rows[1].PowerMax = 1234.4;
    request.DensityNonStd = true;
    list.TakeSearch(rows, request);
    EXPECT_EQ(list.StatusText(), "");
    EXPECT_EQ(list.RemarkMarkerOf(0), "*2");
    EXPECT_EQ(list.RemarkMarkerOf(1), "*4");
    EXPECT_EQ(list.CellText(0, 13), "*2");
    EXPECT_TRUE(list.RemarkShown(1));
    EXPECT_TRUE(list.RemarkShown(3));
    EXPECT_FALSE(list.RemarkShown(0));
    EXPECT_EQ(list.RemarkText(3),
              " *4)   Drehzahlgrenzen nicht in der Datenbank (keine Katalogmessung)!");

    EXPECT_EQ(list.CellText(0, 0), "1");
    EXPECT_EQ(list.CellText(0, 2), "90");
    EXPECT_EQ(list.CellText(1, 2), "-   ");
    EXPECT_EQ(list.CellText(0, 3), "5000");
    EXPECT_EQ(list.CellText(0, 11), "74.4");
    EXPECT_EQ(list.CellText(0, 6), ""); // below 10 dB
    EXPECT_EQ(list.CellText(1, 6), "63.2");
    EXPECT_EQ(list.CellText(1, 9), "1234");
    EXPECT_TRUE(std::isnan(list.CellValue(0, 6)));
    EXPECT_DOUBLE_EQ(list.CellValue(1, 9), 1234.4);

    EXPECT_EQ(list.ColumnHeader(0, 0), "Nr.");
    EXPECT_EQ(list.ColumnHeader(9, 0), "Pwe(max)");
    EXPECT_EQ(list.ColumnHeader(9, 1), "W");
    EXPECT_EQ(list.ColumnHeader(12, 0), "Einbaubreite");
    EXPECT_EQ(list.ColumnHeader(3, 1), "m³/h");
    SetScreenUnitSystem(1); // m³/s with three more decimals
    EXPECT_EQ(list.ColumnHeader(3, 1), "m³/s");
    EXPECT_EQ(list.CellText(0, 3), "1.389");

    EXPECT_EQ(DataSheetFile("/opt/corvane/Pdf", "12.3.4"), "/opt/corvane/Pdf/12_3_4.pdf");
    EXPECT_EQ(DataSheetFile("Pdf/", "A7"), "Pdf/A7.pdf");
}

TEST(ResultList, CurveSelectionFollowsTheMarkedRows) {
    test::TSearchTestCatalogue tc;
    for (std::int32_t no = 1; no <= 12; ++no)
        tc.AddSeries(no);
    tc.Finish();
    TResultList list(tc.cat);
    TAuswahlParam request;
    request.SearchMode = SearchFixedSpeed;
    request.FixedQuantity = 0;
    std::vector<TErgebnisZeile> rows = Rows(12);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].Series = static_cast<std::int32_t>(i + 1);
        rows[i].D2 = 400;
    }
    rows[2].Series = 99; // a series that does not exist
    rows[3].Series = 1;  // already selected through the first row
    list.TakeSearch(rows, request);
    std::vector<std::int32_t> ids;
    for (int i = 1; i <= 12; ++i)
        ids.push_back(1000000 + i);
    list.ApplyMarkIds(ids);

    TMessAuswahl selection(tc.cat);
    list.BuildCurveSelection(selection);
    EXPECT_EQ(selection.Count(), 8);
    EXPECT_EQ(Marks(list), (std::vector<std::int32_t>{1, 2, 0, 0, 3, 4, 5, 6, 7, 8, 0, 0}));
    EXPECT_EQ(selection.FixedQuantity(), 0);
    EXPECT_DOUBLE_EQ(selection.RequestedFlow(), request.RequestedFlow);
}

TEST(ResultList, CurveRequestKeepsTheDeviationKindOnlyAtAGivenSpeed) {
    test::TSearchTestCatalogue tc;
    tc.Finish();
    TMessAuswahl selection(tc.cat);
    TAuswahlParam request;
    request.RequestedFlow = 4200;
    request.RequestedPressure = 650;
    request.Tolerance = 7;
    request.FixedQuantity = 0;
    request.SearchMode = SearchFixedSpeed;
    SetCurveRequest(selection, request);
    EXPECT_EQ(selection.FixedQuantity(), 0);
    EXPECT_DOUBLE_EQ(selection.RequestedPressure(), 650);
    EXPECT_DOUBLE_EQ(selection.Tolerance(), 7);
    for (int mode :
         {SearchComputedSpeed, SearchManualSpeed, SearchComputedReinforced, SearchCart}) {
        request.SearchMode = mode;
        SetCurveRequest(selection, request);
        EXPECT_EQ(selection.FixedQuantity(), -1) << "mode " << mode;
    }
}
