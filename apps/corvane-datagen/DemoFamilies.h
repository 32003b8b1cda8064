#pragma once

#include "FanShapes.h"

#include <array>
#include <cstdint>
#include <vector>

namespace corvane {

class TRandom;

// Fixed definition of one impeller family of the demo catalogue.
struct TFamilyDef {
    std::int32_t TypeNo;
    const char* TypeText;
    TFanKind Kind;
    bool DoubleInlet; // also built as double-inlet impellers
    const char* Description;
};

// One family with its drawn properties.
struct TFamily {
    TFamilyDef Def;
    TFanShape Shape;
    double PhiOpt = 0.2;   // flow coefficient of the best point, single inlet
    double EtaAt400 = 0.8; // peak total efficiency of a 400 mm model
    double TipLimit = 65;  // m/s
    int Blades = 10;
    double WidthRatio = 0.3; // b2 / D2
    double InletRatio = 0.7; // D0 / D2
    double Beta1 = 30;
    double Beta2 = 40;
    std::array<double, 8> Octaves{};
    double Kw = 35;
    double ToneAbove = 5;
    std::vector<int> Diameters; // nominal diameters of the catalogue impellers, mm
    std::int32_t PictureNo = 0;

    // Peak total efficiency of a model of diameter d (mm): it rises with the size.
    double PeakEfficiency(double d) const;
};

// The families of the demo catalogue: forward-curved types 60..120, a backward-curved type for
// every product group of the search, and a radial-blade type.
const std::vector<TFamilyDef>& DemoFamilyDefs();
TFamily DrawFamily(const TFamilyDef& def, TRandom& random);

// The standard impeller diameters of the search, mm.
const std::vector<int>& StandardDiameters();

} // namespace corvane
