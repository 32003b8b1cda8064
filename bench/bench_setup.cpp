// Installing the demo program folder (program, data file, pictures, data sheets, manual) into
// a fresh folder, and removing that installation again.
#include "setup/TInstallation.h"
#include "setup/Uninstall.h"
#include "util/ProgramFolder.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

using namespace corvane;
namespace fs = std::filesystem;

namespace {

// The build's program folder: next to this benchmark or the usual build/bin.
fs::path DemoFolder() {
    for (const fs::path& p : {fs::path(ProgramFolder()), fs::path(ProgramFile("../bin"))})
        if (fs::exists(p / "Corvane.mem") && fs::exists(p / "corvane")) return p;
    return {};
}

struct Scratch {
    fs::path root =
        fs::temp_directory_path() / ("corvane-bench-setup-" + std::to_string(::getpid()));
    TUserFolders user{(root / "Corvane.conf").string(), (root / "applications").string(), ""};
    ~Scratch() { fs::remove_all(root); }
};

void BM_InstallDemoFolder(benchmark::State& state) {
    const fs::path demo = DemoFolder();
    if (demo.empty()) return state.SkipWithError("no demo program folder");
    Scratch s;
    int files = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(s.root / "target");
        state.ResumeTiming();
        TInstallation inst({(demo / "corvane").string(), demo.string()},
                           (s.root / "target").string(), s.user, 0);
        if (!inst.Run()) return state.SkipWithError(inst.Error().c_str());
    }
    for (const auto& e : fs::recursive_directory_iterator(s.root / "target"))
        files += e.is_regular_file() ? 1 : 0;
    state.counters["files"] = files;
}
BENCHMARK(BM_InstallDemoFolder)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RemoveDemoInstallation(benchmark::State& state) {
    const fs::path demo = DemoFolder();
    if (demo.empty()) return state.SkipWithError("no demo program folder");
    Scratch s;
    const fs::path target = s.root / "target";
    for (auto _ : state) {
        state.PauseTiming();
        TInstallation inst({(demo / "corvane").string(), demo.string()}, target.string(), s.user,
                           0);
        if (!inst.Run()) return state.SkipWithError(inst.Error().c_str());
        state.ResumeTiming();
        std::vector<std::string> lines;
        if (!RemoveInstallation(target.string(), s.user, lines))
            return state.SkipWithError("not removed");
    }
}
BENCHMARK(BM_RemoveDemoInstallation)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
