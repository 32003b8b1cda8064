#pragma once

#include "model/TCurveSet.h"

#include <QString>
#include <vector>

namespace corvane {

class TMdb;
struct TPointList;
struct TSettings;

// Everything a curve diagram is drawn from, as values: the curve set, the display options and
// the texts in one language, the selected points and parabolas in the curve set's units.
// The same snapshot paints a window, a clipboard bitmap, a printer page or a file.
struct TCurveDiagramData {
    TCurveSet Set;
    bool SelectionMode = true; // curves of the impeller selection, with the operating point
    int ShowMode = 0;          // 0 nothing extra, 1 selected points, 2 system parabolas
    int CurveStyle = 6;        // "PolynomGrad"
    bool MarkPoints = true;    // "PolynomPunkte"
    QString FontName = QStringLiteral("Arial");
    int FontSize = 10;

    QString Title;    // diagram title, for sound levels with the listening distance
    QString XName;    // x quantity with unit
    QString YName;    // y quantity with unit
    QString Operator; // "Bearbeiter"

    std::vector<double> SelectedFlows; // x units of the set
    int CurrentFlow = 0;               // 1-based, 0 none
    std::vector<double> ParabolaFlows; // flow at which each parabola reaches ParabolaPressure
    int CurrentParabola = 0;
    double ParabolaPressure = 1000; // 1000 Pa in the y units of the set

    bool OverFlow() const;        // drawn over volume flow (not over the flow coefficient)
    bool PressureDiagram() const; // y is one of the two pressures
    bool DutyPointShown() const;  // selection mode over volume flow
    bool OperatingPointDrawn() const;

    // A snapshot in the current text language and print unit system: texts from the kind and
    // the captions of `fields` (a measured-points table), options and point lists from
    // `settings`, the listening distance from the process-wide setting.
    static TCurveDiagramData Make(const TCurveSet& set, const TMdb& fields,
                                  const TSettings& settings, bool selectionMode, int showMode);
};

// The quantity name of a measured-points field as an axis title: long caption, short caption
// and unit, e.g. "Volumenstrom V [m³/h]".
QString AxisQuantityName(const TMdb& fields, int field, int language, int unitSystem);

} // namespace corvane
