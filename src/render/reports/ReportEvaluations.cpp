// The evaluation pages of one flow or one series: the characteristic map and the sound pages.
#include "catalogue/TCatalogue.h"
#include "i18n/Language.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "model/CharacteristicMap.h"
#include "physics/ListeningDistance.h"
#include "model/TMessAuswahl.h"
#include "units/Units.h"
#include "render/curves/CurvePalette.h"
#include "render/curves/TCurveDiagramData.h"
#include "render/diagram/DiagramText.h"
#include "render/reports/ReportTexts.h"
#include "render/reports/SoundPage.h"
#include "render/reports/TReportBuilder.h"
#include "settings/TSettings.h"

#include <cmath>

namespace corvane {

namespace {

using F = TMdbMwFieldNo;

constexpr int kFlowQuantity = 11;
constexpr int kPressureQuantity = 9;
constexpr int kDistanceQuantity = 23;
constexpr double kDefaultSoundFlow = 5000; // m³/h, when no flow is selected
constexpr int kReverberationRoom = 3;      // test rig code of the reverberation room

// Level fields of the columns 2..11: octave bands 63 Hz .. 8 kHz, A-weighted, unweighted.
constexpr int kLevelFields[] = {F::F_LP_63, F::F_LP_125, F::F_LP_250, F::F_LP_500, F::F_LP_1K,
                                F::F_LP_2K, F::F_LP_4K,  F::F_LP_8K,  F::F_LP_A,   F::F_LP};

QString Q(const std::string& text) {
    return DiagramText(text);
}

// The levels of the columns at `flow` for microphone `position` (0: the measurement's own).
std::vector<double> LevelsAt(TMdbMw& table, double flow, int position) {
    table.Sort(F::F_VC, false);
    std::vector<double> levels;
    for (const int field : kLevelFields) {
        table.EvaluateBand(field, true, position);
        const TCurveValue v = table.Interpolate(F::F_VC, F::F_LPSCRATCH, static_cast<float>(flow));
        levels.push_back(v.Found && SoundLevelShown(v.Value) ? v.Value : -1.0);
    }
    return levels;
}

} // namespace

TReportPage TReportBuilder::MapPage(int position) const {
    TReportPage page;
    page.Code = 90;
    const TMessSlot* slot = source_.Selection.Slot(position);
    if (slot == nullptr) return page;
    const int language = TextLanguage();
    const int units = PrintUnitSystem();
    TMapPageData& m = page.Map;
    m.Title = RepText(ERep::MapTitle) + QString::number(slot->SeriesNo) + QStringLiteral("   ") +
              SlotLabel(position);

    // The series as measured, at standard density, flows and pressures in print units.
    TMdbMw table(&source_.Catalogue);
    table.SetPointCache(source_.Selection.Points(position)->PointCache());
    std::vector<TMapPoint> points;
    if (table.LoadSeries(slot->SeriesNo, 1.205f, -1, -1)) {
        for (TMdbRecord* r = table.FirstRecord(); r != nullptr; r = r->Next) {
            TMapPoint p;
            p.Flow = ToDisplay(kFlowQuantity, units, table.GetFloat(r, F::F_VC));
            p.Pressure = ToDisplay(kPressureQuantity, units, table.GetFloat(r, F::F_PTOT));
            p.Efficiency = table.GetFloat(r, F::F_ETATOT);
            p.Power = table.GetFloat(r, F::F_PWE);
            p.Level = table.GetFloat(r, F::F_LPAC);
            p.Speed = table.GetFloat(r, F::F_NC);
            points.push_back(p);
        }
    }
    m.Map = ComputeMap(source_.Map, points);
    const TMdbMw& fields = source_.Catalogue.Mw();
    m.XName = AxisQuantityName(fields, F::F_VC, language, units);
    m.YName = AxisQuantityName(fields, F::F_PTOT, language, units);
    const auto familyTitle = [&](int field) {
        const TMdbField& f = fields.Field(field);
        return Q(f.LongCaptionIn(language) + " [" + UnitLabel(f.Quantity, units) + "]");
    };
    m.SpeedTitle = familyTitle(F::F_NC);
    m.SoundTitle = familyTitle(F::F_LPAC);
    m.EfficiencyTitle = RepText(ERep::MapEfficiency);
    m.PowerTitle = RepText(ERep::MapPower);
    return page;
}

TReportPage TReportBuilder::SoundPage(int code, const QString& remark) const {
    TReportPage page;
    page.Code = code;
    TMessAuswahl& selection = source_.Selection;
    const int units = PrintUnitSystem();
    TSoundPageData& s = page.Sound;

    const TPointList& flows = source_.Settings.SelectedFlows;
    if (code == 93) {
        s.Flow = std::round(selection.RequestedFlow());
    } else if (flows.Current >= 1 && flows.Current <= static_cast<int>(flows.Values.size())) {
        s.Flow = flows.Values[static_cast<std::size_t>(flows.Current - 1)];
    } else {
        s.Flow = kDefaultSoundFlow;
    }

    // Rows: every curve, or the three microphones of the marked (else first) measurement.
    std::vector<int> positions;
    if (code == 91) {
        const std::vector<int> marked = Measurements();
        if (!marked.empty()) positions = {marked.front()};
    } else {
        for (int i = 1; i <= selection.Count(); ++i)
            positions.push_back(i);
    }
    for (const int position : positions) {
        const TMdbRecord* series =
            source_.Catalogue.Messung().FindByKey(selection.Slot(position)->SeriesNo);
        if (series != nullptr && source_.Catalogue.Messung().GetInt(
                                     series, TMdbMessung::F_PRUEFSTAND) == kReverberationRoom)
            s.Reverberation = true;
    }

    page.Header = Header(QString());
    QString note = RepText(s.Reverberation ? ERep::SoundReverb1 : ERep::SoundFreeField1) +
                   QStringLiteral("\n") +
                   RepText(s.Reverberation ? ERep::SoundReverb2 : ERep::SoundFreeField2);
    const double distance = ListeningDistance();
    if (distance > 1)
        note += QStringLiteral("\n") +
                RepText(ERep::SoundDistance)
                    .arg(Q(FormatQuantity(1, kDistanceQuantity, units, distance) + " " +
                           UnitLabel(kDistanceQuantity, units)));
    if (!remark.isEmpty()) note = remark + QStringLiteral("\n") + note;
    page.Header.Remark = note;
    if (code == 91) {
        page.Header.Legend.clear();
        for (int mic = 1; mic <= 3 && !positions.empty(); ++mic) {
            TMarkedRow row;
            row.Marker = mic;
            row.Colour = CurveColour(mic);
            row.Cells = {RepText(ERep::SoundMicrophone) + QStringLiteral(" %1").arg(mic),
                         QString::number(selection.Slot(positions.front())->SeriesNo)};
            page.Header.Legend.push_back(row);
        }
    }

    s.FlowLine =
        RepText(ERep::SoundAtFlow) + QStringLiteral(" ") +
        Q(FormatQuantity(0, kFlowQuantity, units, s.Flow) + " " + UnitLabel(kFlowQuantity, units));
    s.Title = RepText(s.Reverberation ? ERep::SoundReverbTitle : ERep::SoundFreeFieldTitle);
    s.Subtitle = RepText(ERep::SoundBandsTitle);
    s.YName = AxisQuantityName(source_.Catalogue.Mw(), F::F_LPC, TextLanguage(), units);
    const QString hz = QStringLiteral("Hz");
    s.Captions = {RepText(ERep::SoundFrequency)};
    for (const char* band : {"63 ", "125 ", "250 ", "500 ", "1000 ", "2000 ", "4000 ", "8000 "})
        s.Captions << QString::fromLatin1(band) + hz;
    s.Captions << RepText(ERep::SoundAWeighted) << RepText(ERep::SoundUnweighted) << QString();
    const QString db = Q(UnitLabel(13, units));
    s.Units = {QString()};
    for (int i = 0; i < 10; ++i)
        s.Units << db;
    s.Units << QString();
    s.Widths = {0.8, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0.2};

    for (const int position : positions) {
        TMdbMw* table = selection.Points(position);
        if (table == nullptr) continue;
        const int rows = code == 91 ? 3 : 1;
        for (int r = 1; r <= rows; ++r) {
            TSoundPageData::TRow row;
            row.Marker = code == 91 ? r : position;
            row.Colour = CurveColour(row.Marker);
            row.Levels = LevelsAt(*table, s.Flow, code == 91 ? r : 0);
            s.Rows.push_back(row);
        }
    }
    return page;
}

} // namespace corvane
