#pragma once

#include "session/TRequestInput.h"
#include "session/TRequestView.h"

namespace corvane::test {

// The inputs of controls that show `v`: every box's text, every list's chosen entry.
inline TRequestInput InputOfView(const TRequestView& v) {
    TRequestInput in;
    in.D2Min = v.Diameters[static_cast<std::size_t>(v.D2MinPosition)];
    in.D2Max = v.Diameters[static_cast<std::size_t>(v.D2MaxPosition)];
    in.WidthMin = v.WidthMin;
    in.WidthMax = v.WidthMax;
    in.Flow = v.Flow;
    in.Pressure = v.Pressure;
    in.Density = v.Density;
    in.Tolerance = v.Tolerance;
    in.Speed = v.Speed;
    in.MaxSpeed = v.MaxSpeed;
    in.SliderMax = v.SliderMax;
    in.HousingAngle = v.HousingAngles[static_cast<std::size_t>(v.HousingAnglePosition)];
    in.TypeGroup = v.TypeGroupPosition < 0
                       ? -1
                       : v.TypeGroups[static_cast<std::size_t>(v.TypeGroupPosition)].Group;
    in.FanLayout = v.FanLayout;
    in.FixedQuantity = v.FixedQuantity;
    in.SortKey = v.SortKey;
    in.SearchMode = SearchModeOf(v.Page, v.Reinforced, v.ManualSpeed);
    return in;
}

} // namespace corvane::test
