#pragma once

#include "FanShapes.h"
#include "RawReadings.h"

#include <array>
#include <cstdint>

namespace corvane {

class TMdbMw;

// Everything that decides the points of one generated measurement series.
struct TSeriesPlan {
    std::int32_t SeriesNo = 0;
    TFanShape Shape;
    double Diameter = 0.4;    // measured impeller diameter, m
    double SyncSpeed = 1500;  // synchronous speed of the drive, 1/min
    double RatedSlip = 0.03;  // slip at rated load
    double RatedPower = 4000; // motor rating, W
    double MotorEta = 0.86;   // motor efficiency at rated load
    double CosPhi = 0.85;     // power factor at rated load
    int Phases = 3;
    double Voltage = 230; // phase voltage, V
    TRigAir Air;
    TMetering Metering;
    int PointCount = 20;
    std::uint64_t Seed = 0;
    std::int32_t TorqueInstrument = 0;
    std::int32_t PowerInstrument = 0;
    // Sound: instrument 0 means no sound readings.
    std::int32_t SoundInstrument = 0;
    double Kw = 35; // specific sound power level at the best point, dB
    std::array<double, 8> Octaves{};
    int Blades = 10;
    double ToneAbove = 6;
    std::array<double, 3> MicrophoneOffsets{};
};

// Generates the raw readings of a series from its plan: the fan shape at the rig speed, the
// speed of an induction motor that droops with the load, the motor's losses and power
// factor over the load, and the sound of the specific-sound-power model.
class TSeriesPoints {
public:
    // Relative flows of the points: shut-off first, free delivery last.
    static std::array<double, 32> RelativeFlows(const TSeriesPlan& plan, int& count);
    // True values of the point at relative flow x.
    static TTruePoint TruePointAt(const TSeriesPlan& plan, double x);
    // Band sound pressure levels at 1 m of the point at relative flow x.
    static TSound::TBands SoundAt(const TSeriesPlan& plan, double x, const TTruePoint& truth);
    // Largest shaft power over the curve at synchronous speed (sizing the motor), W.
    static double PeakShaftPower(const TSeriesPlan& plan);
    // Shifts Kw so that the A-weighted level at 1 m stays within 50..100 dB(A).
    static void FitSoundLevel(TSeriesPlan& plan);
    // Appends the points of the series to `table` (raw readings only).
    static void Fill(const TSeriesPlan& plan, TMdbMw& table);
};

} // namespace corvane
