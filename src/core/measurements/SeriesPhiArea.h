#pragma once

namespace corvane {

// Reference area A0 of the flow coefficient (m²) from the impeller diameter D2 and the
// second dimension b (both mm) for the phi type of a series: 0 VDI 2044 π D2²/4 (b unused),
// 1 axial π (D2² - b²)/4 with b the hub diameter, 2 radial and 3 mixflow π D2 b,
// 4 cross-flow D2 b. Unknown types give -1.
double PhiAreaFromDimensions(int phiType, double d2mm, double bmm);

// The second dimension b (mm) that gives the area `a0` (m²) with diameter D2 (mm); -1 when
// there is none (type 0, a non-positive result or diameter, an unknown type).
double SecondDimensionFromPhiArea(int phiType, double d2mm, double a0);

} // namespace corvane
