#pragma once

#include <optional>
#include <string>

namespace corvane {

// The three pages of the speed choice.
enum class ESpeedPage : int {
    Computed = 0, // "Drehzahl berechnen"
    Fixed = 1,    // "Drehzahl vorgeben"
    Cart = 2,     // "Warenkorb"
};

// The search inputs as a person typed and chose them: numbers as the texts of their boxes in
// the display units of the current unit system ("," or "." as decimal point), list entries
// by position or by the value attached to them. A field left empty keeps the value the
// session holds; the main window fills every field, a command line only those given.
struct TRequestInput {
    std::optional<std::string> D2Min;     // diameter lists, length unit
    std::optional<std::string> D2Max;     // length unit
    std::optional<std::string> WidthMin;  // installed width, length unit
    std::optional<std::string> WidthMax;  // length unit
    std::optional<std::string> Flow;      // volume-flow unit
    std::optional<std::string> Pressure;  // pressure unit
    std::optional<std::string> Density;   // density unit
    std::optional<std::string> Tolerance; // per cent
    std::optional<std::string> Speed;     // given speed, 1/min
    std::optional<std::string> MaxSpeed;  // 1/min
    std::optional<std::string> SliderMax; // upper end of the speed slider, 1/min
    // Text of the chosen housing angle; empty or the " * alle * " entry for any angle.
    std::optional<std::string> HousingAngle;
    std::optional<int> TypeGroup;     // group attached to the chosen type entry, -1 for none
    std::optional<int> FanLayout;     // position in the layout list
    std::optional<int> FixedQuantity; // position in the deviation list, -1 for none
    std::optional<int> SortKey;       // position in the sort list, -1 for none
    // Speed mode, from the page and its check boxes: SearchModeOf.
    std::optional<int> SearchMode;
};

// Speed mode of a page and its check boxes: computed 0, or 3 with reinforced versions;
// given 1, or 2 with the manual variation; the cart 4.
int SearchModeOf(ESpeedPage page, bool reinforced, bool manualSpeed);
// The page that shows a speed mode: modes 1 and 2 the given-speed page, 4 the cart, every
// other the computed-speed page.
ESpeedPage PageOfSearchMode(int mode);

} // namespace corvane
