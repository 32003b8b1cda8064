#include "model/TMapSettings.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

// The R20 speeds 400..5600 1/min; R10 takes every second, R5 every fourth up to 4000.
constexpr std::array<double, 24> kR20{400,  450,  500,  560,  630,  710,  800,  900,
                                      1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240,
                                      2500, 2800, 3150, 3550, 4000, 4500, 5000, 5600};
constexpr std::array<double, 12> kR10{400,  500,  630,  800,  1000, 1250,
                                      1600, 2000, 2500, 3150, 4000, 5000};
constexpr std::array<double, 6> kR5{400, 630, 1000, 1600, 2500, 4000};

} // namespace

TMapSettings TMapSettings::Effective() const {
    TMapSettings e = *this;
    e.EtaStep = std::clamp(EtaStep, 2.0, 100.0);
    e.EtaMin0 = std::clamp(EtaMin0, 0.0, 100.0);
    e.EtaMin1 = std::clamp(EtaMin1, 0.0, 100.0);
    e.SpeedSeries = std::clamp(SpeedSeries, 0, 2);
    e.PowerSeries = std::clamp(PowerSeries, 0, 2);
    e.SpeedPoly = std::clamp(SpeedPoly, 2, 9);
    e.PowerPoly = std::clamp(PowerPoly, 2, 9);
    e.SoundPoly = std::clamp(SoundPoly, 2, 9);
    e.SoundStep = std::clamp(SoundStep, 2, 10);
    const std::vector<double> speeds = SeriesSpeeds(e.SpeedSeries);
    const double lo = MinSpeed < 10 ? speeds.front() : MinSpeed;
    const double hi = MaxSpeed < 10 ? speeds.back() : MaxSpeed;
    e.MinSpeed = std::clamp(lo, 10.0, 9990.0);
    e.MaxSpeed = std::clamp(hi, e.MinSpeed + 10, 10000.0);
    return e;
}

TMapSettings& TMapSettings::Shared() {
    static TMapSettings settings;
    return settings;
}

std::vector<double> SeriesSpeeds(int series) {
    switch (std::clamp(series, 0, 2)) {
    case 0:
        return {kR20.begin(), kR20.end()};
    case 1:
        return {kR10.begin(), kR10.end()};
    default:
        return {kR5.begin(), kR5.end()};
    }
}

const std::vector<double>& PowerMantissas() {
    static const std::vector<double> mantissas{1.0,  1.12, 1.25, 1.4,  1.6,  1.8, 2.0,
                                               2.24, 2.5,  2.8,  3.15, 3.55, 4.0, 4.5,
                                               5.0,  5.6,  6.3,  7.1,  8.0,  9.0};
    return mantissas;
}

std::vector<double> MapSpeeds(const TMapSettings& effective) {
    const double nMin = effective.MinSpeed;
    const double nMax = effective.MaxSpeed;
    const double nOp = effective.OpSpeed;
    bool opPending = nOp > nMin && nOp < nMax;
    std::vector<double> speeds{nMin};
    for (const double s : SeriesSpeeds(effective.SpeedSeries)) {
        if (opPending && s > nOp) {
            speeds.push_back(nOp);
            opPending = false;
        }
        if (s > 1.05 * speeds.back() && s < 0.95 * nMax) speeds.push_back(s);
    }
    if (opPending) speeds.push_back(nOp);
    speeds.push_back(nMax);
    return speeds;
}

} // namespace corvane
