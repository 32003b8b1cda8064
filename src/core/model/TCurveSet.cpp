#include "model/TCurveSet.h"

#include "i18n/Language.h"
#include "measurements/TMdbMw.h"
#include "model/CurveKinds.h"
#include "model/TMessAuswahl.h"
#include "units/Units.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

constexpr int kFlowQuantity = 11;
constexpr int kPressureQuantity = 9;

// A stored value that takes part in a curve: not the missing marker and a real number.
bool IsPresent(float value) {
    return value != -1.0f && std::isfinite(value);
}

// Takes the points of one curve from `table`, sorted ascending by the x field, and widens the
// bounds of the set.
void TakePoints(TCurveSet& set, TCurve& curve, TMdbMw& table) {
    table.Sort(set.XField, false);
    for (int i = 0; i < table.ViewCount() && curve.PointCount < TCurve::kMaxPoints; ++i) {
        const TMdbRecord* point = table.ViewRecord(i);
        // The missing marker is tested on the stored value: converted to another unit system
        // it would no longer read -1.
        if (!IsPresent(table.GetFloat(point, set.XField))) continue;
        const double x = table.GetFloatInUnits(point, set.XField, true);
        set.MaxX = std::max(set.MaxX, x);
        if (!IsPresent(table.GetFloat(point, curve.YField))) continue;
        const double y = table.GetFloatInUnits(point, curve.YField, true);
        curve.AddPoint(x, y);
        set.MaxY = std::max(set.MaxY, y);
        set.MinY = std::min(set.MinY, y);
    }
}

} // namespace

TCurveSet TCurveSet::ForKind(int kind) {
    TCurveSet set;
    const TCurveFields fields = FieldsForCurveKind(kind);
    set.Kind = kind;
    set.XField = fields.XField;
    set.YField = fields.YField;
    return set;
}

void BuildCurveSet(TCurveSet& set, TMessAuswahl& selection, int curveStyle) {
    set.MaxX = 0.1;
    set.MaxY = 0.1;
    set.MinY = 10000;
    set.CurveCount = 0;
    set.Curves.fill(TCurve{});

    auto addCurve = [&](int slot, int yField) {
        TCurve& curve = set.Curves[static_cast<std::size_t>(set.CurveCount++)];
        curve.Slot = slot;
        curve.YField = yField;
        TakePoints(set, curve, *selection.Points(slot));
        if (curve.PointCount >= 1 && IsFittedCurveStyle(curveStyle))
            curve.FitPolynomial(curveStyle);
    };

    if (set.YField == TMdbMw::F_RES9) {
        if (selection.Count() >= 1) {
            for (int yField : {TMdbMw::F_LP1, TMdbMw::F_LP1_A, TMdbMw::F_LP2, TMdbMw::F_LP2_A,
                               TMdbMw::F_LP3, TMdbMw::F_LP3_A})
                addCurve(1, yField);
        }
    } else {
        for (int slot = 1; slot <= selection.Count(); ++slot)
            addCurve(slot, set.YField);
    }

    const int units = PrintUnitSystem();
    set.FixedQuantity = selection.FixedQuantity();
    set.RequestedFlow = ToDisplay(kFlowQuantity, units, selection.RequestedFlow());
    set.RequestedPressure = ToDisplay(kPressureQuantity, units, selection.RequestedPressure());
    set.Tolerance = selection.Tolerance();
}

} // namespace corvane
