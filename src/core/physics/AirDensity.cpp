#include "physics/AirDensity.h"

#include <algorithm>
#include <cmath>

namespace corvane {

double DryAirDensity(double pressurePa, double temperatureC) {
    const double t = std::max(temperatureC, kLowestTemperature);
    const double p = std::max(pressurePa, 0.0);
    return std::trunc(p / ((t + 273.0) * 287.0) * 1000.0 + 0.5) / 1000.0;
}

bool IsNonStandardDensity(double density) {
    // The boundary belongs to the non-standard side as typed: 1.204 and 1.206 differ, in
    // double and in single precision alike (1.205 - 1.204 is a hair below 0.001 in binary).
    return std::fabs(density - kStandardDensity) >= 0.001 - 1e-6;
}

double TypedDensity(double density) {
    return std::max(density, kLowestTypedDensity);
}

} // namespace corvane
