#include "physics/TDensityInput.h"

#include "physics/AirDensity.h"
#include "util/Numbers.h"

#include <algorithm>

namespace corvane {

void TDensityInput::TypeDensity(double density) {
    density_ = TypedDensity(density);
    pressure_ = 0;
    temperature_ = 0;
    modified_ = true;
}

void TDensityInput::TypeAirState(double pressurePa, double temperatureC) {
    temperature_ = std::max(temperatureC, kLowestTemperature);
    pressure_ = pressurePa;
    density_ = DryAirDensity(pressure_, temperature_);
    modified_ = true;
}

std::string TDensityInput::RememberedText() const {
    return FormatDouble(temperature_) + " " + FormatDouble(pressure_);
}

void TDensityInput::Remember(std::string_view text) {
    const std::size_t blank = text.find(' ');
    temperature_ = ParseNumber(text.substr(0, blank));
    pressure_ = blank == std::string_view::npos ? 0.0 : ParseNumber(text.substr(blank + 1));
}

} // namespace corvane
