#include "efficiency/TEfficiencyGrade.h"

namespace corvane {

ENotRated TEfficiencyGrade::NotRated() const {
    if (FanType == EFanType::NotRated) return ENotRated::FanType;
    if (!Declared().Bep.Found) return ENotRated::NoCurve;
    if (!InsideEcoPowerRange(Declared().Bep.ElectricalKw())) return ENotRated::PowerRange;
    return ENotRated::No;
}

} // namespace corvane
