#pragma once

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "model/Calibration.h"

#include <cmath>
#include <cstdint>
#include <map>
#include <string>

namespace corvane::test {

// A measured curve: static pressure at standard density dp = C0 + C1·V + C2·V² (Pa, m³/h)
// at eleven flows from 1000 to 11000 m³/h, all points at one measured speed.
struct TTestCurve {
    double C0 = 1400;
    double C1 = 0.02;
    double C2 = -1.2e-5;
    float Speed = 1450;
    float FirstFlow = 1000;
    float FlowStep = 1000;
    bool Sound = true; // sound readings taken
    double Pressure(double v) const { return C0 + C1 * v + C2 * v * v; }
};

// A small catalogue built in memory: series (400 mm, outlet 0.25 m²) whose raw points come
// from a point source, impellers, housings and impeller types. Finish() indexes the tables
// and calibrates every series, as writing the data file does.
class TSearchTestCatalogue {
public:
    TCatalogue cat;
    std::map<std::int32_t, TTestCurve> curves;

    TSearchTestCatalogue() {
        cat.SetSeriesPointSource(
            [this](std::int32_t no, TMdbMw& table) { WritePoints(no, table); });
    }

    void AddSeries(std::int32_t no, const TTestCurve& curve = {}) {
        TMdbMessung& series = cat.Messung();
        TMdbRecord* s = series.NewRecord();
        series.SetInt(s, TMdbMessung::F_MESSNR, no);
        series.SetFloat(s, TMdbMessung::F_Ab, 0.25);
        series.SetFloat(s, TMdbMessung::F_DLr, 400);
        curves[no] = curve;
    }

    void AddType(std::int32_t typeNo, const std::string& designation) {
        TMdbLrTyp& types = cat.LrTyp();
        TMdbRecord* t = types.NewRecord();
        types.SetInt(t, TMdbLrTyp::F_TYPNR, typeNo);
        types.SetText(t, TMdbLrTyp::F_TYPBEZ, designation);
    }

    TMdbRecord* AddImpeller(std::int32_t no, std::int32_t seriesNo, std::int32_t typeNo = 100,
                            float width = 125, const char* flowType = "E") {
        TMdbLaufrad& t = cat.Laufrad();
        TMdbRecord* r = t.NewRecord();
        t.SetInt(r, TMdbLaufrad::F_LFRDNR, no);
        t.SetInt(r, TMdbLaufrad::F_MESSNR, seriesNo);
        t.SetInt(r, TMdbLaufrad::F_TYPNR, typeNo);
        t.SetInt(r, TMdbLaufrad::F_D2NENN, 400);
        t.SetFloat(r, TMdbLaufrad::F_D2, 400);
        t.SetFloat(r, TMdbLaufrad::F_EINBHOEHE, width);
        t.SetText(r, TMdbLaufrad::F_FLUTIGKEIT, flowType);
        t.SetFloat(r, TMdbLaufrad::F_MINDREHZ, 100);
        t.SetFloat(r, TMdbLaufrad::F_MAXDREHZ, 5000);
        return r;
    }

    TMdbRecord* AddHousing(std::int32_t no, std::int32_t impellerNo, std::int32_t seriesNo,
                           const std::string& angle) {
        TMdbGehaeuse& t = cat.Gehaeuse();
        TMdbRecord* r = t.NewRecord();
        t.SetInt(r, TMdbGehaeuse::F_GEHSNR, no);
        t.SetInt(r, TMdbGehaeuse::F_LAUFRADNR, impellerNo);
        t.SetInt(r, TMdbGehaeuse::F_MESSNR, seriesNo);
        t.SetText(r, TMdbGehaeuse::F_OEFFWKL, angle);
        return r;
    }

    void Finish() {
        cat.Messung().RebuildIndex(false);
        cat.LrTyp().RebuildIndex(false);
        cat.Laufrad().RebuildIndex(false);
        cat.Gehaeuse().RebuildIndex(false);
        for (const auto& [no, curve] : curves)
            CalibrateSeries(cat, no);
    }

    // Raw readings of dry air at 1013 hPa and 20 °C whose evaluation gives the curve's
    // static pressure at standard density and a total efficiency peaking at 6000 m³/h.
    void WritePoints(std::int32_t no, TMdbMw& table) const {
        const auto it = curves.find(no);
        if (it == curves.end()) return;
        const TTestCurve& c = it->second;
        const double rho = 1013.0 / 287.1 * 100 / 293;
        for (int i = 0; i < 11; ++i) {
            const double v = c.FirstFlow + c.FlowStep * static_cast<float>(i);
            const double vs = v / 3600;
            const double eta = 75 - 6e-7 * (v - 6000) * (v - 6000);
            const double shaft = vs * (c.Pressure(v) + 0.6025 * std::pow(vs / 0.25, 2)) / eta * 100;
            TMdbRecord* p = table.NewRecord();
            table.SetInt(p, TMdbMw::F_MESSNR, no);
            table.SetInt(p, TMdbMw::F_MWNR, i + 1);
            table.SetFloat(p, TMdbMw::F_PB, 1013);
            table.SetFloat(p, TMdbMw::F_RT, 20);
            table.SetFloat(p, TMdbMw::F_RF, 0);
            table.SetFloat(p, TMdbMw::F_V, v);
            table.SetFloat(p, TMdbMw::F_PK, c.Pressure(v) * rho / 1.205);
            table.SetFloat(p, TMdbMw::F_N, c.Speed);
            table.SetFloat(p, TMdbMw::F_M, shaft / (c.Speed * M_PI / 30) * rho / 1.205);
            if (c.Sound) table.SetFloat(p, TMdbMw::F_LP_A, 70 + v / 1000);
        }
    }
};

} // namespace corvane::test
