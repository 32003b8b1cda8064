// LoadSeries as the impeller search uses it: one series of 25 points evaluated again and
// again for new targets (every iteration changes the speed, so the evaluation cache misses),
// and switching between two series whose raw points come from the series point cache.

#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "measurements/TSeriesPointCache.h"

#include <benchmark/benchmark.h>

namespace corvane {
namespace {

constexpr int kPoints = 25;

struct TBenchSeries {
    TMdbMessung series;
    TMdbMw points;
    TMdbMw mw;
    TSeriesPointCache cache;
    TMdbRecord* records[2] = {};

    TBenchSeries() {
        for (int s = 0; s < 2; ++s) {
            TMdbRecord* r = series.NewSeries("bm", 45000);
            series.SetFloat(r, TMdbMessung::F_Ab, 0.25);
            series.SetFloat(r, TMdbMessung::F_DLr, 400);
            series.SetFloat(r, TMdbMessung::F_A0, 0.12);
            records[s] = r;
            const std::int32_t no = series.GetInt(r, TMdbMessung::F_MESSNR);
            points.FreeAllRecords();
            for (int p = 1; p <= kPoints; ++p) {
                TMdbRecord* point = points.NewRecord();
                points.SetInt(point, TMdbMw::F_MESSNR, no);
                points.SetInt(point, TMdbMw::F_MWNR, p);
                points.SetFloat(point, TMdbMw::F_PB, 1013);
                points.SetFloat(point, TMdbMw::F_RT, 21.5);
                points.SetFloat(point, TMdbMw::F_RF, 45);
                points.SetFloat(point, TMdbMw::F_PK, 900 - 30 * p);
                points.SetFloat(point, TMdbMw::F_V, 400.0f * static_cast<float>(p));
                points.SetFloat(point, TMdbMw::F_N, 1450 - p);
                points.SetFloat(point, TMdbMw::F_M, 4 + 0.1f * static_cast<float>(p));
                points.SetFloat(point, TMdbMw::F_PW1, 300 + p);
                points.SetFloat(point, TMdbMw::F_PW2, 300 + p);
                points.SetFloat(point, TMdbMw::F_PW3, 300 + p);
                points.SetFloat(point, TMdbMw::F_LP, 70 + 0.2f * static_cast<float>(p));
                points.SetFloat(point, TMdbMw::F_LP_A, 65 + 0.2f * static_cast<float>(p));
            }
            points.RebuildIndex(false);
            cache.Store(no, points);
        }
        series.RebuildIndex(false);
        mw.SetPointCache(&cache);
    }
};

void BM_LoadSeriesNewTargets(benchmark::State& state) {
    TBenchSeries b;
    float speed = 1000;
    for (auto _ : state) {
        speed = speed >= 3000 ? 1000 : speed + 1;
        benchmark::DoNotOptimize(b.mw.LoadSeries(b.series, b.records[0], 1.15f, 450, speed));
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_LoadSeriesNewTargets);

void BM_LoadSeriesSameTargets(benchmark::State& state) {
    TBenchSeries b;
    for (auto _ : state)
        benchmark::DoNotOptimize(b.mw.LoadSeries(b.series, b.records[0], 1.15f, 450, 1600));
}
BENCHMARK(BM_LoadSeriesSameTargets);

void BM_LoadSeriesSwitchFromCache(benchmark::State& state) {
    TBenchSeries b;
    int which = 0;
    for (auto _ : state) {
        which ^= 1;
        benchmark::DoNotOptimize(b.mw.LoadSeries(b.series, b.records[which], 1.15f, 450, 1600));
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_LoadSeriesSwitchFromCache);

} // namespace
} // namespace corvane
