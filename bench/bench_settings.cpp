// Opening selection files: a file with 100 000 keys (a foreign or damaged file that still
// parses) read from disk through the selection-file reader, and a typical file for scale.

#include "settings/TIniFile.h"
#include "settings/TSettings.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace corvane {
namespace {

// A selection file written by the program, followed by `extraKeys` more keys in "Auswahl".
std::string WriteFile(int extraKeys) {
    std::string path = "/tmp/corvane-bench-XXXXXX.cva";
    const int fd = ::mkstemps(path.data(), 4);
    if (fd < 0) return {};
    ::close(fd);
    TSettings settings;
    if (!settings.WriteSelectionFile(path, {12, 1000005})) return {};
    std::ofstream out(path, std::ios::app | std::ios::binary);
    out << "[Auswahl]\n";
    for (int i = 0; i < extraKeys; ++i)
        out << "Key" << i << '=' << i * 7 << "|-" << i << "|3000\n";
    return path;
}

void BM_ReadSelectionFile(benchmark::State& state) {
    const std::string path = WriteFile(static_cast<int>(state.range(0)));
    if (path.empty()) {
        state.SkipWithError("cannot write the selection file");
        return;
    }
    for (auto _ : state) {
        TSettings settings;
        const TOutcome read = settings.ReadSelectionFile(path);
        benchmark::DoNotOptimize(read.Ok());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadSelectionFile)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

// Writing 100 000 keys one by one into a document (each write looks the key up first).
void BM_WriteManyKeys(benchmark::State& state) {
    std::vector<std::string> keys;
    for (int i = 0; i < state.range(0); ++i)
        keys.push_back("Key" + std::to_string(i));
    for (auto _ : state) {
        TIniFile ini;
        for (const std::string& key : keys)
            ini.WriteString("Auswahl", key, "1");
        benchmark::DoNotOptimize(ini.Sections().size());
    }
}
BENCHMARK(BM_WriteManyKeys)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvane
