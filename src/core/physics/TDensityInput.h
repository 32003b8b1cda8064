#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The state behind the density dialog: the density being edited, the air pressure and
// temperature it may be worked out from, and whether the user changed anything. Values are
// in base units (kg/m³, Pa, °C); the dialog converts them from and to its unit system.
class TDensityInput {
public:
    explicit TDensityInput(double density) : density_(density) {}

    double Density() const { return density_; }
    double Pressure() const { return pressure_; }       // Pa, 0 when not entered
    double Temperature() const { return temperature_; } // °C, 0 when not entered
    bool Modified() const { return modified_; }
    void ResetModified() { modified_ = false; }

    // The density typed directly: at least 0.1; pressure and temperature are forgotten.
    void TypeDensity(double density);
    // Pressure or temperature typed: the density follows from both (dry air, rounded to three
    // decimals); the temperature is taken as at least -272 °C.
    void TypeAirState(double pressurePa, double temperatureC);

    // The remembered text kept between uses: temperature and pressure, one blank apart.
    std::string RememberedText() const;
    // Takes temperature and pressure from a remembered text; missing numbers read as 0.
    void Remember(std::string_view text);

private:
    double density_;
    double pressure_ = 0;
    double temperature_ = 0;
    bool modified_ = false;
};

} // namespace corvane
