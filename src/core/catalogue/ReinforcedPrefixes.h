#pragma once

#include <string_view>

namespace corvane {

// Beginnings of the impeller type designations of the families built in a reinforced design,
// which may run above their maximum speed. Catalogue conventions of the demo data.
inline constexpr std::string_view ReinforcedPrefix1 = "VR";    // first kind
inline constexpr std::string_view ReinforcedExclude1 = "VRS";  // not reinforced: prefix + letter
inline constexpr std::string_view ReinforcedExclude2 = "VR70"; // not reinforced: prefix + "70"
inline constexpr std::string_view ReinforcedPrefix2 = "H";     // second kind

} // namespace corvane
