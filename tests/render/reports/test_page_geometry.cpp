#include "render/diagram/TAxisMap.h"
#include "render/reports/DiagramPage.h"
#include "render/reports/PageGeometry.h"
#include "render/reports/SoundPage.h"
#include "render/reports/TReportPage.h"
#include "render/reports/TablePage.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(PageGeometry, PortraitPageAtTenPixelsPerMillimetre) {
    const TPageGeometry g = PageGeometry(QRect(0, 0, 2050, 2900), false, QSize(300, 100));
    EXPECT_EQ(g.Left, 160);
    EXPECT_EQ(g.Right, 1980);
    EXPECT_EQ(g.Top, 100);
    EXPECT_EQ(g.Bottom, 2840);
    EXPECT_EQ(g.Unit, 49); // 2740 / 56 rounded
    EXPECT_EQ(g.TextHeight, 47);
    EXPECT_EQ(g.FramePen, 4); // 2050 / 480
    // The logo: three lines high, its width by its aspect, at the top right margin.
    EXPECT_EQ(g.Logo, QRect(1980 - 441, 100, 441, 147));
    EXPECT_EQ(g.AddressTop, 100 + 64);
    EXPECT_EQ(g.HeaderRule, 164 + 49 + 64);
    EXPECT_GT(g.ContentTop, g.HeaderRule);
    EXPECT_GT(g.FooterText, g.Bottom);
}

TEST(PageGeometry, LandscapeMarginsAndLineUnit) {
    const TPageGeometry g = PageGeometry(QRect(10, 20, 2900, 2050), true);
    EXPECT_EQ(g.Left, 10 + 160);
    EXPECT_EQ(g.Right, 10 + 2840);
    EXPECT_EQ(g.Top, 20 + 160);
    EXPECT_EQ(g.Bottom, 20 + 1950);
    EXPECT_EQ(g.Unit, 48); // 1790 / 37 rounded
    EXPECT_EQ(g.Logo.width(), 0);
    // Small surfaces keep the minimum text height and frame pen.
    const TPageGeometry small = PageGeometry(QRect(0, 0, 100, 140), false);
    EXPECT_EQ(small.TextHeight, 3);
    EXPECT_EQ(small.FramePen, 2);
    EXPECT_EQ(PaperSize(true), QSize(290, 205));
}

TEST(PageGeometry, PreviewKeepsThePaperProportionsCentred) {
    EXPECT_EQ(PreviewRect(QRect(0, 0, 1000, 800), false), QRect(223, 8, 554, 784));
    const QRect landscape = PreviewRect(QRect(0, 0, 1000, 800), true);
    EXPECT_EQ(landscape.width(), 984);
    EXPECT_EQ(landscape.height(), 696); // 984 · 205 / 290
    EXPECT_EQ(landscape.top(), 52);
}

TEST(PageGeometry, DiagramBandsShareTheHeightTheLastTakesTheRest) {
    EXPECT_EQ(DiagramBandBottoms(100, 400, 3), (std::vector<int>{200, 300, 400}));
    EXPECT_EQ(DiagramBandBottoms(100, 402, 4), (std::vector<int>{175, 250, 325, 402}));
    EXPECT_TRUE(DiagramBandBottoms(0, 100, 0).empty());
}

TEST(SoundPage, ColumnsFollowTheRelativeWidths) {
    const std::vector<double> widths{0.8, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0.2};
    const std::vector<int> edges = SoundColumnEdges(100, 1100, widths);
    ASSERT_EQ(edges.size(), 13u);
    EXPECT_EQ(edges[0], 100);
    EXPECT_EQ(edges[1], 180); // 0.8 of 11 units over 1100 pixels
    EXPECT_EQ(edges[2], 280);
    EXPECT_EQ(edges[12], 1200);
}

TEST(SoundPage, BarsStandSideBySideAndLevelsBelowTenHaveNone) {
    TAxisMap x;
    x.SetAxisMap(0, 1000, 1, 11); // 100 pixels per column
    TAxisMap y;
    y.SetAxisMap(500, 0, 0, 100); // 5 pixels per dB, upwards
    TSoundPageData data;
    TSoundPageData::TRow a;
    a.Levels = {9.9, 10.0, 50, 50, 50, 50, 50, 50, 60, 70};
    TSoundPageData::TRow b = a;
    b.Levels[2] = -1; // not evaluated
    data.Rows = {a, b};
    const std::vector<TSoundBar> bars = SoundBars(x, y, 0, data);
    // Two bars per group but none for 9.9 dB and none for the missing level.
    EXPECT_EQ(bars.size(), 2u * 10u - 2u - 1u);
    for (const TSoundBar& bar : bars)
        EXPECT_FALSE(bar.Column == 2) << "9.9 dB drew a bar";
    // Group 3 (125 Hz): G = 100, B = 100 / 3 = 33; from pixel(2) + 16.
    const TSoundBar& first = bars.front();
    EXPECT_EQ(first.Column, 3);
    EXPECT_EQ(first.Row, 0);
    EXPECT_EQ(first.Rect.left(), 116);
    EXPECT_EQ(first.Rect.width(), 33);
    EXPECT_EQ(first.Rect.top(), 450); // 10 dB
    EXPECT_EQ(first.Rect.bottom(), 500);
    EXPECT_EQ(bars[1].Rect.left(), 149); // the second row's bar right beside it
    EXPECT_EQ(SoundCell(9.9), QString());
    EXPECT_EQ(SoundCell(10.0), QStringLiteral("10.0"));
    EXPECT_EQ(SoundCell(-1), QString());
}

TEST(TablePage, SpareWidthShowsCutCaptionsWholeOrSharesItByWhatEachLacks) {
    const std::vector<int> widths{30, 50, 40};
    const std::vector<int> wanted{20, 110, 100}; // the first caption fits already
    // Room for everything: each cut caption gets exactly what it lacks.
    EXPECT_EQ(WidenColumns(widths, wanted, 1000), (std::vector<int>{30, 110, 100}));
    // 60 pixels to spare for a lack of 60 + 60: half each.
    EXPECT_EQ(WidenColumns(widths, wanted, 180), (std::vector<int>{30, 80, 70}));
    // No room (a packed table), or a table already wider than the sheet: unchanged.
    EXPECT_EQ(WidenColumns(widths, wanted, 120), widths);
    EXPECT_EQ(WidenColumns(widths, wanted, 100), widths);
    // A short caption list leaves the further columns alone.
    EXPECT_EQ(WidenColumns(widths, {20, 60}, 1000), (std::vector<int>{30, 60, 40}));
}

} // namespace
} // namespace corvane
