#include "efficiency/TEfficiencyGrade.h"

namespace corvane {

TRegulationGrade GradeRegulation(const TEcoTarget& target, double efficiency) {
    TRegulationGrade grade;
    grade.Efficiency = efficiency;
    if (!target.Applies) return grade;
    grade.Applies = true;
    grade.Target = target.Target();
    grade.AchievedN = efficiency - target.Base;
    grade.RequiredN = target.RequiredN;
    grade.Pass = grade.AchievedN >= grade.RequiredN;
    return grade;
}

ENotRated TEfficiencyGrade::NotRated() const {
    if (FanType == EFanType::NotRated) return ENotRated::FanType;
    if (!Declared().Bep.Found) return ENotRated::NoCurve;
    if (!InsideEcoPowerRange(Declared().Bep.ElectricalKw())) return ENotRated::PowerRange;
    return ENotRated::No;
}

} // namespace corvane
