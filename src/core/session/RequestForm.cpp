#include "session/RequestForm.h"

#include "i18n/Texts.h"
#include "model/TWinkelStringList.h"
#include "selection/SearchTables.h"
#include "selection/TAuswahlParam.h"
#include "units/Units.h"
#include "util/Numbers.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

// A typed number in base units; unreadable text reads as 0.
double Typed(const std::string& text, int quantity, int unitSystem) {
    const double value = ParseNumber(text);
    return quantity == 0 ? value : FromDisplay(quantity, unitSystem, value);
}

void TakeNumber(const std::optional<std::string>& text, int quantity, int unitSystem,
                double& field) {
    if (text) field = Typed(*text, quantity, unitSystem);
}

void TakePosition(const std::optional<int>& position, std::int32_t& field) {
    if (position) field = std::max(*position, 0);
}

std::string Shown(int baseDecimals, int quantity, int unitSystem, double value) {
    return FormatQuantity(baseDecimals, quantity, unitSystem, value);
}

} // namespace

int SearchModeOf(ESpeedPage page, bool reinforced, bool manualSpeed) {
    switch (page) {
    case ESpeedPage::Fixed:
        return manualSpeed ? SearchManualSpeed : SearchFixedSpeed;
    case ESpeedPage::Cart:
        return SearchCart;
    default:
        return reinforced ? SearchComputedReinforced : SearchComputedSpeed;
    }
}

ESpeedPage PageOfSearchMode(int mode) {
    if (mode == SearchFixedSpeed || mode == SearchManualSpeed) return ESpeedPage::Fixed;
    if (mode == SearchCart) return ESpeedPage::Cart;
    return ESpeedPage::Computed;
}

TAuswahlParam ReadRequestInput(const TAuswahlParam& current, const TRequestInput& input,
                               int unitSystem) {
    TAuswahlParam r = current;
    TakeNumber(input.D2Min, kQuantityLength, unitSystem, r.D2Min);
    TakeNumber(input.D2Max, kQuantityLength, unitSystem, r.D2Max);
    TakeNumber(input.WidthMin, kQuantityLength, unitSystem, r.WidthMin);
    TakeNumber(input.WidthMax, kQuantityLength, unitSystem, r.WidthMax);
    TakeNumber(input.Flow, kQuantityFlow, unitSystem, r.RequestedFlow);
    TakeNumber(input.Pressure, kQuantityPressure, unitSystem, r.RequestedPressure);
    TakeNumber(input.Density, kQuantityDensity, unitSystem, r.RequestedDensity);
    TakeNumber(input.Tolerance, 0, unitSystem, r.Tolerance);
    TakeNumber(input.Speed, 0, unitSystem, r.GivenSpeed);
    TakeNumber(input.MaxSpeed, 0, unitSystem, r.MaxSpeed);
    if (input.SliderMax) {
        const double end = ParseNumber(*input.SliderMax);
        r.SliderMax = static_cast<std::int32_t>(RoundHalfEven(
            std::isfinite(end) ? std::clamp(end, 1.0, static_cast<double>(kMaxSliderSpeed)) : 1.0));
    }
    if (input.HousingAngle) {
        const std::string& angle = *input.HousingAngle;
        r.HousingAngle = angle == Txt(TextId::AllAngles) ? std::string() : angle;
    }
    if (input.TypeGroup) r.TypeGroup = std::max(*input.TypeGroup, 0);
    if (input.FanLayout) r.FanLayout = std::clamp(*input.FanLayout, 0, 2);
    TakePosition(input.FixedQuantity, r.FixedQuantity);
    TakePosition(input.SortKey, r.SortKey);
    if (input.SearchMode) r.SearchMode = *input.SearchMode;
    ClampRequest(r);
    r.DensityNonStd = IsNonStandardDensity(r.RequestedDensity);
    return r;
}

TRequestView ShowRequestView(const TAuswahlParam& r, int unitSystem,
                             const TWinkelStringList& angles,
                             std::vector<TTypeGroupEntry> typeGroups) {
    TRequestView v;
    for (const double d2 : kStandardDiameters)
        v.Diameters.push_back(Shown(0, kQuantityLength, unitSystem, d2));
    v.D2MinPosition = StandardDiameterIndex(r.D2Min);
    v.D2MaxPosition = std::max(StandardDiameterIndex(r.D2Max), v.D2MinPosition);
    v.WidthMin = Shown(0, kQuantityLength, unitSystem, r.WidthMin);
    v.WidthMax = Shown(0, kQuantityLength, unitSystem, r.WidthMax);
    v.Flow = Shown(0, kQuantityFlow, unitSystem, r.RequestedFlow);
    v.Pressure = Shown(0, kQuantityPressure, unitSystem, r.RequestedPressure);
    v.Density = Shown(3, kQuantityDensity, unitSystem, r.RequestedDensity);
    v.Tolerance = FormatDouble(r.Tolerance);
    v.Speed = FormatDouble(r.GivenSpeed);
    v.MaxSpeed = FormatDouble(r.MaxSpeed);
    v.SliderMax = std::to_string(r.SliderMax);
    v.SliderPosition =
        static_cast<int>(RoundHalfEven(std::min(static_cast<double>(r.SliderMax), r.GivenSpeed)));

    v.HousingAngles.push_back(Txt(TextId::AllAngles));
    v.HousingAngles.insert(v.HousingAngles.end(), angles.Items().begin(), angles.Items().end());
    if (!r.HousingAngle.empty()) {
        const auto it =
            std::find(v.HousingAngles.begin() + 1, v.HousingAngles.end(), r.HousingAngle);
        if (it != v.HousingAngles.end())
            v.HousingAnglePosition = static_cast<int>(it - v.HousingAngles.begin());
    }
    v.HousingAngleEnabled = r.FanLayout == 1 || r.FanLayout == 2;
    v.TypeGroups = std::move(typeGroups);
    for (std::size_t i = 0; i < v.TypeGroups.size(); ++i)
        if (v.TypeGroups[i].Group == r.TypeGroup) v.TypeGroupPosition = static_cast<int>(i);

    v.FanLayout = r.FanLayout;
    v.FixedQuantity = r.FixedQuantity;
    v.SortKey = r.SortKey;
    v.Page = PageOfSearchMode(r.SearchMode);
    v.Reinforced = r.SearchMode == SearchComputedReinforced;
    v.ManualSpeed = r.SearchMode == SearchManualSpeed;

    v.LengthUnit = UnitLabel(kQuantityLength, unitSystem);
    v.FlowUnit = UnitLabel(kQuantityFlow, unitSystem);
    v.PressureUnit = UnitLabel(kQuantityPressure, unitSystem);
    v.DensityUnit = UnitLabel(kQuantityDensity, unitSystem);
    v.SpeedUnit = UnitLabel(kQuantitySpeed, unitSystem);
    return v;
}

} // namespace corvane
