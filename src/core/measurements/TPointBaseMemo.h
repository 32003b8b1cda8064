#pragma once

#include <cstdint>

namespace corvane {

struct TSeriesGeometry;

// The costly terms of the base evaluation of a point that repeat from point to point and
// from series to series with the same inputs: the air density of the rig readings, the
// tip-speed factor of the measured speed and its cube root. Each term keeps its last inputs
// and result; it gives the kept result only for inputs equal bit for bit, and computes anew
// otherwise, so every result is exactly that of the computation.
class TPointBaseMemo {
public:
    // Air density in kg/m³ from barometric pressure (hPa), room temperature (°C, -1 missing)
    // and relative humidity (%), see MeasuredAirDensity.
    double Density(float pressure, float temperature, float humidity);
    // TSeriesConversion::ModelTipFactor(geometry, measuredSpeed).
    double ModelTip(const TSeriesGeometry& geometry, float measuredSpeed);
    // std::cbrt(modelTip).
    double CubeRoot(double modelTip);

private:
    struct TDensity {
        std::uint32_t Pressure = 0;
        std::uint32_t Temperature = 0;
        std::uint32_t Humidity = 0;
        double Value = 0;
        bool Valid = false;
    };
    struct TModelTip {
        std::uint32_t MeasuredD2 = 0;
        int Family = 0;
        std::uint32_t Speed = 0;
        double Value = 0;
        bool Valid = false;
    };
    struct TCubeRoot {
        std::uint64_t Argument = 0;
        double Value = 0;
        bool Valid = false;
    };
    TDensity density_;
    TModelTip modelTip_;
    TCubeRoot cubeRoot_;
};

} // namespace corvane
