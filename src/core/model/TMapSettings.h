#pragma once

#include <vector>

namespace corvane {

// The settings of the characteristic map ("Kennlinienfeld"): efficiency lines, speed lines
// from a preferred-number series, power lines and sound lines, each family with the
// polynomial order its lines are drawn with. Program-wide while the program runs.
struct TMapSettings {
    double EtaStep = 5;  // efficiency line spacing, %
    double EtaMin0 = 40; // left efficiency limit, %
    double EtaMin1 = 40; // right efficiency limit, %
    int SpeedSeries = 1; // 0 R20, 1 R10, 2 R5
    int SpeedPoly = 4;   // polynomial order of the speed lines
    double MinSpeed = 0; // 1/min; below 10: the first speed of the series ("min")
    double MaxSpeed = 0; // 1/min; below 10: the last speed of the series ("max")
    double OpSpeed = 0;  // operating speed, 1/min; 0 none
    int PowerSeries = 1; // 0 R20, 1 R10, 2 R5
    int PowerPoly = 3;   // polynomial order of the power lines
    int SoundStep = 5;   // sound line spacing, dB
    int SoundPoly = 3;   // polynomial order of the sound lines

    // The settings as the computation uses them: spacings and limits clamped, series and
    // orders brought into range, "min"/"max" replaced by the ends of the speed series, and
    // MaxSpeed at least MinSpeed + 10.
    TMapSettings Effective() const;

    // The settings the map computation reads; edited by the map settings dialog.
    static TMapSettings& Shared();
};

// The speeds of a preferred-number series (0 R20, 1 R10, 2 R5; clamped), ascending.
std::vector<double> SeriesSpeeds(int series);
// Power line mantissas of one decade (the R20 basic series, 20 values).
const std::vector<double>& PowerMantissas();

// The speeds of the speed lines for effective settings: the minimum speed, the series speeds
// more than 5 % above the last one taken and more than 5 % below the maximum, the operating
// speed (when strictly between minimum and maximum) before the first series speed above it,
// and the maximum speed.
std::vector<double> MapSpeeds(const TMapSettings& effective);

} // namespace corvane
