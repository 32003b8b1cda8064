#pragma once

#include "selection/TypeGroups.h"
#include "session/TRequestInput.h"

#include <string>
#include <vector>

namespace corvane {

// The request as the input controls show it, in the display units of the current unit
// system: texts for the boxes, list contents with the positions to select, and the state of
// the pages and check boxes.
struct TRequestView {
    std::vector<std::string> Diameters; // the 30 standard diameters, length unit
    int D2MinPosition = 0;
    int D2MaxPosition = 0; // never before D2MinPosition
    std::string WidthMin;  // length unit, display decimals
    std::string WidthMax;
    std::string Flow;      // volume-flow unit, display decimals
    std::string Pressure;  // pressure unit
    std::string Density;   // density unit, three decimals in SI
    std::string Tolerance; // plain numbers
    std::string Speed;
    std::string MaxSpeed;
    std::string SliderMax;
    int SliderPosition = 0; // the slider: min(SliderMax, given speed), rounded

    // " * alle * " followed by the catalogue's housing angles, sorted.
    std::vector<std::string> HousingAngles;
    int HousingAnglePosition = 0;
    bool HousingAngleEnabled = false; // only for layouts with housing
    // The type groups offered, and the position of the request's group (-1 when it is not
    // offered).
    std::vector<TTypeGroupEntry> TypeGroups;
    int TypeGroupPosition = -1;

    int FanLayout = 0;
    int FixedQuantity = 0;
    int SortKey = 0;
    ESpeedPage Page = ESpeedPage::Computed;
    bool Reinforced = false;  // "verstärkte Ausführung zulassen"
    bool ManualSpeed = false; // "Drehzahl manuell variieren"

    // Unit labels of the boxes.
    std::string LengthUnit;
    std::string FlowUnit;
    std::string PressureUnit;
    std::string DensityUnit;
    std::string SpeedUnit;
};

} // namespace corvane
