#pragma once

#include "SeriesPoints.h"

#include <array>
#include <cstdint>

namespace corvane {

class TMdbMw;
class TMdbRecord;
class TRandom;

// What the editor tells the rig about the series being measured (its output channels 1 and
// 4..9).
struct TRigSeries {
    std::int32_t SeriesNo = 0;
    double OutletArea = 0; // m²
    double Nozzle = 0;     // nozzle or orifice diameter, mm
    double Pipe = 0;       // orifice pipe diameter, mm; 0 with a nozzle
    std::int32_t Rig = 0;  // test rig code 1..4
    double RigSize = 0;
    double Diameter = 0; // impeller, mm

    bool operator==(const TRigSeries&) const = default;
};

// The scripted fan of the rig simulator: a backward-curved impeller of the series' diameter
// on an induction motor, measured on the series' rig with its metering, at points from free
// blowing towards shut-off. Raw readings come from the demo generator's fan physics, so the
// point evaluation gives a plausible characteristic back.
class TRigScript {
public:
    TRigScript(const TRigSeries& series, int pointCount);

    int PointCount() const { return count_; }
    // Sound instrument of the rig: three microphones in the reverberation room (their levels
    // come from the acoustic analyser), a sound level meter elsewhere.
    std::int32_t SoundInstrument() const { return plan_.SoundInstrument; }
    // Writes the raw readings RT .. RES11 of point `index` (0 = free blowing) into `point`. A
    // point still settling scatters by a few per cent.
    void Readings(int index, bool settled, TRandom& random, TMdbMw& table, TMdbRecord* point) const;
    // Volume flow (m³/h) and static pressure (Pa) of a point at standard density.
    double Flow(int index) const;
    double Pressure(int index) const;

private:
    double X(int index) const;

    TSeriesPlan plan_;
    int count_;
};

} // namespace corvane
