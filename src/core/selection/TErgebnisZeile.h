#pragma once

#include "selection/ErgIdList.h"

#include <cstdint>
#include <string>

namespace corvane {

class TMdbRecord;

// One result row of the impeller search: the candidate, its speed class and the values at
// its operating point (base units; efficiencies in per cent).
struct TErgebnisZeile {
    const TMdbRecord* Impeller = nullptr; // record of the impeller table
    const TMdbRecord* Housing = nullptr;  // record of the housing table, nullptr without
    std::int32_t ImpellerNo = 0;
    std::int32_t HousingNo = 0;  // 0 without housing
    std::int32_t Series = 0;     // series the curves come from
    std::int32_t SpeedClass = 0; // 0, 1, 2, 10..12, 20, 21
    double D2 = 0;               // impeller diameter, mm
    double Width = 0;            // installed width "Einbaubreite", mm
    double Eff1 = -1;            // total shaft efficiency, %
    double Eff2 = -1;            // static shaft efficiency, %
    double P2 = -1;              // total pressure, Pa
    double P = -1;               // static (free-blowing) pressure, Pa
    double N = 0;                // speed, 1/min
    double Power = -1;           // shaft power, W
    double PowerMax = -1;        // largest shaft power of the converted curve, W
    double Lp = -1;              // A-weighted sound pressure level, dB; -1 below 10
    double Vop = 0;              // operating volume flow, m³/h
    std::string Angle;           // housing angle, digits zero-padded to 8 characters
    std::int32_t ChartMark = 0;  // position in the curve selection, 0 = not shown

    std::int32_t Id() const { return ErgId(HousingNo, ImpellerNo); }
};

} // namespace corvane
