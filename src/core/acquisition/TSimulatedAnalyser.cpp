#include "acquisition/TSimulatedAnalyser.h"

#include "acquisition/TClock.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace corvane {

namespace {

// The function data covers one band below and one above the 24 bands the editor takes.
constexpr std::array<double, 26> kFrequencies = {
    40,  50,   63,   80,   100,  125,  160,  200,  250,  315,  400,  500,   630,
    800, 1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000, 6300, 8000, 10000, 12500};
constexpr std::array<double, 26> kAWeights = {
    -34.6, -30.2, -26.2, -22.5, -19.1, -16.1, -13.4, -10.9, -8.6, -6.6, -4.8, -3.2, -1.9,
    -0.8,  0.0,   0.6,   1.0,   1.2,   1.3,   1.2,   1.0,   0.5,  -0.1, -1.1, -2.5, -4.3};
constexpr std::array<double, 3> kPositionOffsets = {0.0, 1.4, -0.9};

// Relative band level (dB) of broadband fan noise with a blade tone at 250 Hz.
double Shape(double frequency) {
    const double octaves = std::log2(frequency / 500.0);
    double level = -2.5 * octaves * octaves - 1.5 * octaves;
    if (std::lround(frequency) == 250) level += 6;
    return level;
}

} // namespace

TSimulatedAnalyser::TSimulatedAnalyser(const TClock& clock, std::int64_t durationMs,
                                       double overallLevel)
    : clock_(clock), durationMs_(durationMs < 0 ? 0 : durationMs), overallLevel_(overallLevel) {}

bool TSimulatedAnalyser::StartMeasurement() {
    running_ = true;
    seenRunning_ = false;
    startedMs_ = clock_.NowMs();
    ++measurements_;
    return true;
}

// A started measurement is seen running at least once, however short it is.
bool TSimulatedAnalyser::StartEnabled() {
    if (running_ && seenRunning_ && clock_.NowMs() - startedMs_ >= durationMs_) running_ = false;
    seenRunning_ = true;
    return !running_;
}

TAnalyserDisplay TSimulatedAnalyser::ReadDisplay(int position) {
    TAnalyserDisplay display;
    if (position < 1 || position > 3) return display;
    // Scatter of a few tenths of a dB, the same for a given measurement and position.
    const double scatter = 0.3 * std::sin(1.7 * measurements_ + 2.3 * position);
    const double offset = kPositionOffsets[static_cast<std::size_t>(position - 1)] + scatter;

    double sum = 0;
    double sumA = 0;
    std::array<double, kFrequencies.size()> bands{};
    for (std::size_t i = 0; i < kFrequencies.size(); ++i) {
        bands[i] = Shape(kFrequencies[i]);
        if (i > 0 && i + 1 < kFrequencies.size()) sum += std::pow(10.0, bands[i] / 10);
    }
    // Scale the spectrum so that the 24 bands from 50 Hz sum to the overall level.
    const double shift = overallLevel_ + offset - 10 * std::log10(sum);
    sum = 0;
    for (std::size_t i = 0; i < kFrequencies.size(); ++i) {
        bands[i] += shift;
        display.Frequencies.push_back(kFrequencies[i]);
        display.Values.push_back(4e-10 * std::pow(10.0, bands[i] / 10));
        if (i == 0 || i + 1 == kFrequencies.size()) continue;
        sum += std::pow(10.0, bands[i] / 10);
        sumA += std::pow(10.0, (bands[i] + kAWeights[i]) / 10);
    }
    display.AcceptedInMultibuffer = true;
    char text[64];
    std::snprintf(text, sizeof text, "L: %.1f dB  A: %.1f dB(A)", 10 * std::log10(sum),
                  10 * std::log10(sumA));
    display.CursorReading = text;
    return display;
}

} // namespace corvane
