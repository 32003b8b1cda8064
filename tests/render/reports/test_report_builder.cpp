#include "ReportTestSelection.h"
#include "render/reports/ReportTexts.h"
#include "selection/TLayoutSeiteAusw.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::Page;
using test::TReportTestSelection;

const TReportPage& Only(const std::vector<TReportPage>& pages) {
    EXPECT_EQ(pages.size(), 1u);
    return pages.front();
}

TEST(ReportBuilder, SoundPageAtTheDefaultFlowKeepsLevelsFromTenDecibels) {
    TReportTestSelection t;
    const std::vector<TReportPage> pages = t.Builder().Build(Page({94, 0, 0, 0}));
    const TSoundPageData& s = Only(pages).Sound;
    EXPECT_EQ(s.Flow, 5000);      // no selected flow
    ASSERT_EQ(s.Rows.size(), 2u); // one row per curve
    // Series 1 reaches 5000 m³/h: 40 + 50 dB; series 2 (2000..8000) too.
    EXPECT_NEAR(s.Rows[0].Levels[2], 90, 0.01);
    EXPECT_EQ(s.Rows[0].Levels[0], -1);           // 9.9 dB: empty
    EXPECT_NEAR(s.Rows[0].Levels[1], 10.0, 1e-4); // 10.0 dB: shown
    EXPECT_EQ(s.Rows[1].Marker, 2);
    EXPECT_FALSE(s.Reverberation);
    EXPECT_EQ(s.Title, RepText(ERep::SoundFreeFieldTitle));
    EXPECT_TRUE(Only(pages).Header.Remark.startsWith(RepText(ERep::SoundFreeField1)));
    EXPECT_EQ(s.Captions.size(), 12);
    EXPECT_EQ(s.Captions[1], QStringLiteral("63 Hz"));
}

TEST(ReportBuilder, SoundPageFlowsAndMeasuringRoom) {
    TReportTestSelection t;
    t.settings.SelectedFlows.Values = {2000, 4000};
    t.settings.SelectedFlows.Current = 2;
    EXPECT_EQ(Only(t.Builder().Build(Page({94, 0, 0, 0}))).Sound.Flow, 4000);
    t.selection.SetRequest(3000.4, 700, 10, 0);
    EXPECT_EQ(Only(t.Builder().Build(Page({93, 0, 0, 0}))).Sound.Flow, 3000);
    // Any reverberation-room measurement makes the page a reverberation page.
    t.SetRig(2, 3);
    const TReportPage page = Only(t.Builder().Build(Page({93, 0, 0, 0})));
    EXPECT_TRUE(page.Sound.Reverberation);
    EXPECT_EQ(page.Sound.Title, RepText(ERep::SoundReverbTitle));
    EXPECT_TRUE(page.Header.Remark.contains(RepText(ERep::SoundReverb2)));
    // The three microphones of the first measurement: its own reading at position 1 only.
    const TReportPage mics = Only(t.Builder().Build(Page({91, 0, 0, 0})));
    ASSERT_EQ(mics.Sound.Rows.size(), 3u);
    EXPECT_EQ(mics.Header.Legend.size(), 3u);
    EXPECT_NEAR(mics.Sound.Rows[0].Levels[2], 80, 0.01); // 4000 m³/h
    EXPECT_EQ(mics.Sound.Rows[1].Levels[2], -1);
    EXPECT_FALSE(mics.Sound.Reverberation); // series 1 only
}

TEST(ReportBuilder, DistanceNoteOnlyAboveOneMetre) {
    TReportTestSelection t;
    const QString note = RepText(ERep::SoundDistance).section(QLatin1Char('%'), 0, 0);
    SetListeningDistance(1);
    EXPECT_FALSE(Only(t.Builder().Build(Page({94, 0, 0, 0}))).Header.Remark.contains(note));
    SetListeningDistance(2.5);
    const QString remark = Only(t.Builder().Build(Page({94, 0, 0, 0}))).Header.Remark;
    EXPECT_TRUE(remark.contains(note + QStringLiteral("2.5 m."))) << remark.toStdString();
    SetListeningDistance(-1);
}

TEST(ReportBuilder, PerMeasurementPagesFollowTheStarredSeries) {
    TReportTestSelection t;
    EXPECT_EQ(t.Builder().Measurements(), (std::vector<int>{1}));
    t.selection.ClearSelection();
    t.selection.AddSeries(1, 1, 0, 0, 0, 0);
    t.selection.AddSeries(-2, 2, 0, 0, 0, 0);
    t.selection.AddSeries(-1, 3, 0, 0, 0, 0); // not added twice
    EXPECT_EQ(t.Builder().Measurements(), (std::vector<int>{2}));

    TLayout layout;
    ReadLayoutText("1|2|99|99|96|98|90|", layout);
    const std::vector<TReportPage> pages = t.Builder().Build(layout, 1, 20);
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0].Diagrams.size(), 4u);
    EXPECT_EQ(pages[0].DiagramUsed, (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(pages[1].Cover.Title, RepText(ERep::CoverTitle) + QStringLiteral("2"));
    EXPECT_TRUE(pages[2].Landscape);
    EXPECT_FALSE(pages[1].Landscape);
    EXPECT_EQ(pages[2].Table.Rows.size(), 3u); // series 2 has three points
    EXPECT_EQ(pages[2].Table.Captions.size(), 21);
    EXPECT_FALSE(pages[3].Map.Map.Empty());
}

TEST(ReportBuilder, FooterNotes) {
    TReportTestSelection t;
    EXPECT_EQ(t.Builder().Footer(1),
              RepText(ERep::FooterDensity).arg(QStringLiteral("1.205 kg/m³")));
    EXPECT_EQ(t.Builder(false).Footer(94), RepText(ERep::FooterSound));
    EXPECT_EQ(t.Builder(false).Footer(1), RepText(ERep::FooterPlain));
    t.selection.SetAllowVariation(true);
    ASSERT_EQ(t.selection.AddSeries(1, 3, 0, 1.1, 2900, 0), 3);
    EXPECT_EQ(t.Builder(false).Footer(1), RepText(ERep::FooterChanged));
    SetTextLanguage(1);
    EXPECT_TRUE(t.Builder(false).Footer(1).startsWith(QStringLiteral("fan test report")));
    SetTextLanguage(0);
}

TEST(ReportBuilder, HeaderAndPointLists) {
    TReportTestSelection t;
    t.settings.SelectedFlows.Values = {2000, 4000};
    t.settings.SelectedFlows.Current = 1;
    const TReportPage page = Only(t.Builder().Build(Page({95, 0, 0, 0}, "Bemerkung")));
    EXPECT_EQ(page.Table.Rows.size(), 4u); // two points, two curves
    EXPECT_TRUE(page.Table.Markers);
    EXPECT_EQ(page.Table.Rows[1].Marker, 2);
    EXPECT_TRUE(page.Table.Title.endsWith(QStringLiteral("Bemerkung")));
    const TReportPage diagrams = Only(t.Builder().Build(Page({1, 99, 99, 99}, "Hallo")));
    EXPECT_TRUE(diagrams.Header.DutyLine.contains(QStringLiteral("3000 m³/h")));
    EXPECT_EQ(diagrams.Header.Legend.size(), 2u);
    EXPECT_EQ(diagrams.Header.Remark, QStringLiteral("Hallo"));
    EXPECT_TRUE(Only(t.Builder(false).Build(Page({1, 99, 99, 99}))).Header.DutyLine.isEmpty());
    EXPECT_EQ(Only(t.Builder().Build(Page({0, 0, 0, 0}))).Code, 0);
}

} // namespace
} // namespace corvane
