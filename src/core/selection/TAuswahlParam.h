#pragma once

#include "physics/AirDensity.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace corvane {

// The smallest and largest of the 30 standard impeller diameters (mm).
inline constexpr double kSmallestStandardDiameter = 67.0;
inline constexpr double kLargestStandardDiameter = 1000.0;
// Type group that holds every impeller type.
inline constexpr std::int32_t kAllTypesGroup = 21;
inline constexpr std::int32_t kMaxSliderSpeed = 99999;
// Characters kept of a housing angle.
inline constexpr std::size_t kHousingAngleLength = 8;

// Speed modes of the search.
enum ESearchMode : std::int32_t {
    SearchComputedSpeed = 0,      // speed through the operating point, no reinforced versions
    SearchFixedSpeed = 1,         // given speed, point within the tolerance
    SearchManualSpeed = 2,        // given speed from the slider, every impeller listed
    SearchComputedReinforced = 3, // as 0, reinforced versions allowed
    SearchCart = 4,               // only the cart entries
};

// The selection request. Physical values in base units (m³/h, Pa, kg/m³, mm, 1/min). The
// member defaults are the defaults of the user settings (a selection file has its own).
struct TAuswahlParam {
    double RequestedFlow = 3000.0;              // "AuswV", >= 0.1
    double RequestedPressure = 500.0;           // "AuswP", >= 0.1
    double Tolerance = 5.0;                     // "AuswDproz", percent, >= 0.01
    double GivenSpeed = 1450.0;                 // "AuswN", >= 0.1
    double MaxSpeed = 3000.0;                   // "AuswNmax", >= 0.1
    double RequestedDensity = kStandardDensity; // "AuswRho", >= 0.1
    double D2Min = 67.0;                        // "AuswD2min", >= smallest standard diameter
    double D2Max = 1000.0;                      // "AuswD2max", >= D2Min
    double WidthMin = 0.0;                      // "AuswEinbhMin", >= 0
    double WidthMax = 1500.0;                   // "AuswEinbhMax", >= WidthMin
    std::int32_t FixedQuantity = 1; // "AuswDart": 0 flow may deviate, 1 pressure may deviate
    std::int32_t SliderMax = 3000;  // "AuswSlmax", 1 ... 99999
    std::int32_t TypeGroup = 1;     // "AuswTypNr", 0 ... 21 (21 = all)
    std::int32_t FanLayout = 0;     // "AuswFlut": 0 single w/o housing, 1 single, 2 double
    std::int32_t SearchMode = 1;    // "AuswArt", ESearchMode
    std::int32_t SortKey = 0;       // "AuswSort", 0 ... 6
    bool DensityNonStd = false;     // set by the search
    std::string HousingAngle;       // "AuswGehWinkel", at most 8 characters, empty = any

    bool operator==(const TAuswahlParam&) const = default;
};

// Applies the bounds a request gets when it is read back from the input controls: minimum
// values, ordered ranges, the slider range, enumerations that no control can show fall back
// to their first entry, and the housing angle is cut to 8 characters. Non-finite numbers
// become the minimum of their field.
void ClampRequest(TAuswahlParam& request);

} // namespace corvane
