// Packing the catalogue as text into a data file, as corvane-cli pack does: the data file of
// a scale (see BenchData.h) is unpacked once into a temporary folder, then every iteration
// reads the text files and writes the data file with the calibration of every series.
// "peak_rss_MB" is the peak resident memory of the process so far: run one scale per
// process (--benchmark_filter='BM_Pack/scale:100') to read it for that scale.

#include "BenchData.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TCatalogueText.h"
#include "model/DataFileSave.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <map>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace corvane {
namespace {

namespace fs = std::filesystem;

// The scratch folder of this process, removed at exit.
struct TScratch {
    fs::path Folder =
        fs::temp_directory_path() / ("corvane-bench-pack-" + std::to_string(::getpid()));
    ~TScratch() {
        std::error_code ec;
        fs::remove_all(Folder, ec);
    }
};

// The text folder of a scale, unpacked once per process; empty without a data file.
fs::path TextFolder(int scale, const TScratch& scratch) {
    static std::map<int, fs::path> folders;
    const auto it = folders.find(scale);
    if (it != folders.end()) return it->second;
    fs::path folder;
    const std::string path = bench::DataPath(scale);
    if (!path.empty()) {
        folder = scratch.Folder / ("scale" + std::to_string(scale));
        TCatalogue catalogue;
        catalogue.Open(path);
        TCatalogueText::Unpack(catalogue, folder.string());
    }
    return folders[scale] = folder;
}

void BM_Pack(benchmark::State& state) {
    static const TScratch scratch;
    const int scale = static_cast<int>(state.range(0));
    const fs::path folder = TextFolder(scale, scratch);
    if (folder.empty()) {
        state.SkipWithError("no catalogue of this scale (CORVANE_BENCH_DATA10, ..._DATA100)");
        return;
    }
    const std::string out = (scratch.Folder / "packed.mem").string();
    for (auto _ : state) {
        TCatalogue catalogue;
        TCatalogueText text;
        text.Load(folder.string(), catalogue);
        SaveDataFile(catalogue, out);
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(out));
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.SetLabel(bench::DataPath(scale));
}
BENCHMARK(BM_Pack)->ArgName("scale")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pack)->ArgName("scale")->Arg(100)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace corvane
