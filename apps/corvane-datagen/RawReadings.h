#pragma once

#include "Sound.h"

#include <array>
#include <cstdint>

namespace corvane {

class TMdbMw;
class TMdbRecord;
class TRandom;

// Ambient air of a test.
struct TRigAir {
    double Temperature = 20; // °C
    double Humidity = 50;    // relative, %
    double Pressure = 1013;  // barometric, hPa
};

// How the flow was metered: nozzle (1) or orifice (2) with their diameters in mm.
struct TMetering {
    int Method = 1;
    double Diameter = 325;
    double PipeDiameter = -1;
};

// The electrical side of a point: how many phases were read (0 none, 1 or 3), the input
// power at standard density (W), phase voltage (V) and power factor.
struct TElectrical {
    int Phases = 3;
    double Power = 0;
    double Voltage = 230;
    double CosPhi = 0.8;
};

// The "true" quantities of one point: at the measured speed and normalised to the standard
// density, exactly what the evaluation of the raw readings has to give back.
struct TTruePoint {
    double Flow = 0;       // m³/h
    double PressureFa = 0; // static pressure, Pa
    double ShaftPower = 0; // W
    double Speed = 0;      // 1/min
    TElectrical Electrical;
};

// Sound readings of a point: band pressure levels at 1 m and the instrument record that
// measured them (the three-microphone instrument writes three positions).
struct TSoundReading {
    TSound::TBands Bands{};
    std::int32_t Instrument = 0;
    std::array<double, 3> MicrophoneOffsets{}; // dB, three-microphone instrument only
};

// Turns true point values into the raw test-rig readings that the point evaluation maps back
// onto them: pressures and powers are scaled from the standard density to the density of
// the test air, torque follows from shaft power and speed, the phase powers from the input
// power.
class TRawReadings {
public:
    // Air density (kg/m³) that the evaluation derives from the ambient readings.
    static double Density(const TRigAir& air);

    static void Write(TMdbMw& table, TMdbRecord* point, const TRigAir& air,
                      const TMetering& metering, const TTruePoint& truth, TRandom& random);
    // Writes the LP family (and for the three-microphone instrument LP1..LP3) and the
    // instrument code; the LP family holds the energy mean of the three positions.
    static void WriteSound(TMdbMw& table, TMdbRecord* point, const TSoundReading& sound,
                           TRandom& random);
};

} // namespace corvane
