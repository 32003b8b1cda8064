#pragma once

#include "session/TRequestView.h"

#include <vector>

namespace corvane {

struct TAuswahlParam;
class TWinkelStringList;

// The rules between the input controls and the request (base units).
//
// Reading: every typed number goes through the tolerant number parser (an unreadable text
// reads as 0) and, where it has a unit, from the display unit of `unitSystem` to the base
// unit; then the request bounds apply (ClampRequest): flow, pressure, speeds and density at
// least 0.1, tolerance at least 0.01, D2 min at least 67 mm and max at least min, widths at
// least 0 and max at least min, the slider end 1..99999 rounded, a list without a chosen
// entry reads as its first entry. Fields the input leaves empty keep `current`.
TAuswahlParam ReadRequestInput(const TAuswahlParam& current, const TRequestInput& input,
                               int unitSystem);

// Showing: the diameter lists get the 30 standard diameters in the length unit, each
// selecting the last one within ±2 mm of the request's limit (the first when none is); the
// widths, flow and pressure are shown with the display decimals of base 0, the density with
// those of base 3; tolerance and speeds as plain numbers. The housing-angle list is the
// " * alle * " entry followed by `angles`, selecting the request's angle (the first entry when
// it is not listed); the type list is `typeGroups`, selecting the request's group.
TRequestView ShowRequestView(const TAuswahlParam& request, int unitSystem,
                             const TWinkelStringList& angles,
                             std::vector<TTypeGroupEntry> typeGroups);

} // namespace corvane
