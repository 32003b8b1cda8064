#pragma once

#include <cstdint>

namespace corvane {

// Fan types the ecodesign rules know; the impeller type number decides.
enum class EFanType { NotRated, ForwardCurved, BackwardCurved };

// Efficiency category of a grade: static (air power of the free-outlet pressure) or total.
enum class EEfficiencyCategory { Static, Total };

// Forward-curved for the type numbers of type group 0 (60..120), backward-curved for those
// of type group 1 (149..249); every other number is not rated.
EFanType FanTypeOfImpeller(std::int32_t typeNumber);

// Power range (kW of electrical input) inside which both regulations rate a fan.
inline constexpr double kEcoMinInputKw = 0.125;
inline constexpr double kEcoMaxInputKw = 500.0;
bool InsideEcoPowerRange(double inputKw);

// Default efficiency (fraction) of the motor of an impeller or housing sold without motor, at
// the electrical input `inputKw`.
double DefaultMotorEfficiency(double inputKw);
// Electrical input (kW) of that default motor on a direct drive delivering `shaftKw`: the
// input Pe with Pe · DefaultMotorEfficiency(Pe) = shaftKw. -1 for a shaft power not above 0.
double DefaultMotorInput(double shaftKw);

// Efficiency factors of a fan that is not a final assembly: direct drive and the
// compensation factor for matching its parts.
inline constexpr double kDirectDriveEfficiency = 1.0;
inline constexpr double kMatchingCompensation = 0.9;

// The target efficiency of a regulation at an input power is Base(Pe) + N; a fan's grade is
// the N at which the target equals its efficiency.
struct TEcoTarget {
    bool Applies = false; // the fan type and category are rated at this power
    double Base = 0;      // target without N, %
    double RequiredN = 0; // the grade the fan must reach
    double Target() const { return Base + RequiredN; }
};

// Regulation (EU) No 327/2011, second tier.
TEcoTarget Target327(EFanType type, bool housed, EEfficiencyCategory category, double inputKw);
// Regulation (EU) 2024/1834.
TEcoTarget Target1834(EFanType type, EEfficiencyCategory category, double inputKw);
// Part-load compensation factor of Regulation (EU) 2024/1834 for a fan with a speed
// controller.
double SpeedControlCompensation1834(double inputKw);

} // namespace corvane
