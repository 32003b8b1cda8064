// Batch selection on the demo catalogue: 1000 duty points read from a duty file, each
// searched with computed speed and its best rows graded (ecodesign grades and Fan
// Energy Index), on one thread. The data file comes from CORVANE_BENCH_DATA (default:
// Corvane.mem of the program folder); without it the benchmark is skipped.
//
// The batch object lives across the duties as in `corvane-cli batch`: each series is read
// from the data file once. The first iteration includes those reads.

#include "batch/DutyFile.h"
#include "batch/TBatchSelection.h"
#include "catalogue/TCatalogue.h"
#include "util/ProgramFolder.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace corvane {
namespace {

std::string DataPath() {
    const char* env = std::getenv("CORVANE_BENCH_DATA");
    if (env != nullptr && *env != '\0') return env;
    for (const std::string& path : {ProgramFile("Corvane.mem"), ProgramFile("../bin/Corvane.mem")})
        if (std::filesystem::exists(path)) return path;
    return {};
}

// 1000 duties: flows from 500 to 30000 m³/h and pressures from 100 to 2500 Pa spread over
// the catalogue's range, alternately without and with housing.
std::string DutyText(int count) {
    std::string text = "flow\tpressure\tlayout\n";
    for (int i = 0; i < count; ++i) {
        const double flow = 500 * std::pow(60.0, (i % 37) / 36.0);
        const double pressure = 100 * std::pow(25.0, (i % 23) / 22.0);
        text += std::to_string(flow) + '\t' + std::to_string(pressure) + '\t' +
                std::to_string(i % 2) + '\n';
    }
    return text;
}

void BM_Batch1000(benchmark::State& state) {
    const std::string path = DataPath();
    if (path.empty()) {
        state.SkipWithError("no demo catalogue (set CORVANE_BENCH_DATA)");
        return;
    }
    TCatalogue cat;
    cat.Open(path);
    TAuswahlParam base;
    base.SearchMode = SearchComputedSpeed;
    base.TypeGroup = kAllTypesGroup;
    const std::string text = DutyText(1000);
    TBatchSelection batch(cat);
    batch.SetBest(static_cast<std::size_t>(state.range(0)));
    batch.SetOrderByFei(state.range(1) != 0);
    std::size_t rows = 0;
    std::size_t duties = 0;
    for (auto _ : state) {
        const TDutyFile file = ParseDutyFile(text, base, 0);
        for (const TDuty& duty : file.Duties)
            rows += batch.Select(duty).Rows.size();
        duties += file.Duties.size();
    }
    state.counters["duties/s"] =
        benchmark::Counter(static_cast<double>(duties), benchmark::Counter::kIsRate);
    state.counters["rows/duty"] = static_cast<double>(rows) / static_cast<double>(duties);
    state.SetLabel(path);
}
// best 0: the searches alone; best 3: three graded rows per duty; byFei: every row graded.
BENCHMARK(BM_Batch1000)
    ->ArgNames({"best", "byFei"})
    ->Args({0, 0})
    ->Args({3, 0})
    ->Args({3, 1})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

} // namespace
} // namespace corvane
