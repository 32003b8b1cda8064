#include "selection/TPointTable.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLaufrad.h"
#include "i18n/Texts.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "model/TCurveSet.h"
#include "model/TMessAuswahl.h"
#include "selection/PointListEdit.h"
#include "selection/TPointList.h"
#include "units/Units.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

using F = TMdbMwFieldNo;

// Measured-points fields of the value columns 2..10 (column 8: the largest shaft power).
constexpr std::array<int, TPointTable::kColumnCount> kFields{
    0,       0,        F::F_VC,  F::F_PFA,   F::F_PTOT,  F::F_LPAC,
    F::F_NC, F::F_PWE, F::F_PWE, F::F_ETAFA, F::F_ETATOT};
constexpr int kMaxPowerColumn = 8;

const char* const kMeasurement[3] = {"Messung", "measurement", "Измерение"};

bool Missing(double value) {
    return value == -1.0 || !std::isfinite(value);
}

// Largest shaft power among the points of a series, -1 when none has one.
double MaxShaftPower(const TMdbMw& table) {
    double best = -1;
    for (int i = 0; i < table.ViewCount(); ++i) {
        const double p = table.GetFloat(table.ViewRecord(i), F::F_PWE);
        if (!Missing(p)) best = std::max(best, p);
    }
    return best;
}

std::string ImpellerName(TCatalogue& catalogue, std::int32_t seriesNo) {
    const TMdbRecord* series = catalogue.Messung().FindByKey(seriesNo);
    if (series == nullptr) return {};
    TMdbLaufrad& impellers = catalogue.Laufrad();
    const TMdbRecord* impeller =
        impellers.FindByKey(catalogue.Messung().GetInt(series, TMdbMessung::F_LFRDNR));
    return impeller != nullptr ? impellers.CatalogueDesignation(impeller, 0) : std::string();
}

// Where a curve meets p = k·V² (base units), within 0..1e9; -1 when it does not.
double Intersection(const TMdbMw& table, int pressureField, double k) {
    const TCurveValue v = table.IntersectParabola(F::F_VC, pressureField, static_cast<float>(k));
    return v.Found ? std::clamp(static_cast<double>(v.Value), 0.0, 1e9) : -1.0;
}

} // namespace

void TPointTable::Build(TCatalogue& catalogue, TMessAuswahl& selection, const TCurveSet& set,
                        int showMode, const TPointList& flows, const TPointList& parabolas,
                        bool selectionMode, int unitSystem,
                        const std::vector<std::string>& slotNames) {
    rows_.clear();
    curves_ = set.CurveCount;
    points_ = 0;
    if (showMode == 1) points_ = static_cast<int>(flows.Values.size());
    // The duty point's own parabola exists only with a requested flow and pressure.
    const bool dutyRow =
        selectionMode && selection.RequestedFlow() > 0 && selection.RequestedPressure() > 0;
    if (showMode == 2) points_ = static_cast<int>(parabolas.Values.size()) + (dutyRow ? 1 : 0);
    if (points_ == 0 || curves_ == 0) return;

    // The parabolas cut the diagram's pressure, or the static pressure on other diagrams.
    const int pressureField =
        set.YField == F::F_PTOT || set.YField == F::F_PFA ? set.YField : F::F_PFA;
    const double dutyFlow = selection.RequestedFlow();
    const double dutyK = selection.RequestedPressure() / std::max(dutyFlow * dutyFlow, 0.0001);

    for (int point = 1; point <= points_; ++point) {
        for (int curve = 1; curve <= curves_; ++curve) {
            const int slot = set.Curves[static_cast<std::size_t>(curve - 1)].Slot;
            TMdbMw* table = selection.Points(slot);
            const TMessSlot* slotInfo = selection.Slot(slot);
            if (table == nullptr || slotInfo == nullptr) continue;
            table->Sort(F::F_VC, false);

            TRow row;
            row.Point = point;
            row.Curve = curve;
            if (showMode == 1) {
                row.Flow = flows.Values[static_cast<std::size_t>(point - 1)];
            } else if (point <= static_cast<int>(parabolas.Values.size())) {
                const double f = parabolas.Values[static_cast<std::size_t>(point - 1)];
                row.Flow = Intersection(*table, pressureField,
                                        kParabolaPressure / std::max(f * f, 0.0001));
            } else {
                row.Flow = Intersection(*table, pressureField, dutyK);
            }

            row.Cells[0] = std::to_string(curve);
            const auto given = static_cast<std::size_t>(slot - 1);
            if (!selectionMode)
                row.Cells[1] = std::to_string(slotInfo->SeriesNo);
            else if (given < slotNames.size() && !slotNames[given].empty())
                row.Cells[1] = slotNames[given];
            else
                row.Cells[1] = ImpellerName(catalogue, slotInfo->SeriesNo);
            if (row.Flow >= 0) {
                for (int column = 2; column < kColumnCount; ++column) {
                    const int field = kFields[static_cast<std::size_t>(column)];
                    const TMdbField& f = table->Field(field);
                    double value = row.Flow;
                    if (column == kMaxPowerColumn) {
                        value = MaxShaftPower(*table);
                    } else if (column != 2) {
                        // Outside the measured flows a curve has no value.
                        const TCurveValue v =
                            table->Interpolate(F::F_VC, field, static_cast<float>(row.Flow));
                        value = v.Found ? v.Value : -1.0;
                    }
                    if (!Missing(value))
                        row.Cells[static_cast<std::size_t>(column)] =
                            FormatQuantity(f.Width, f.Quantity, unitSystem, value);
                }
            }
            rows_.push_back(std::move(row));
        }
    }
}

std::string TPointTable::Header(const TMdbMw& fields, int column, int headerRow, bool selectionMode,
                                int language, int unitSystem) {
    if (column < 0 || column >= kColumnCount || headerRow < 0 || headerRow >= kHeaderRows)
        return {};
    const int lang = std::clamp(language, 0, 2);
    if (column == 0) return headerRow == 0 ? Txt(TextId::GridNr, lang) : "";
    if (column == 1) {
        if (headerRow == 1) return {};
        return selectionMode ? Txt(TextId::GridImpeller, lang) : kMeasurement[lang];
    }
    const TMdbField& f = fields.Field(kFields[static_cast<std::size_t>(column)]);
    if (headerRow == 0) return f.LongCaptionIn(lang);
    std::string symbol = f.CaptionIn(lang);
    if (column == kMaxPowerColumn) symbol += std::string("(") + Txt(TextId::MaxWord, lang) + ")";
    const std::string unit = UnitLabel(f.Quantity, unitSystem);
    return unit.empty() ? symbol : symbol + " [" + unit + "]";
}

} // namespace corvane
