// The energy-efficiency evaluations of one measurement: the grade block of the cover sheet and
// the part-load page (the series at its speed, halfway to 45 % and at 45 % of it).
#include "catalogue/TCatalogue.h"
#include "efficiency/EfficiencyTexts.h"
#include "efficiency/TEfficiencyRater.h"
#include "i18n/Language.h"
#include "measurements/TMdbMw.h"
#include "model/CurveKinds.h"
#include "model/TMessAuswahl.h"
#include "render/curves/CurvePalette.h"
#include "render/diagram/DiagramText.h"
#include "render/reports/ReportTexts.h"
#include "render/reports/TReportBuilder.h"
#include "selection/TErgebnisZeile.h"
#include "settings/TSettings.h"
#include "units/Units.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

// The diagrams of the part-load page: static pressure, electrical input and the static
// efficiency with motor, each over the volume flow.
struct TPartLoadDiagram {
    int Kind;
    double TPartLoadPoint::*Value;
};
constexpr TPartLoadDiagram kPartLoadDiagrams[] = {
    {1, &TPartLoadPoint::Pressure},
    {4, &TPartLoadPoint::ElectricalPower},
    {7, &TPartLoadPoint::OverallEfficiency},
};

// The curve set of one diagram: one curve per speed, in the print unit system.
TCurveSet PartLoadSet(const TPartLoadDiagram& diagram, const TPartLoadCurves& curves,
                      const TMdb& fields, int curveStyle) {
    TCurveSet set = TCurveSet::ForKind(diagram.Kind);
    const int units = PrintUnitSystem();
    const int xQuantity = fields.Field(set.XField).Quantity;
    const int yQuantity = fields.Field(set.YField).Quantity;
    for (const TPartLoadCurve& source : curves.Curves) {
        TCurve& curve = set.Curves[static_cast<std::size_t>(set.CurveCount)];
        curve.Slot = ++set.CurveCount;
        curve.YField = set.YField;
        for (const TPartLoadPoint& p : source.Points) {
            const double y = p.*diagram.Value;
            if (p.Flow < 0 || y < 0) continue;
            const double x = ToDisplay(xQuantity, units, p.Flow);
            const double shown = ToDisplay(yQuantity, units, y);
            if (!curve.AddPoint(x, shown)) break;
            set.MaxX = std::max(set.MaxX, x);
            set.MaxY = std::max(set.MaxY, shown);
            set.MinY = std::min(set.MinY, shown);
        }
        if (curve.PointCount >= 1 && IsFittedCurveStyle(curveStyle))
            curve.FitPolynomial(curveStyle);
    }
    return set;
}

} // namespace

TCoverSection TReportBuilder::EnergySection(int position) const {
    TCoverSection section;
    const TMessSlot* slot = source_.Selection.Slot(position);
    const TErgebnisZeile* row =
        slot != nullptr && source_.ResultRow ? source_.ResultRow(*slot) : nullptr;
    if (row == nullptr) return section;
    const int language = TextLanguage();
    TEfficiencyRater rater(source_.Catalogue);
    const TEfficiencyGrade grade = rater.Grade(*row, slot->TargetDensity);
    section.Heading = QString::fromStdString(EnergyEfficiencyTitle(language));
    section.SingleColumn = true;
    for (const TGradeLine& line : GradeLines(grade, language, PrintUnitSystem()))
        section.Fields.emplace_back(QString::fromStdString(line.Label),
                                    QString::fromStdString(line.Value));
    return section;
}

TReportPage TReportBuilder::PartLoadPage(int position, const QString& remark) const {
    TReportPage page;
    page.Code = 89;
    const TMessSlot* slot = source_.Selection.Slot(position);
    const TMdbMw* measured = source_.Selection.Points(position);
    if (slot == nullptr || measured == nullptr) return page;

    // The series as the selection shows it: its diameter and speed, at its density.
    TErgebnisZeile row;
    row.Series = slot->SeriesNo;
    row.D2 = slot->TargetD2 > 0 ? slot->TargetD2 : measured->MeasuredD2();
    row.N = slot->TargetSpeed > 0 ? slot->TargetSpeed : measured->MaxMeasuredSpeed();
    TEfficiencyRater rater(source_.Catalogue);
    const TPartLoadCurves curves = rater.PartLoad(row, slot->TargetDensity);

    page.Header = Header(RepText(ERep::PartLoadTitle) + QString::number(slot->SeriesNo) +
                         QStringLiteral("   ") + SlotLabel(position) +
                         (remark.isEmpty() ? QString() : QStringLiteral("\n") + remark));
    page.Header.LegendCaptions.removeLast(); // the density is the same for every curve
    page.Header.LegendCaptions << RepText(ERep::PartLoadFraction);
    const int units = PrintUnitSystem();
    const TMdbMw& fields = source_.Catalogue.Mw();
    page.Header.Legend.clear();
    for (std::size_t i = 0; i < curves.Curves.size(); ++i) {
        const TPartLoadCurve& curve = curves.Curves[i];
        TMarkedRow legend;
        legend.Marker = static_cast<int>(i) + 1;
        legend.Colour = CurveColour(legend.Marker);
        legend.Cells = {SlotLabel(position), QString::number(slot->SeriesNo),
                        DiagramText(FormatQuantity(0, kQuantityLength, units, row.D2)),
                        DiagramText(FormatQuantity(0, kQuantitySpeed, units, curve.Speed)),
                        QString::number(std::round(curve.SpeedFraction * 1000) / 10.0)};
        page.Header.Legend.push_back(legend);
    }
    if (!curves.Found) return page;
    for (const TPartLoadDiagram& diagram : kPartLoadDiagrams) {
        const TCurveSet set = PartLoadSet(diagram, curves, fields, source_.Settings.PolynomGrad);
        page.Diagrams.push_back(TCurveDiagramData::Make(set, fields, source_.Settings, false, 0));
        page.DiagramUsed.push_back(true);
    }
    return page;
}

} // namespace corvane
