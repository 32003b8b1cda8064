#include "selection/PointListEdit.h"

#include "util/Numbers.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace corvane {

namespace {

bool HasCurrent(const TPointList& list) {
    return list.Current >= 1 && list.Current <= static_cast<int>(list.Values.size());
}

std::int32_t& CurrentValue(TPointList& list) {
    return list.Values[static_cast<std::size_t>(list.Current - 1)];
}

double Clamp(double value, double lo, double hi) {
    return std::isnan(value) ? lo : std::clamp(value, lo, hi);
}

} // namespace

int NearestPoint(const TPointList& list, double value) {
    int best = 0;
    double bestDistance = 0;
    for (std::size_t i = 0; i < list.Values.size(); ++i) {
        const double distance = std::fabs(value - list.Values[i]);
        if (best == 0 || distance < bestDistance) {
            best = static_cast<int>(i) + 1;
            bestDistance = distance;
        }
    }
    return best;
}

bool CanInsertPoint(const TPointList& list, std::int32_t value) {
    return value >= 1 && list.Values.size() < kMaxListPoints;
}

void InsertPoint(TPointList& list, std::int32_t value) {
    if (!CanInsertPoint(list, value)) return;
    list.Values.push_back(value);
    list.Current = static_cast<int>(list.Values.size());
    SortPoints(list);
}

void DeleteCurrentPoint(TPointList& list) {
    if (!HasCurrent(list)) return;
    list.Values.erase(list.Values.begin() + (list.Current - 1));
    list.Current = std::min(list.Current, static_cast<int>(list.Values.size()));
}

void SortPoints(TPointList& list) {
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (std::size_t i = 1; i < list.Values.size(); ++i) {
            if (list.Values[i - 1] <= list.Values[i]) continue;
            std::swap(list.Values[i - 1], list.Values[i]);
            const int left = static_cast<int>(i);
            if (list.Current == left)
                list.Current = left + 1;
            else if (list.Current == left + 1)
                list.Current = left;
            swapped = true;
        }
    }
}

void StepCurrentPoint(TPointList& list, int delta) {
    if (!HasCurrent(list)) return;
    std::int32_t& value = CurrentValue(list);
    if (delta > 0 && value < kMaxPointValue) ++value;
    if (delta < 0 && value >= 2) --value;
    SortPoints(list);
}

void SetCurrentPointValue(TPointList& list, std::int32_t value) {
    if (HasCurrent(list)) CurrentValue(list) = value;
}

std::int32_t ClickedFlow(double flow) {
    return ClampRoundInt(std::isnan(flow) ? 0 : flow);
}

std::int32_t DraggedFlow(double flow) {
    return static_cast<std::int32_t>(std::lround(Clamp(flow, 1, kMaxDraggedFlow)));
}

std::int32_t ParabolaThrough(double flow, double pressure) {
    const double v = Clamp(flow, 1, 1e9);
    const double p = Clamp(pressure, 1, 1e9);
    return static_cast<std::int32_t>(
        std::lround(Clamp(std::sqrt(v * v * kParabolaPressure / p), 1, 1e9)));
}

} // namespace corvane
