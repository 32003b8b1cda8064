#pragma once

#include <array>

namespace corvane {

// Third-octave band levels of a fan from a specific-sound-power model: the sound power level
// Lw = Kw + 10 log10(Q / 1 m³/s) + 20 log10(p_tot / 1 Pa), spread over the 24 bands 50 Hz ..
// 10 kHz by an octave shape of the family, with a blade-pass tone at z n / 60 on top.
class TSound {
public:
    static constexpr int kBands = 24;
    using TBands = std::array<double, kBands>;

    // Nominal centre frequencies (Hz) and A-weighting (dB) of the bands.
    static const std::array<double, kBands>& BandFrequencies();
    static const std::array<double, kBands>& AWeights();
    // A-weighting of a frequency by the analytic formula of the sound level meter standard.
    static double AWeightAt(double frequency);
    // Band (0..23) whose nominal range holds a frequency, clamped to the ends.
    static int BandOf(double frequency);

    // Relative octave levels 63 Hz .. 8 kHz (dB, any reference) of the broadband noise.
    explicit TSound(const std::array<double, 8>& octaveShape);

    // Band sound power levels for an overall broadband level `lw`, with a tone `toneAbove` dB
    // above the broadband level of the band of `toneFrequency` (no tone when 0 or less).
    TBands PowerBands(double lw, double toneFrequency, double toneAbove) const;

    // Energy sum of the bands, unweighted and A-weighted.
    static double Overall(const TBands& bands);
    static double OverallA(const TBands& bands);

    // Sound pressure level at 1 m in the free field from a sound power level: Lw - 11 dB.
    static constexpr double kPressureAt1m = -11.0;

private:
    TBands relative_{}; // band shares in dB, summing to 0 dB
};

} // namespace corvane
