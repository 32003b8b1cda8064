#pragma once

#include "measurements/TMdbMwFieldNo.h"

#include <array>

namespace corvane {

struct TAnalyserDisplay;
class TMdbMw;
class TMdbRecord;

// Levels of one microphone position taken from an analyser display; -1 where the display
// gave nothing usable.
struct TMicrophoneLevels {
    float Level = -1;  // unweighted, dB
    float LevelA = -1; // A-weighted, dB(A)
    std::array<float, TMdbMwFieldNo::kBandCount> Bands;

    TMicrophoneLevels() { Bands.fill(-1); }
};

// Reads the levels from a display: the numbers after "L:" and "A:" of the cursor reading,
// and, when the function data was accepted in the multibuffer, the 24 third-octave values
// from the entry at 50 Hz on, as levels 10 log10(p² / 4e-10). Entries missing at the top end
// or without a positive value stay -1.
TMicrophoneLevels LevelsOfDisplay(const TAnalyserDisplay& display);

// Stores the levels of microphone position 1..3 into the point's LPn family; only the
// values the display gave replace the stored ones.
void StoreMicrophoneLevels(TMdbMw& table, TMdbRecord* point, int position,
                           const TMicrophoneLevels& levels);

} // namespace corvane
