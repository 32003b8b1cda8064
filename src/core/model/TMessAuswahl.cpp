#include "model/TMessAuswahl.h"

#include "catalogue/TCatalogue.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace corvane {

TMessAuswahl::TMessAuswahl(TCatalogue& catalogue) : catalogue_(catalogue) {
    for (TMessSlot& slot : slots_)
        slot.Points = std::make_unique<TMdbMw>(&catalogue);
}

TMessAuswahl::~TMessAuswahl() = default;

int TMessAuswahl::AddSeries(std::int32_t seriesNo, std::int32_t displayNo, int position,
                            double density, double speed, double d2) {
    if (count_ >= kMaxSeries) return 0;
    if (seriesNo == 0 || seriesNo == std::numeric_limits<std::int32_t>::min()) return 0;
    const std::int32_t number = seriesNo < 0 ? -seriesNo : seriesNo;
    const TMdbRecord* series = catalogue_.Messung().FindByKey(number);
    if (series == nullptr) return 0;
    if (!allowVariation_ && IsSelected(number)) return 0;

    // A spare slot that still holds the series (the selection is rebuilt after every search)
    // is taken first, so its points need not be read again.
    const int spare = SpareSlotHolding(number);
    if (spare > count_)
        std::swap(slots_[static_cast<std::size_t>(spare)],
                  slots_[static_cast<std::size_t>(count_)]);
    TMessSlot& slot = slots_[static_cast<std::size_t>(count_)];
    const double targetD2 = d2 > 0 ? d2 : -1;
    const double targetSpeed = speed > 0 ? speed : -1;
    const double targetDensity = density > 0 ? density : kStandardDensity;
    // Loaded before the slot counts as used: a failing read leaves the selection unchanged.
    slot.Points->LoadSeries(series, static_cast<float>(targetDensity), static_cast<float>(targetD2),
                            static_cast<float>(targetSpeed));
    slot.SeriesNo = number;
    slot.DisplayNo = displayNo;
    slot.TargetD2 = targetD2;
    slot.TargetSpeed = targetSpeed;
    slot.TargetDensity = targetDensity;
    slot.Starred = seriesNo < 0;
    ++count_;
    if (position >= 1 && position <= count_) {
        MoveSeries(count_, position);
        return position;
    }
    return count_;
}

void TMessAuswahl::RemoveSeries(int position) {
    if (position < 1 || position > count_) return;
    MoveSeries(position, count_);
    --count_;
}

void TMessAuswahl::MoveSeries(int from, int to) {
    if (from == to || from < 1 || from > count_ || to < 1) return;
    to = std::min(to, count_);
    const auto begin = slots_.begin();
    if (from < to)
        std::rotate(begin + (from - 1), begin + from, begin + to);
    else
        std::rotate(begin + (to - 1), begin + (from - 1), begin + from);
}

void TMessAuswahl::ClearSelection() {
    while (count_ > 0)
        RemoveSeries(count_);
}

const TMessSlot* TMessAuswahl::Slot(int position) const {
    if (position < 1 || position > count_) return nullptr;
    return &slots_[static_cast<std::size_t>(position - 1)];
}

TMdbMw* TMessAuswahl::Points(int position) {
    if (position < 1 || position > count_) return nullptr;
    return slots_[static_cast<std::size_t>(position - 1)].Points.get();
}

int TMessAuswahl::StarredPosition() const {
    for (int i = 0; i < count_; ++i)
        if (slots_[static_cast<std::size_t>(i)].Starred) return i + 1;
    return count_ > 0 ? 1 : 0;
}

void TMessAuswahl::SetPointCache(TSeriesPointCache* cache) {
    for (TMessSlot& slot : slots_)
        slot.Points->SetPointCache(cache);
}

void TMessAuswahl::SetRequest(double flow, double pressure, double tolerance,
                              std::int32_t fixedQuantity) {
    requestedFlow_ = flow;
    requestedPressure_ = pressure;
    tolerance_ = tolerance;
    fixedQuantity_ = fixedQuantity;
}

int TMessAuswahl::SpareSlotHolding(std::int32_t seriesNo) const {
    for (int i = count_; i < kMaxSeries; ++i) {
        const TMdbMw& table = *slots_[static_cast<std::size_t>(i)].Points;
        if (table.SeriesNo() == seriesNo) return i;
    }
    return -1;
}

bool TMessAuswahl::IsSelected(std::int32_t seriesNo) const {
    for (int i = 0; i < count_; ++i)
        if (slots_[static_cast<std::size_t>(i)].SeriesNo == seriesNo) return true;
    return false;
}

} // namespace corvane
