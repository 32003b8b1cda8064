#include "ReportTestSelection.h"
#include "efficiency/EfficiencyTexts.h"
#include "efficiency/TEfficiencyRater.h"
#include "physics/AirDensity.h"
#include "render/reports/PageGeometry.h"
#include "render/reports/ReportPainter.h"
#include "render/reports/ReportTexts.h"
#include "selection/TErgebnisZeile.h"
#include "selection/TLayoutSeiteAusw.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::Page;
using test::TReportTestSelection;

double LastX(const TCurve& curve) {
    return curve.Points[static_cast<std::size_t>(curve.PointCount - 1)].X;
}

TEST(ReportEnergy, PartLoadPageHasThreeSpeedsInEachDiagramAndIsAWholePage) {
    TReportTestSelection t;
    t.selection.ClearSelection();
    t.selection.AddSeries(1, 1, 0, 0, 0, 0);
    t.selection.AddSeries(-2, 2, 0, 0, 0, 0);
    TLayout layout;
    ReadLayoutText("1|89|96|", layout);
    ASSERT_EQ(layout.Count, 3);
    EXPECT_EQ(layout.Pages[1].Slots, (std::array<std::int32_t, 4>{89, 0, 0, 0}));

    const std::vector<TReportPage> pages = t.Builder().Build(layout, 1, 3);
    ASSERT_EQ(pages.size(), 3u);
    const TReportPage& part = pages[1];
    EXPECT_EQ(part.Code, 89);
    EXPECT_FALSE(part.Landscape);
    EXPECT_TRUE(part.Header.Remark.contains(QStringLiteral("Nr.  2"))); // the starred series
    ASSERT_EQ(part.Header.Legend.size(), 3u);
    EXPECT_EQ(part.Header.Legend[2].Cells.last(), QStringLiteral("45"));
    EXPECT_EQ(part.Header.Legend[1].Cells.last(), QStringLiteral("72.5"));
    EXPECT_NEAR(part.Header.Legend[2].Cells[3].toDouble(), 0.45 * 1450, 1);
    EXPECT_EQ(part.Header.Legend[0].Cells[3], QStringLiteral("1450"));

    // Pressure, electrical input and efficiency over flow; the fan laws scale the flows.
    ASSERT_EQ(part.Diagrams.size(), 3u);
    const int kinds[] = {1, 4, 7};
    for (std::size_t d = 0; d < 3; ++d) {
        const TCurveSet& set = part.Diagrams[d].Set;
        EXPECT_EQ(set.Kind, kinds[d]);
        ASSERT_EQ(set.CurveCount, 3);
        EXPECT_EQ(set.Curves[0].PointCount, 3) << "diagram " << d;
        EXPECT_EQ(set.Curves[2].PointCount, set.Curves[0].PointCount);
        EXPECT_NEAR(LastX(set.Curves[2]), 0.45 * LastX(set.Curves[0]), 1e-6 * LastX(set.Curves[0]));
        EXPECT_NEAR(LastX(set.Curves[0]), 8000, 1);
    }
    const TCurveSet& pressure = part.Diagrams[0].Set;
    EXPECT_NEAR(pressure.Curves[2].Points[0].Y, 0.45 * 0.45 * pressure.Curves[0].Points[0].Y,
                1e-3 * pressure.Curves[0].Points[0].Y);
    EXPECT_GE(pressure.MaxY, pressure.Curves[0].Points[0].Y);

    // Painted through the diagram layer: one band per diagram below the header.
    QImage image(800, 1130, QImage::Format_RGB32);
    QPainter painter(&image);
    const TSheetResult sheet = PaintReportSheet(painter, image.rect(), part, TPageFrameData{});
    EXPECT_EQ(sheet.BandBottoms.size(), 3u);
}

TEST(ReportEnergy, PartLoadPageOfAMissingSeriesHasNoDiagrams) {
    TReportTestSelection t;
    t.tc.points[1].clear();
    const std::vector<TReportPage> pages = t.Builder().Build(Page({89, 0, 0, 0}));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].Code, 89);
    EXPECT_TRUE(pages[0].Diagrams.empty());
}

TEST(ReportEnergy, CoverSheetCarriesTheGradeOfTheSelectedResultOnly) {
    TReportTestSelection t;
    TErgebnisZeile row;
    row.Series = 1;
    row.D2 = 400;
    row.N = 1450;
    row.Vop = 3000;
    row.P2 = 800;
    row.Power = 900;
    TReportSource source{t.tc.cat, t.selection, t.settings};
    std::vector<std::int32_t> asked;
    source.ResultRow = [&](const TMessSlot& slot) -> const TErgebnisZeile* {
        asked.push_back(slot.SeriesNo);
        return slot.SeriesNo == 1 ? &row : nullptr;
    };
    for (const int language : {0, 1, 2}) {
        SetTextLanguage(language);
        const std::vector<TReportPage> pages = TReportBuilder(source).Build(Page({96, 0, 0, 0}));
        ASSERT_EQ(pages.size(), 1u);
        const std::vector<TCoverSection>& sections = pages[0].Cover.Sections;
        ASSERT_GE(sections.size(), 2u);
        // Right below the series data, so long info texts cannot push it off the page.
        EXPECT_EQ(sections[1].Heading, QString::fromStdString(EnergyEfficiencyTitle(language)));
        // The lines of the row's grade at the slot's density, in the print language.
        TEfficiencyRater rater(t.tc.cat);
        const std::vector<TGradeLine> lines =
            GradeLines(rater.Grade(row, kStandardDensity), language, 0);
        ASSERT_EQ(sections[1].Fields.size(), lines.size());
        ASSERT_GE(lines.size(), 4u); // fan type, why not rated, best-efficiency point, ..., FEI
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(sections[1].Fields[i].first, QString::fromStdString(lines[i].Label));
            EXPECT_EQ(sections[1].Fields[i].second, QString::fromStdString(lines[i].Value));
            EXPECT_FALSE(sections[1].Fields[i].second.contains(QChar(0xB4))); // no Greek marker
        }
    }
    EXPECT_EQ(QString::fromStdString(EnergyEfficiencyTitle(1)),
              QStringLiteral("Energy efficiency"));

    // A series that is no search result gets no block, nor does a builder without rows.
    t.selection.ClearSelection();
    t.selection.AddSeries(1, 1, 0, 0, 0, 0);
    t.selection.AddSeries(-2, 2, 0, 0, 0, 0);
    SetTextLanguage(0);
    const TReportPage other = TReportBuilder(source).Build(Page({96, 0, 0, 0})).front();
    for (const TCoverSection& s : other.Cover.Sections)
        EXPECT_NE(s.Heading, QString::fromStdString(EnergyEfficiencyTitle(0)));
    EXPECT_EQ(asked.back(), 2);
    const TReportPage plain = t.Builder().Build(Page({96, 0, 0, 0})).front();
    for (const TCoverSection& s : plain.Cover.Sections)
        EXPECT_NE(s.Heading, QString::fromStdString(EnergyEfficiencyTitle(0)));
}

} // namespace
} // namespace corvane
