#include "selection/TAuswahlParam.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

double AtLeast(double value, double minimum) {
    if (!std::isfinite(value)) return minimum;
    return std::max(value, minimum);
}

std::int32_t InRangeOr(std::int32_t value, std::int32_t low, std::int32_t high,
                       std::int32_t fallback) {
    return value < low || value > high ? fallback : value;
}

// First `count` characters of a UTF-8 text; never splits a multi-byte sequence.
std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t i = 0;
    std::size_t chars = 0;
    while (i < text.size() && chars < count) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
        ++chars;
    }
    return text.substr(0, i);
}

} // namespace

void ClampRequest(TAuswahlParam& r) {
    r.D2Min = AtLeast(r.D2Min, kSmallestStandardDiameter);
    r.D2Max = AtLeast(r.D2Max, r.D2Min);
    r.WidthMin = AtLeast(r.WidthMin, 0.0);
    r.WidthMax = AtLeast(r.WidthMax, r.WidthMin);
    r.HousingAngle = FirstCharacters(r.HousingAngle, kHousingAngleLength);
    r.RequestedFlow = AtLeast(r.RequestedFlow, 0.1);
    r.RequestedPressure = AtLeast(r.RequestedPressure, 0.1);
    r.Tolerance = AtLeast(r.Tolerance, 0.01);
    r.SliderMax = std::clamp(r.SliderMax, std::int32_t{1}, kMaxSliderSpeed);
    r.GivenSpeed = AtLeast(r.GivenSpeed, 0.1);
    r.MaxSpeed = AtLeast(r.MaxSpeed, 0.1);
    r.RequestedDensity = AtLeast(r.RequestedDensity, 0.1);
    // A value that selects no entry of its list reads back as the first entry.
    r.FixedQuantity = InRangeOr(r.FixedQuantity, 0, 1, 0);
    r.TypeGroup = InRangeOr(r.TypeGroup, 0, kAllTypesGroup, 0);
    r.FanLayout = std::clamp(r.FanLayout, std::int32_t{0}, std::int32_t{2});
    r.SearchMode = InRangeOr(r.SearchMode, SearchComputedSpeed, SearchCart, SearchComputedSpeed);
    r.SortKey = InRangeOr(r.SortKey, 0, 6, 0);
}

} // namespace corvane
