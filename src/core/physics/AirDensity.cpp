#include "physics/AirDensity.h"

#include <algorithm>
#include <cmath>

namespace corvane {

double DryAirDensity(double pressurePa, double temperatureC) {
    const double t = std::max(temperatureC, kLowestTemperature);
    const double p = std::max(pressurePa, 0.0);
    return std::trunc(p / ((t + 273.0) * 287.0) * 1000.0 + 0.5) / 1000.0;
}

double TypedDensity(double density) {
    return std::max(density, kLowestTypedDensity);
}

} // namespace corvane
