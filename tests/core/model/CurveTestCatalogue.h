#pragma once

#include "catalogue/TCatalogue.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"

#include <cstdint>
#include <map>
#include <vector>

namespace corvane::test {

// Raw readings of one synthetic point; -1 leaves a reading missing.
struct TRawPoint {
    float Flow = -1;    // m³/h
    float Voltage = -1; // V (the mean voltage is this single phase)
    float Chamber = -1; // chamber pressure, Pa
    float Mic1 = -1;    // level of microphone 1, dB
    float Torque = -1;  // Nm
};

// A catalogue with series records only; their points come from memory through the point
// source. Series are measured at 400 mm, 1450 1/min, 1013 hPa, 20 °C, dry air.
struct TCurveTestCatalogue {
    TCatalogue cat;
    std::map<std::int32_t, std::vector<TRawPoint>> points;
    std::map<std::int32_t, int> reads;

    TCurveTestCatalogue() {
        cat.SetSeriesPointSource([this](std::int32_t no, TMdbMw& table) {
            ++reads[no];
            std::int32_t pointNo = 0;
            for (const TRawPoint& raw : points[no]) {
                TMdbRecord* p = table.NewRecord();
                table.SetInt(p, TMdbMw::F_MESSNR, no);
                table.SetInt(p, TMdbMw::F_MWNR, ++pointNo);
                table.SetFloat(p, TMdbMw::F_PB, 1013);
                table.SetFloat(p, TMdbMw::F_RT, 20);
                table.SetFloat(p, TMdbMw::F_RF, 0);
                table.SetFloat(p, TMdbMw::F_N, 1450);
                table.SetFloat(p, TMdbMw::F_V, raw.Flow);
                table.SetFloat(p, TMdbMw::F_U1, raw.Voltage);
                table.SetFloat(p, TMdbMw::F_PK, raw.Chamber);
                table.SetFloat(p, TMdbMw::F_LP1, raw.Mic1);
                table.SetFloat(p, TMdbMw::F_M, raw.Torque);
            }
        });
    }

    // Adds a series record (the index is rebuilt each time) with the given points.
    void AddSeries(std::int32_t no, std::vector<TRawPoint> seriesPoints) {
        TMdbMessung& series = cat.Messung();
        TMdbRecord* s = series.NewRecord();
        series.SetInt(s, TMdbMessung::F_MESSNR, no);
        series.SetFloat(s, TMdbMessung::F_Ab, 0.25);
        series.SetFloat(s, TMdbMessung::F_DLr, 400);
        series.SetFloat(s, TMdbMessung::F_A0, 0.1);
        series.RebuildIndex(false);
        points[no] = std::move(seriesPoints);
    }

    // Series 1 and 2: falling pressure curves of two fans with torque readings, six points
    // from 1000 to 6000 m³/h and three from 2000 to 8000 m³/h.
    void AddTwoFans() {
        AddSeries(1, {{1000, -1, 900, -1, 2},
                      {2000, -1, 850, -1, 3},
                      {3000, -1, 760, -1, 4},
                      {4000, -1, 600, -1, 5},
                      {5000, -1, 380, -1, 4},
                      {6000, -1, 100, -1, 3}});
        AddSeries(2, {{2000, -1, 500, -1, 1}, {4000, -1, 450, -1, 1}, {8000, -1, 200, -1, 1}});
    }
};

} // namespace corvane::test
