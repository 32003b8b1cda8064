#pragma once

namespace corvane {

// The evaluated quantities of one measured point, in base units; -1 means missing.
// The point evaluation fills them from the raw readings, the fan laws convert them in place.
struct TPointValues {
    float Density = -1;     // evaluated air density, kg/m³
    float PFa = -1;         // static pressure, free outlet, Pa
    float PDyn = -1;        // dynamic pressure, Pa
    float PTot = -1;        // total pressure, Pa
    float AirPowerFa = -1;  // W
    float AirPowerTot = -1; // W
    float ShaftPower = -1;  // W
    float ElPower = -1;     // electrical input power, W
    float EtaShaftFa = -1;  // per cent
    float EtaShaftTot = -1;
    float EtaSysFa = -1;
    float EtaSysTot = -1;
    float MeanVoltage = -1;
    float MeanCurrent = -1;
    float MeanCosPhi = -1;
    float PsiFa = -1;
    float PsiTot = -1;
    float Phi = -1;
    float Lambda = -1;
    float Flow = -1;   // m³/h
    float Speed = -1;  // 1/min
    float Torque = -1; // Nm
    float Lp = -1;     // dB
    float LpA = -1;    // dB(A)
};

// Targets of a conversion; -1 keeps the measured value. Distance is the listening distance
// in metres ("LpAbstand"), -1 or at most 1 for none.
struct TConvertTargets {
    float D2 = -1;
    float Speed = -1;
    float Density = -1;
    float Distance = -1;
};

// What a conversion needs of the series: the measured impeller diameter (mm) and the
// correction family 0 (forward-curved), 1 (backward-curved) or 2 (none).
struct TSeriesGeometry {
    float MeasuredD2 = -1;
    int Family = 2;
};

} // namespace corvane
