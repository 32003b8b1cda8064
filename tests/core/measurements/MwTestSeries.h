#pragma once

#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "measurements/TSeriesPointCache.h"

#include <cstdint>

namespace corvane::test {

// A measurement series built in memory: its record in a series table, its raw points in a
// scratch table, published to a point cache from which the table under test loads them.
struct TTestSeries {
    static constexpr std::int32_t kSeriesNo = 7;

    TMdbMessung series;
    TMdbMw points; // raw points being built
    TMdbMw mw;     // the table under test
    TSeriesPointCache cache;
    TMdbRecord* record;

    explicit TTestSeries(float outletArea = 0.25f, float d2 = 400, float phiArea = 0.1f,
                         int arrangement = 0) {
        record = series.NewSeries("ab", 45000);
        series.SetInt(record, TMdbMessung::F_MESSNR, kSeriesNo);
        series.SetFloat(record, TMdbMessung::F_Ab, outletArea);
        series.SetFloat(record, TMdbMessung::F_DLr, d2);
        series.SetFloat(record, TMdbMessung::F_A0, phiArea);
        series.SetInt(record, TMdbMessung::F_TANDEM, arrangement);
        series.RebuildIndex(false);
        mw.SetPointCache(&cache);
    }

    // A point at 1013 hPa, 20 °C, 50 % with the given chamber pressure, flow and speed.
    TMdbRecord* AddPoint(std::int32_t no, float pk = 500, float flow = 3600, float speed = 1450,
                         float torque = 5) {
        TMdbRecord* p = points.NewRecord();
        points.SetInt(p, TMdbMw::F_MESSNR, kSeriesNo);
        points.SetInt(p, TMdbMw::F_MWNR, no);
        points.SetFloat(p, TMdbMw::F_PB, 1013);
        points.SetFloat(p, TMdbMw::F_RT, 20);
        points.SetFloat(p, TMdbMw::F_RF, 50);
        points.SetFloat(p, TMdbMw::F_PK, pk);
        points.SetFloat(p, TMdbMw::F_V, flow);
        points.SetFloat(p, TMdbMw::F_N, speed);
        points.SetFloat(p, TMdbMw::F_M, torque);
        return p;
    }

    // Publishes the built points and loads them into the table under test.
    bool Load(float density = -1, float d2 = -1, float speed = -1) {
        points.RebuildIndex(false);
        cache.Store(kSeriesNo, points);
        mw.ForgetSeries();
        return mw.LoadSeries(series, record, density, d2, speed);
    }

    float Get(std::int32_t pointNo, int field) const {
        return mw.GetFloat(mw.FindByKey(pointNo), field);
    }
};

} // namespace corvane::test
