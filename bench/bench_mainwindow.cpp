// The desktop program's main window on the offscreen platform: start-up to the shown window
// (settings, data file, texts, first layout) at catalogue scales 1 and 10, and one step of the
// manual speed variation (slider moved: manual search, grid refilled and painted).
//
// Data files: CORVANE_BENCH_DATA (default: Corvane.mem of the program folder) and
// CORVANE_BENCH_DATA10 (default: a scale-10 catalogue that corvane-datagen writes once into
// bench/scale10 of the build folder).

#include "QtBenchMain.h"
#include "selection/TResultList.h"
#include "ui/main/TCorvaneMainForm.h"
#include "ui/main/TRequestPanel.h"
#include "ui/main/TSpeedPages.h"
#include "util/ProgramFolder.h"
#include "util/TUserMessage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QSlider>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace corvane {
namespace {

namespace fs = std::filesystem;

// Messages of the window (start-up warnings) are dropped: nothing may block.
class TSilent : public TUserMessage {
public:
    void Show(const std::string&) override {}
};

// The QApplication lives in main (below); benchmarks only silence the messages.
void Silence() {
    static TSilent silent;
    TUserMessage::Install(&silent);
}

fs::path BenchFolder() {
    std::error_code ec;
    return fs::read_symlink("/proc/self/exe", ec).parent_path();
}

std::string DataFile(int scale) {
    if (scale == 1) {
        if (const char* env = std::getenv("CORVANE_BENCH_DATA")) return env;
        return (BenchFolder().parent_path() / "bin" / "Corvane.mem").string();
    }
    if (const char* env = std::getenv("CORVANE_BENCH_DATA10")) return env;
    const fs::path folder = BenchFolder() / "scale10";
    if (!fs::exists(folder / "Corvane.mem")) {
        fs::create_directories(folder);
        const fs::path datagen = BenchFolder().parent_path() / "bin" / "corvane-datagen";
        const std::string command = "QT_QPA_PLATFORM=offscreen '" + datagen.string() +
                                    "' --seed 1 --scale 10 '" + folder.string() + "' >/dev/null";
        if (std::system(command.c_str()) != 0) return {};
    }
    return (folder / "Corvane.mem").string();
}

TMainFormOptions Options(const std::string& data) {
    TMainFormOptions options;
    options.DataFile = data;
    options.SettingsPath = (fs::temp_directory_path() / "corvane-bench.conf").string();
    options.OpenUrl = [](const QUrl&) { return true; };
    return options;
}

// The data file of the benchmark's scale, with the messages silenced, the program folder at the
// file and no settings left from before; empty (the benchmark skipped) without one.
std::string PrepareData(benchmark::State& state) {
    Silence();
    const std::string data = DataFile(static_cast<int>(state.range(0)));
    if (data.empty() || !fs::exists(data)) {
        state.SkipWithError("no data file");
        return {};
    }
    SetProgramFolder(fs::path(data).parent_path().string());
    fs::remove(Options(data).SettingsPath);
    return data;
}

void BM_StartUp(benchmark::State& state) {
    const std::string data = PrepareData(state);
    if (data.empty()) return;
    for (auto _ : state) {
        auto window = std::make_unique<TCorvaneMainForm>(Options(data));
        window->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window->isVisible());
        state.PauseTiming();
        window.reset();
        fs::remove(Options(data).SettingsPath);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SliderStep(benchmark::State& state) {
    const std::string data = PrepareData(state);
    if (data.empty()) return;
    TCorvaneMainForm window(Options(data));
    window.show();
    QCoreApplication::processEvents();
    TSpeedPages& pages = *window.RequestPanel()->AuswahlPage();
    pages.setCurrentIndex(TSpeedPages::PageFixed);
    QTest::mouseClick(pages.NvarCheck(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QSlider& slider = *pages.NtrackBar();
    int step = 0;
    std::size_t rows = 0;
    for (auto _ : state) {
        slider.setValue(1200 + (step++ % 20) * 20);
        QCoreApplication::processEvents();
        rows += window.Session().Results().Count();
    }
    state.counters["rows"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
    fs::remove(Options(data).SettingsPath);
}
BENCHMARK(BM_SliderStep)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvane

int main(int argc, char** argv) {
    return corvane::bench::RunWindowBenchmarks(argc, argv);
}
