#pragma once

#include "efficiency/EcoDesign.h"
#include "efficiency/FanEnergyIndex.h"

namespace corvane {

// The best-efficiency point of a converted series on one fitted shaft-efficiency curve, with
// the electrical input there.
struct TBestEfficiencyPoint {
    bool Found = false;
    double Flow = -1;            // m³/h
    double ShaftEfficiency = -1; // peak of the fitted curve, %
    double ShaftPower = -1;      // W
    double ElectricalPower = -1; // Pe, W: measured, or of the default motor
    bool ElectricalMeasured = false;
    double MotorEfficiency = -1;   // fraction: measured shaft over electrical power, or default
    double OverallEfficiency = -1; // ηe of the regulations before part-load compensation, %
    double ElectricalKw() const { return ElectricalPower / 1000.0; }
};

// A fan's efficiency against one regulation.
struct TRegulationGrade {
    bool Applies = false;   // the fan type, category and power are rated
    double Efficiency = -1; // the efficiency compared (with part-load compensation), %
    double Target = -1;     // target efficiency at the required grade, %
    double AchievedN = 0;   // the grade at which the target equals the efficiency
    double RequiredN = 0;
    bool Pass = false;
};

// The grade of a fan with efficiency `efficiency` (%) against a target; it passes when the
// achieved grade reaches the required one.
TRegulationGrade GradeRegulation(const TEcoTarget& target, double efficiency);

// Best-efficiency point and grades of one efficiency category.
struct TCategoryGrade {
    TBestEfficiencyPoint Bep;
    TRegulationGrade Eu327;
    TRegulationGrade Eu1834;
};

// Why a result row gets no grade.
enum class ENotRated {
    No,         // rated
    FanType,    // impeller type neither forward- nor backward-curved
    NoCurve,    // no best-efficiency point (too few points with efficiency and shaft power)
    PowerRange, // electrical input outside 0.125 ... 500 kW
};

// The energy-efficiency grade of a result row: both efficiency categories against both
// regulations, and the Fan Energy Index at the duty point. The row's declared grade is the
// static one: the catalogue's curves are free-outlet measurements.
struct TEfficiencyGrade {
    EFanType FanType = EFanType::NotRated;
    bool Housed = false;
    bool SpeedController = false; // part-load compensation of 2024/1834 applied
    TCategoryGrade Static;
    TCategoryGrade Total;
    TFanEnergyIndex Fei;

    const TCategoryGrade& Declared() const { return Static; }
    ENotRated NotRated() const;
};

// Choices of the grading.
struct TGradeOptions {
    int FitCoefficients = 6;      // polynomial of the efficiency curves (the curve default)
    bool SpeedController = false; // the fan runs on a speed controller
};

} // namespace corvane
