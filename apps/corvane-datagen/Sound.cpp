#include "Sound.h"

#include <algorithm>
#include <cmath>

namespace corvane {

const std::array<double, TSound::kBands>& TSound::BandFrequencies() {
    static const std::array<double, kBands> f = {50,   63,   80,   100,  125,  160,  200,  250,
                                                 315,  400,  500,  630,  800,  1000, 1250, 1600,
                                                 2000, 2500, 3150, 4000, 5000, 6300, 8000, 10000};
    return f;
}

const std::array<double, TSound::kBands>& TSound::AWeights() {
    // The tabulated values of the class-1 sound level meter at the nominal frequencies.
    static const std::array<double, kBands> a = {
        -30.2, -26.2, -22.5, -19.1, -16.1, -13.4, -10.9, -8.6, -6.6, -4.8, -3.2, -1.9,
        -0.8,  0.0,   0.6,   1.0,   1.2,   1.3,   1.2,   1.0,  0.5,  -0.1, -1.1, -2.5};
    return a;
}

double TSound::AWeightAt(double f) {
    const double f2 = f * f;
    const double ra = 12194.0 * 12194.0 * f2 * f2 /
                      ((f2 + 20.6 * 20.6) * std::sqrt((f2 + 107.7 * 107.7) * (f2 + 737.9 * 737.9)) *
                       (f2 + 12194.0 * 12194.0));
    return 20 * std::log10(ra) + 2.0;
}

int TSound::BandOf(double frequency) {
    if (!(frequency > 0)) return 0;
    // Band k has the exact centre 1000 * 10^((k - 13) / 10).
    const int band = static_cast<int>(std::lround(10 * std::log10(frequency / 1000.0))) + 13;
    return std::clamp(band, 0, kBands - 1);
}

TSound::TSound(const std::array<double, 8>& octaveShape) {
    // Each octave holds three bands; inside it the level follows the slope towards the
    // neighbouring octaves, and the three bands share the octave's energy.
    for (int o = 0; o < 8; ++o) {
        const double down = o > 0 ? octaveShape[o] - octaveShape[o - 1] : 0;
        const double up = o < 7 ? octaveShape[o + 1] - octaveShape[o] : down;
        const double lower = octaveShape[o] - down / 3;
        const double upper = octaveShape[o] + up / 3;
        const double shares[3] = {lower, octaveShape[o], upper};
        double sum = 0;
        for (double s : shares)
            sum += std::pow(10, s / 10);
        for (int j = 0; j < 3; ++j)
            relative_[3 * o + j] =
                shares[j] + 10 * std::log10(std::pow(10, octaveShape[o] / 10) / sum);
    }
    double total = 0;
    for (double r : relative_)
        total += std::pow(10, r / 10);
    const double norm = 10 * std::log10(total);
    for (double& r : relative_)
        r -= norm;
}

TSound::TBands TSound::PowerBands(double lw, double toneFrequency, double toneAbove) const {
    TBands bands{};
    for (int b = 0; b < kBands; ++b)
        bands[b] = lw + relative_[b];
    if (toneAbove > 0 && toneFrequency > 0) {
        const int b = BandOf(toneFrequency);
        bands[b] = 10 * std::log10(std::pow(10, bands[b] / 10) +
                                   std::pow(10, (bands[b] + toneAbove) / 10));
    }
    return bands;
}

double TSound::Overall(const TBands& bands) {
    double sum = 0;
    for (double l : bands)
        sum += std::pow(10, l / 10);
    return 10 * std::log10(sum);
}

double TSound::OverallA(const TBands& bands) {
    double sum = 0;
    for (int b = 0; b < kBands; ++b)
        sum += std::pow(10, (bands[b] + AWeights()[b]) / 10);
    return 10 * std::log10(sum);
}

} // namespace corvane
