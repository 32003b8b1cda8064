#pragma once

namespace corvane {

// Fan Energy Index on the total-pressure basis in SI units: the electrical input of a
// reference fan for the same duty over the fan's own electrical input. 1.0 or more passes.

// Air power of the reference fan (kW) for a flow in m³/s, a total pressure in Pa and an air
// density in kg/m³.
double ReferenceFanPower(double flowM3s, double totalPressurePa, double density);
// Reference transmission efficiency (fraction) at a reference fan power in kW.
double ReferenceTransmissionEfficiency(double fanPowerKw);
// Reference motor efficiency (fraction) at a motor output in kW.
double ReferenceMotorEfficiency(double motorOutputKw);
// Electrical input of the reference fan (kW).
double ReferenceFanElectricalPower(double flowM3s, double totalPressurePa, double density);
// Electrical input (kW) of a fan without its own motor: its shaft power on a direct drive
// over the reference motor. -1 for a shaft power not above 0.
double ReferenceMotorInput(double shaftKw);

inline constexpr double kFeiPassLimit = 1.0;

struct TFanEnergyIndex {
    bool Applies = false;            // the duty point and the fan's input are known
    bool ElectricalMeasured = false; // FepAct from the measured electrical power
    double FepRef = -1;              // kW
    double FepAct = -1;              // kW
    double Fei = -1;
    bool Pass() const { return Applies && Fei >= kFeiPassLimit; }
};

// The index of a fan with electrical input `fepActKw` at the duty point (flow m³/s, total
// pressure Pa, density kg/m³). Not applicable when a value is missing or not above 0.
TFanEnergyIndex FanEnergyIndex(double flowM3s, double totalPressurePa, double density,
                               double fepActKw, bool measured);

} // namespace corvane
