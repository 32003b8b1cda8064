#include "efficiency/FanEnergyIndex.h"

#include <cmath>

namespace corvane {

namespace {

// Above this motor output the reference motor has a constant efficiency.
constexpr double kLargeMotorKw = 185.0;

} // namespace

double ReferenceFanPower(double flowM3s, double totalPressurePa, double density) {
    return (flowM3s + 0.118) * (totalPressurePa + 100.0 * density / 1.2) / (1000.0 * 0.66);
}

double ReferenceTransmissionEfficiency(double fanPowerKw) {
    return 0.96 * std::pow(fanPowerKw / (fanPowerKw + 1.64), 0.05);
}

double ReferenceMotorEfficiency(double motorOutputKw) {
    if (motorOutputKw >= kLargeMotorKw) return 0.962;
    const double x = std::log10(motorOutputKw);
    return (((-0.003812 * x + 0.025834) * x - 0.072577) * x + 0.125559) * x + 0.850274;
}

double ReferenceFanElectricalPower(double flowM3s, double totalPressurePa, double density) {
    const double fan = ReferenceFanPower(flowM3s, totalPressurePa, density);
    const double transmission = ReferenceTransmissionEfficiency(fan);
    return fan / (transmission * ReferenceMotorEfficiency(fan / transmission));
}

double ReferenceMotorInput(double shaftKw) {
    if (!(shaftKw > 0) || !std::isfinite(shaftKw)) return -1;
    return shaftKw / ReferenceMotorEfficiency(shaftKw);
}

TFanEnergyIndex FanEnergyIndex(double flowM3s, double totalPressurePa, double density,
                               double fepActKw, bool measured) {
    TFanEnergyIndex fei;
    fei.ElectricalMeasured = measured;
    if (!(flowM3s > 0) || !(totalPressurePa > 0) || !(density > 0) || !(fepActKw > 0) ||
        !std::isfinite(flowM3s + totalPressurePa + density + fepActKw))
        return fei;
    fei.Applies = true;
    fei.FepRef = ReferenceFanElectricalPower(flowM3s, totalPressurePa, density);
    fei.FepAct = fepActKw;
    fei.Fei = fei.FepRef / fepActKw;
    return fei;
}

} // namespace corvane
