#include "DemoFamilies.h"

#include "Random.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

constexpr TFanKind BC = TFanKind::Backward;
constexpr TFanKind FC = TFanKind::Forward;

} // namespace

const std::vector<TFamilyDef>& DemoFamilyDefs() {
    // Type designations cover every speed class: plain ones, the reinforced first kind
    // ("VR" + digits), its two excluded forms ("VRS...", "VR70..."), and the second kind
    // (one capital letter, ending in A2, B2 or F2).
    static const std::vector<TFamilyDef> defs = {
        {60, "FK60", FC, false, "Trommelläufer, vorwärts gekrümmt, schmal"},
        {75, "FK75", FC, true, "Trommelläufer, vorwärts gekrümmt, Standard"},
        {90, "FKL90", FC, true, "Trommelläufer, vorwärts gekrümmt, leise"},
        {105, "FKS105", FC, false, "Trommelläufer, vorwärts gekrümmt, breit"},
        {120, "FKD120", FC, true, "Trommelläufer, vorwärts gekrümmt, Hochleistung"},
        {149, "RK149", BC, false, "Rückwärts gekrümmt, Kreisbogenschaufel"},
        {150, "RK150", BC, false, "Rückwärts gekrümmt, Kreisbogenschaufel, breit"},
        {151, "RM151", BC, false, "Rückwärts gekrümmt, Mitteldruck"},
        {152, "RM152", BC, false, "Rückwärts gekrümmt, Mitteldruck, breit"},
        {153, "RL153", BC, true, "Rückwärts gekrümmt, Lüftungsgeräte"},
        {157, "RL157", BC, true, "Rückwärts gekrümmt, Lüftungsgeräte, breit"},
        {156, "RS156", BC, false, "Rückwärts gekrümmt, Schwerlast"},
        {155, "VR155", BC, false, "Rückwärts gekrümmt, verstärkte Ausführung"},
        {185, "VR185", BC, false, "Rückwärts gekrümmt, verstärkt, Hochdruck"},
        {205, "VR205", BC, false, "Rückwärts gekrümmt, verstärkt, Profilschaufel"},
        {219, "VRS219", BC, false, "Rückwärts gekrümmt, Sonderbauform"},
        {187, "VR70-187", BC, false, "Rückwärts gekrümmt, Baureihe 70"},
        {188, "RD188", BC, false, "Rückwärts gekrümmt, Druckstufe"},
        {225, "H225A2", BC, false, "Hochleistung, Profilschaufel A2"},
        {226, "H226B2", BC, false, "Hochleistung, Profilschaufel B2"},
        {221, "H221F2", BC, true, "Hochleistung, Profilschaufel F2"},
        {222, "RP222", BC, true, "Profilschaufel, doppelflutig"},
        {210, "RP210", BC, false, "Profilschaufel, schmal"},
        {211, "RP211", BC, false, "Profilschaufel, mittel"},
        {217, "RT217", BC, false, "Rückwärts gekrümmt, Transportventilator"},
        {207, "RT207", BC, false, "Rückwärts gekrümmt, Prozessluft"},
        {212, "RT212", BC, true, "Rückwärts gekrümmt, Prozessluft, doppelflutig"},
        {204, "RT204", BC, false, "Rückwärts gekrümmt, Trocknungsanlagen"},
        {213, "RT213", BC, false, "Rückwärts gekrümmt, Klimatechnik"},
        {220, "RW220", BC, false, "Rückwärts gekrümmt, Wärmetauscher"},
        {218, "RW218", BC, false, "Rückwärts gekrümmt, Kühltürme"},
        {40, "RB40", TFanKind::RadialBlade, false, "Radialschaufel, Materialtransport"},
    };
    return defs;
}

const std::vector<int>& StandardDiameters() {
    static const std::vector<int> d = {67,  76,  85,  97,  100, 108, 120, 133, 140, 146,
                                       157, 160, 180, 187, 200, 215, 225, 250, 280, 315,
                                       355, 400, 450, 500, 560, 630, 710, 800, 900, 1000};
    return d;
}

double TFamily::PeakEfficiency(double d) const {
    const double eta = EtaAt400 + 0.035 * std::log2(std::max(d, 50.0) / 400);
    switch (Def.Kind) {
    case TFanKind::Backward:
        return std::clamp(eta, 0.73, 0.85);
    case TFanKind::Forward:
        return std::clamp(eta, 0.56, 0.69);
    case TFanKind::RadialBlade:
        break;
    }
    return std::clamp(eta, 0.56, 0.71);
}

TFamily DrawFamily(const TFamilyDef& def, TRandom& random) {
    TFamily f;
    f.Def = def;
    f.Shape = TFanShape::Draw(def.Kind, random);
    const std::vector<int>& standard = StandardDiameters();
    int first = 0;
    int last = 0;
    // Positions in the standard list: 14 = 200 mm, 25 = 630 mm, 29 = 1000 mm.
    switch (def.Kind) {
    case TFanKind::Backward: {
        f.PhiOpt = random.Uniform(0.15, 0.25);
        f.EtaAt400 = random.Uniform(0.77, 0.82);
        f.TipLimit = random.Uniform(60, 75);
        f.Blades = random.Int(7, 12);
        f.WidthRatio = random.Uniform(0.2, 0.35);
        f.InletRatio = random.Uniform(0.62, 0.74);
        f.Beta1 = random.Uniform(22, 35);
        f.Beta2 = random.Uniform(28, 45);
        f.Octaves = {0, -1, -3, -5, -8, -11, -15, -20};
        f.Kw = random.Uniform(32, 38);
        f.ToneAbove = random.Uniform(3, 7);
        first = random.Int(14, 18);
        last = std::min(29, first + random.Int(9, 11));
        break;
    }
    case TFanKind::Forward:
        f.PhiOpt = random.Uniform(0.5, 0.9);
        f.EtaAt400 = random.Uniform(0.6, 0.66);
        f.TipLimit = random.Uniform(25, 30);
        f.Blades = random.Int(32, 64);
        f.WidthRatio = random.Uniform(0.4, 0.6);
        f.InletRatio = random.Uniform(0.78, 0.86);
        f.Beta1 = random.Uniform(75, 90);
        f.Beta2 = random.Uniform(140, 160);
        f.Octaves = {0, -2, -4, -7, -10, -14, -18, -23};
        f.Kw = random.Uniform(38, 44);
        f.ToneAbove = random.Uniform(2, 5);
        first = random.Int(11, 14);
        last = std::min(27, first + random.Int(9, 11));
        break;
    case TFanKind::RadialBlade:
        f.PhiOpt = random.Uniform(0.05, 0.15);
        f.EtaAt400 = random.Uniform(0.6, 0.66);
        f.TipLimit = random.Uniform(92, 110);
        f.Blades = random.Int(6, 12);
        f.WidthRatio = random.Uniform(0.1, 0.18);
        f.InletRatio = random.Uniform(0.45, 0.55);
        f.Beta1 = random.Uniform(30, 45);
        f.Beta2 = 90;
        f.Octaves = {-3, -1, 0, -2, -4, -7, -11, -16};
        f.Kw = random.Uniform(40, 46);
        f.ToneAbove = random.Uniform(6, 10);
        first = 17;
        last = 27;
        break;
    }
    for (double& o : f.Octaves)
        o += random.Uniform(-1, 1);
    for (int i = first; i <= last; ++i)
        f.Diameters.push_back(standard[static_cast<std::size_t>(i)]);
    return f;
}

} // namespace corvane
