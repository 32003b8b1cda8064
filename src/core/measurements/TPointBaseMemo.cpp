#include "measurements/TPointBaseMemo.h"

#include "measurements/Humidity.h"
#include "physics/TPointValues.h"
#include "physics/TSeriesConversion.h"

#include <bit>
#include <cmath>

namespace corvane {

namespace {
std::uint32_t Bits(float value) {
    return std::bit_cast<std::uint32_t>(value);
}
} // namespace

double TPointBaseMemo::Density(float pressure, float temperature, float humidity) {
    TDensity& m = density_;
    if (!m.Valid || m.Pressure != Bits(pressure) || m.Temperature != Bits(temperature) ||
        m.Humidity != Bits(humidity)) {
        m = {Bits(pressure), Bits(temperature), Bits(humidity),
             MeasuredAirDensity(pressure, temperature, humidity), true};
    }
    return m.Value;
}

double TPointBaseMemo::ModelTip(const TSeriesGeometry& geometry, float measuredSpeed) {
    TModelTip& m = modelTip_;
    if (!m.Valid || m.MeasuredD2 != Bits(geometry.MeasuredD2) || m.Family != geometry.Family ||
        m.Speed != Bits(measuredSpeed)) {
        m = {Bits(geometry.MeasuredD2), geometry.Family, Bits(measuredSpeed),
             TSeriesConversion::ModelTipFactor(geometry, measuredSpeed), true};
    }
    return m.Value;
}

double TPointBaseMemo::CubeRoot(double modelTip) {
    TCubeRoot& m = cubeRoot_;
    const auto argument = std::bit_cast<std::uint64_t>(modelTip);
    if (!m.Valid || m.Argument != argument) m = {argument, std::cbrt(modelTip), true};
    return m.Value;
}

} // namespace corvane
