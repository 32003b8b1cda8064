#pragma once

#include <array>
#include <cstdint>

namespace corvane {

// The 30 standard impeller diameters (mm) offered by both diameter lists.
inline constexpr std::array<double, 30> kStandardDiameters = {
    67,  76,  85,  97,  100, 108, 120, 133, 140, 146, 157, 160, 180, 187, 200,
    215, 225, 250, 280, 315, 355, 400, 450, 500, 560, 630, 710, 800, 900, 1000};

// Number of impeller type groups with a fixed set of type numbers (0..20); group 21 holds
// every type.
inline constexpr std::int32_t kTypeGroupCount = 21;

// Whether impeller type `typeNo` belongs to type group `group`. Type numbers outside 1..255
// belong only to group 21 ("all"); groups outside 0..21 hold nothing.
bool TypeInGroup(std::int32_t group, std::int32_t typeNo);

// Position of the last standard diameter within ±2 mm of `d2`, 0 when none is.
int StandardDiameterIndex(double d2);

} // namespace corvane
