#include "render/curves/TCurveDiagramData.h"

#include "i18n/Language.h"
#include "mdb/TMdb.h"
#include "measurements/TMdbMwFieldNo.h"
#include "model/CurveKinds.h"
#include "physics/ListeningDistance.h"
#include "render/curves/CurveFrame.h"
#include "render/diagram/DiagramText.h"
#include "settings/TSettings.h"
#include "units/Units.h"

namespace corvane {

namespace {

constexpr int kFlowQuantity = 11;
constexpr int kPressureQuantity = 9;
constexpr int kDistanceQuantity = 23;

std::vector<double> DisplayFlows(const TPointList& list, int units) {
    std::vector<double> flows;
    flows.reserve(list.Values.size());
    for (const std::int32_t value : list.Values)
        flows.push_back(ToDisplay(kFlowQuantity, units, value));
    return flows;
}

} // namespace

bool TCurveDiagramData::OverFlow() const {
    return !CurveKindOverCoefficient(Set.Kind);
}

bool TCurveDiagramData::PressureDiagram() const {
    return IsPressureField(Set.YField);
}

bool TCurveDiagramData::DutyPointShown() const {
    return SelectionMode && OverFlow();
}

bool TCurveDiagramData::OperatingPointDrawn() const {
    // Without a requested flow the system parabola through the point does not exist.
    return DutyPointShown() && PressureDiagram() && Set.RequestedFlow > 0 &&
           Set.RequestedPressure > 0;
}

QString AxisQuantityName(const TMdb& fields, int field, int language, int unitSystem) {
    const TMdbField& f = fields.Field(field);
    std::string name = f.LongCaptionIn(language);
    if (f.CaptionIn(language) != name) name += " " + f.CaptionIn(language);
    const std::string unit = UnitLabel(f.Quantity, unitSystem);
    if (!unit.empty()) name += " [" + unit + "]";
    return DiagramText(name);
}

TCurveDiagramData TCurveDiagramData::Make(const TCurveSet& set, const TMdb& fields,
                                          const TSettings& settings, bool selectionMode,
                                          int showMode) {
    const int language = TextLanguage();
    const int units = PrintUnitSystem();
    TCurveDiagramData d;
    d.Set = set;
    d.SelectionMode = selectionMode;
    d.ShowMode = showMode;
    d.CurveStyle = settings.PolynomGrad;
    d.MarkPoints = settings.PolynomPunkte == 1;
    d.FontName = QString::fromStdString(settings.FontName);
    d.FontSize = settings.FontSize;
    d.Operator = QString::fromStdString(settings.Bearbeiter);

    std::string title = CurveKindCaption(set.Kind, language);
    const double distance = ListeningDistance();
    if (CurveYGroup(set.YField) == ECurveYGroup::Sound && distance > 1)
        title += ": " + FormatQuantity(1, kDistanceQuantity, units, distance) + " " +
                 UnitLabel(kDistanceQuantity, units);
    d.Title = DiagramText(title);
    d.XName = AxisQuantityName(fields, set.XField, language, units);
    // The microphone kind draws six levels: named after the sound pressure level.
    const int yField = set.YField == TMdbMwFieldNo::F_RES9 ? TMdbMwFieldNo::F_LPC : set.YField;
    d.YName = AxisQuantityName(fields, yField, language, units);

    d.SelectedFlows = DisplayFlows(settings.SelectedFlows, units);
    d.CurrentFlow = settings.SelectedFlows.Current;
    d.ParabolaFlows = DisplayFlows(settings.ParabolaFlows, units);
    d.CurrentParabola = settings.ParabolaFlows.Current;
    d.ParabolaPressure = ToDisplay(kPressureQuantity, units, 1000);
    return d;
}

} // namespace corvane
