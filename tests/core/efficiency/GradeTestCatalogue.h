#pragma once

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "selection/TErgebnisZeile.h"

#include <cmath>
#include <cstdint>
#include <map>

namespace corvane::test {

// A measured series at 1450 1/min on a 400 mm impeller (outlet 0.25 m²): static pressure
// dp = 1400 + 0.02·V - 1.2e-5·V² (Pa, m³/h) at 1000 ... 11000 m³/h, total shaft efficiency
// peaking with `EtaPeak` at `PeakFlow`. With a motor efficiency above 0 the points carry
// the electrical input shaft power / motor efficiency.
struct TGradeSeries {
    double EtaPeak = 75;
    double PeakFlow = 6000;
    double MotorEfficiency = 0;
    static double Pressure(double v) { return 1400 + 0.02 * v - 1.2e-5 * v * v; }
    static double TotalPressure(double v) {
        return Pressure(v) + 0.6025 * std::pow(v / 3600 / 0.25, 2);
    }
    double TotalEfficiency(double v) const {
        return EtaPeak - 6e-7 * (v - PeakFlow) * (v - PeakFlow);
    }
    double ShaftPower(double v) const {
        return v / 3600 * TotalPressure(v) / TotalEfficiency(v) * 100;
    }
};

class TGradeTestCatalogue {
public:
    TCatalogue cat;
    std::map<std::int32_t, TGradeSeries> series;

    TGradeTestCatalogue() {
        cat.SetSeriesPointSource(
            [this](std::int32_t no, TMdbMw& table) { WritePoints(no, table); });
    }

    void AddSeries(std::int32_t no, const TGradeSeries& s = {}) {
        TMdbMessung& t = cat.Messung();
        TMdbRecord* r = t.NewRecord();
        t.SetInt(r, TMdbMessung::F_MESSNR, no);
        t.SetFloat(r, TMdbMessung::F_Ab, 0.25);
        t.SetFloat(r, TMdbMessung::F_DLr, 400);
        series[no] = s;
    }

    void AddType(std::int32_t typeNo) {
        TMdbLrTyp& t = cat.LrTyp();
        TMdbRecord* r = t.NewRecord();
        t.SetInt(r, TMdbLrTyp::F_TYPNR, typeNo);
        t.SetText(r, TMdbLrTyp::F_TYPBEZ, "T" + std::to_string(typeNo));
    }

    void AddImpeller(std::int32_t no, std::int32_t seriesNo, std::int32_t typeNo) {
        TMdbLaufrad& t = cat.Laufrad();
        TMdbRecord* r = t.NewRecord();
        t.SetInt(r, TMdbLaufrad::F_LFRDNR, no);
        t.SetInt(r, TMdbLaufrad::F_MESSNR, seriesNo);
        t.SetInt(r, TMdbLaufrad::F_TYPNR, typeNo);
        t.SetInt(r, TMdbLaufrad::F_D2NENN, 400);
        t.SetFloat(r, TMdbLaufrad::F_D2, 400);
    }

    void Finish() {
        cat.Messung().RebuildIndex(false);
        cat.LrTyp().RebuildIndex(false);
        cat.Laufrad().RebuildIndex(false);
    }

    // A result row of an impeller at 400 mm and 1450 1/min at flow `v` and standard density.
    TErgebnisZeile Row(std::int32_t impellerNo, double v, bool housed = false) {
        TErgebnisZeile row;
        row.ImpellerNo = impellerNo;
        row.Impeller = cat.Laufrad().FindByKey(impellerNo);
        row.HousingNo = housed ? 7 : 0;
        row.Series = cat.Laufrad().GetInt(row.Impeller, TMdbLaufrad::F_MESSNR);
        row.D2 = 400;
        row.N = 1450;
        row.Vop = v;
        row.P = TGradeSeries::Pressure(v);
        row.P2 = TGradeSeries::TotalPressure(v);
        row.Power = series.at(row.Series).ShaftPower(v);
        return row;
    }

private:
    // Dry air at 1013 hPa and 20 °C; readings scaled so that the evaluation at standard
    // density gives the series' values.
    void WritePoints(std::int32_t no, TMdbMw& table) const {
        const auto it = series.find(no);
        if (it == series.end()) return;
        const TGradeSeries& s = it->second;
        const double rho = 1013.0 / 287.1 * 100 / 293;
        const double omega = 1450 * M_PI / 30;
        for (int i = 0; i < 11; ++i) {
            const double v = 1000.0 * (i + 1);
            const double shaft = s.ShaftPower(v);
            TMdbRecord* p = table.NewRecord();
            table.SetInt(p, TMdbMw::F_MESSNR, no);
            table.SetInt(p, TMdbMw::F_MWNR, i + 1);
            table.SetFloat(p, TMdbMw::F_PB, 1013);
            table.SetFloat(p, TMdbMw::F_RT, 20);
            table.SetFloat(p, TMdbMw::F_RF, 0);
            table.SetFloat(p, TMdbMw::F_V, v);
            table.SetFloat(p, TMdbMw::F_PK, TGradeSeries::Pressure(v) * rho / 1.205);
            table.SetFloat(p, TMdbMw::F_N, 1450);
            table.SetFloat(p, TMdbMw::F_M, shaft / omega * rho / 1.205);
            if (s.MotorEfficiency > 0)
                table.SetFloat(p, TMdbMw::F_PW1, shaft / s.MotorEfficiency * rho / 1.205);
        }
    }
};

} // namespace corvane::test
