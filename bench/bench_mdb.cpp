// Table engine speed on a table of the largest size the browser works with.

#include "mdb/TMdb.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

using namespace corvane;

constexpr int kRecords = TMdb::kMaxRecords;

class TBenchTable : public TMdb {
public:
    int fNr, fFlow, fPressure, fName;

    TBenchTable() : TMdb(10, 1, "BENCH", nullptr, 1) {
        fNr = AddField(ftInteger, -1, 0, 0, 0, "NR", "Nr", "", 0);
        fFlow = AddField(ftFloat, -1, 1, 0, 0, "V", "V", "", 11);
        fPressure = AddField(ftFloat, -1, 1, 0, 0, "P", "p", "", 9);
        fName = AddField(ftString, -1, 30, 0, 0, "NAME", "Name", "", 0);
        std::uint32_t seed = 12345;
        for (int k = 1; k <= kRecords; ++k) {
            seed = seed * 1664525u + 1013904223u;
            TMdbRecord* r = NewRecord();
            SetInt(r, fNr, k * 3);
            SetFloat(r, fFlow, static_cast<double>(seed % 1000000u) / 10.0);
            SetFloat(r, fPressure, 2000.0 - k * 0.01);
            SetText(r, fName, "Rad " + std::to_string(seed % 100000u));
        }
        RebuildIndex(false);
    }
};

TBenchTable& Table() {
    static TBenchTable table;
    return table;
}

void BM_FindByKey(benchmark::State& state) {
    TBenchTable& t = Table();
    std::uint32_t seed = 1;
    for (auto _ : state) {
        seed = seed * 1664525u + 1013904223u;
        benchmark::DoNotOptimize(t.FindByKey(static_cast<std::int32_t>(seed % kRecords) * 3));
    }
}
BENCHMARK(BM_FindByKey);

void BM_SortByFloat(benchmark::State& state) {
    TBenchTable& t = Table();
    for (auto _ : state) {
        state.PauseTiming();
        t.RebuildIndex(false); // back to list order, so every round sorts unsorted data
        state.ResumeTiming();
        t.Sort(t.fFlow, false);
    }
}
BENCHMARK(BM_SortByFloat)->Unit(benchmark::kMillisecond);

void BM_SortByText(benchmark::State& state) {
    TBenchTable& t = Table();
    for (auto _ : state) {
        state.PauseTiming();
        t.RebuildIndex(false);
        state.ResumeTiming();
        t.Sort(t.fName, false);
    }
}
BENCHMARK(BM_SortByText)->Unit(benchmark::kMillisecond);

void BM_Interpolate(benchmark::State& state) {
    TBenchTable& t = Table();
    t.Sort(t.fFlow, false);
    std::uint32_t seed = 7;
    for (auto _ : state) {
        seed = seed * 1664525u + 1013904223u;
        const float x = static_cast<float>(seed % 1000000u) / 10.0f;
        benchmark::DoNotOptimize(t.Interpolate(t.fFlow, t.fPressure, x));
    }
}
BENCHMARK(BM_Interpolate);

// Search walks the view linearly; the target in the middle of the sorted column is the
// typical case of search-as-you-type.
void BM_SearchInteger(benchmark::State& state) {
    TBenchTable& t = Table();
    t.Sort(t.fNr, false);
    const std::string target = std::to_string(kRecords / 2 * 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(t.Search(t.fNr, false, target));
}
BENCHMARK(BM_SearchInteger)->Unit(benchmark::kMicrosecond);

void BM_SearchFloat(benchmark::State& state) {
    TBenchTable& t = Table();
    t.Sort(t.fFlow, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(t.Search(t.fFlow, false, "50000,0"));
}
BENCHMARK(BM_SearchFloat)->Unit(benchmark::kMicrosecond);

void BM_SearchText(benchmark::State& state) {
    TBenchTable& t = Table();
    t.Sort(t.fName, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(t.Search(t.fName, false, "rad 5"));
}
BENCHMARK(BM_SearchText)->Unit(benchmark::kMicrosecond);

} // namespace
