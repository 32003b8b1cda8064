#pragma once

#include "physics/AirDensity.h"

#include <array>
#include <cstdint>
#include <memory>

namespace corvane {

class TCatalogue;
class TMdbMw;
class TSeriesPointCache;

// One used place of the series selection: a measurement series with the diameter, speed and
// density its points are converted to, and the table holding those converted points.
struct TMessSlot {
    std::int32_t SeriesNo = 0;               // always positive
    std::int32_t DisplayNo = 0;              // number shown in legends (result-list row)
    double TargetD2 = -1;                    // mm; -1 = as measured
    double TargetSpeed = -1;                 // 1/min; -1 = as measured
    double TargetDensity = kStandardDensity; // kg/m³
    bool Starred = false;                    // added with a negative series number
    std::unique_ptr<TMdbMw> Points;
};

// The selection of up to ten measurement series shown in the curve windows and evaluations,
// with the duty point of the search it came from. Every slot owns its points table for the
// whole life of the selection; moving and removing slots moves whole slots, tables included.
// Positions are 1-based.
class TMessAuswahl {
public:
    static constexpr int kMaxSeries = 10;

    explicit TMessAuswahl(TCatalogue& catalogue);
    ~TMessAuswahl();
    TMessAuswahl(const TMessAuswahl&) = delete;
    TMessAuswahl& operator=(const TMessAuswahl&) = delete;

    // Adds series |seriesNo| (starred when negative), its points converted to the density,
    // speed and diameter given (values not above 0: the standard density, the measured speed and
    // diameter). `position` 1..Count+1 inserts there, anything else appends. Nothing happens
    // when the selection is full, the series does not exist, or it is already selected and
    // variation is not allowed. Returns the position the series got, 0 when not added.
    // Loading errors of the data file propagate with the selection unchanged.
    int AddSeries(std::int32_t seriesNo, std::int32_t displayNo, int position, double density,
                  double speed, double d2);
    // Nothing when `position` is outside 1..Count.
    void RemoveSeries(int position);
    // Takes the slot at `from` out and puts it in at `to` (clamped to Count); nothing when
    // from = to, `from` is outside 1..Count or `to` is below 1.
    void MoveSeries(int from, int to);
    void ClearSelection();

    int Count() const { return count_; }
    // The used slot at 1..Count; nullptr outside.
    const TMessSlot* Slot(int position) const;
    // The points table of a used slot (curve building sorts it); nullptr outside.
    TMdbMw* Points(int position);
    // Position of the first starred slot, else 1; 0 when the selection is empty.
    int StarredPosition() const;

    // "Durchmesser- und Drehzahlvariation für Auswertungen zulassen": the same series may then
    // be selected more than once (at other diameters or speeds).
    bool AllowVariation() const { return allowVariation_; }
    void SetAllowVariation(bool allow) { allowVariation_ = allow; }
    // Shared store of raw points (not owned) handed to every slot table; nullptr for none.
    void SetPointCache(TSeriesPointCache* cache);

    // The duty point of the last search, in base units (m³/h, Pa, per cent), and the deviation
    // kind: 0 flow may deviate, 1 pressure may deviate, -1 the search did not run at a given
    // speed.
    std::int32_t FixedQuantity() const { return fixedQuantity_; }
    double RequestedFlow() const { return requestedFlow_; }
    double RequestedPressure() const { return requestedPressure_; }
    double Tolerance() const { return tolerance_; }
    void SetRequest(double flow, double pressure, double tolerance, std::int32_t fixedQuantity);

private:
    // Index of an unused slot whose table already holds `seriesNo`, else -1.
    int SpareSlotHolding(std::int32_t seriesNo) const;
    bool IsSelected(std::int32_t seriesNo) const;

    TCatalogue& catalogue_;
    std::array<TMessSlot, kMaxSeries> slots_;
    int count_ = 0;
    bool allowVariation_ = false;
    std::int32_t fixedQuantity_ = -1;
    double requestedFlow_ = 0;
    double requestedPressure_ = 0;
    double tolerance_ = 0;
};

} // namespace corvane
