// density: dry-air density from an absolute air pressure and a temperature, as the density
// dialog works it out.
#include "CliArgs.h"
#include "Commands.h"
#include "i18n/Language.h"
#include "physics/AirDensity.h"
#include "units/Units.h"
#include "util/Numbers.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <stdexcept>
#include <string>

namespace corvane::cli {

namespace {

constexpr int kTemperatureQuantity = 6;
constexpr int kPressureQuantity = 9;
constexpr int kDensityQuantity = 15;
constexpr int kDensityDecimals = 3;

// A required option, typed in the screen unit system like the dialog's boxes.
double Required(const CliArgs& args, const std::string& name, int quantity, int units) {
    if (!args.Has(name)) throw std::invalid_argument("density: --" + name + " is needed");
    const double value = args.Number(name, 0);
    if (!std::isfinite(value)) throw std::invalid_argument("--" + name + ": not a finite number");
    return FromDisplay(quantity, units, value);
}

} // namespace

int RunDensity(const CliArgs& args) {
    const std::string format = args.Value("format", "tsv");
    if (format != "tsv" && format != "json") throw std::invalid_argument("--format: tsv or json");
    const int units = ScreenUnitSystem();
    const double pressure = Required(args, "pressure", kPressureQuantity, units);
    const double temperature =
        std::max(Required(args, "temperature", kTemperatureQuantity, units), kLowestTemperature);
    const double density = DryAirDensity(pressure, temperature);
    const std::string shown = FormatQuantity(kDensityDecimals, kDensityQuantity, units, density);
    const std::string unit = UnitLabel(kDensityQuantity, units);
    if (format == "json") {
        std::cout << "{\"density\":" << FormatDouble(density) << ",\"shown\":\"" << shown
                  << "\",\"unit\":\"" << unit << "\",\"pressure\":" << FormatDouble(pressure)
                  << ",\"temperature\":" << FormatDouble(temperature) << "}\n";
    } else {
        std::cout << shown << '\t' << unit << '\n';
    }
    return 0;
}

} // namespace corvane::cli
