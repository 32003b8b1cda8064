// The acquisition's per-second work and its conversions: 6-byte reals both ways, one read of
// the exchange file (short record, 128 channels), one editor tick with a fresh record from the
// rig (read, copy into the open point, write the answer), and the grid text of a 40-point
// series for the clipboard.

#include "acquisition/Real48.h"
#include "acquisition/TClock.h"
#include "acquisition/TMwEditor.h"
#include "acquisition/TTdwFile.h"
#include "catalogue/TCatalogue.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "util/Files.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace corvane {
namespace {

std::string BenchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "corvane-bench-XXXXXX").string();
    return ::mkdtemp(pattern.data()) ? pattern : std::string("/tmp");
}

void BM_Real48RoundTrip(benchmark::State& state) {
    double x = 1013.25;
    for (auto _ : state) {
        const TReal48 r = DoubleToReal48(x);
        x = Real48ToDouble(r.data()) + 0.001;
        benchmark::DoNotOptimize(x);
    }
}
BENCHMARK(BM_Real48RoundTrip);

void BM_TdwReadShortRecord(benchmark::State& state) {
    const std::string folder = BenchFolder();
    TTdwFile writer(128);
    writer.OpenForWrite(folder + "/in.tdw");
    TTdwFile reader;
    reader.OpenForRead(folder + "/in.tdw");
    writer.Exchange();
    for (auto _ : state) {
        writer.Exchange();
        benchmark::DoNotOptimize(reader.Exchange());
    }
    RemoveTree(folder);
}
BENCHMARK(BM_TdwReadShortRecord);

class TStillClock : public TClock {
public:
    std::int64_t NowMs() const override { return 1000; }
};

struct TEditorBench {
    std::string folder = BenchFolder();
    TCatalogue catalogue;
    TStillClock clock;
    TInstallationSettings installation;

    explicit TEditorBench(int points) {
        TMdbRecord* r = catalogue.Messung().NewSeries("bm", 45000);
        catalogue.Messung().RebuildIndex(false);
        const std::int32_t no = catalogue.Messung().GetInt(r, TMdbMessung::F_MESSNR);
        TMdbMw& mw = catalogue.Mw();
        mw.SetReadOnly(false);
        mw.LoadSeries(no, -1, -1, -1);
        for (int p = 1; p <= points; ++p) {
            TMdbRecord* point = mw.NewRecord();
            mw.SetInt(point, TMdbMw::F_MWNR, p);
            for (int field = TMdbMw::F_RT; field <= TMdbMw::F_RES3; ++field)
                mw.SetFloat(point, field, 100.0 * p + field);
        }
        mw.RebuildIndex(false);
        installation.InputPath = folder + "/in.tdw";
        installation.OutputPath = folder + "/out.tdw";
    }
    ~TEditorBench() { RemoveTree(folder); }
};

void BM_EditorTickWithFreshData(benchmark::State& state) {
    TEditorBench bench(20);
    TMwEditor editor(bench.catalogue, bench.catalogue.Mw(), bench.installation, bench.clock);
    editor.SetMode(TMwEditor::Starting);
    TTdwFile rig(89);
    rig.OpenForWrite(bench.installation.InputPath);
    rig.SetValue(1, bench.catalogue.Mw().SeriesNo());
    rig.SetValue(2, 21);
    for (int channel = 4; channel <= 89; ++channel)
        rig.SetValue(channel, channel * 1.5);
    rig.Exchange();
    editor.Tick();
    for (auto _ : state) {
        rig.Exchange();
        editor.Tick();
    }
    if (editor.Mode() != TMwEditor::Running) state.SkipWithError("no fresh data");
}
BENCHMARK(BM_EditorTickWithFreshData);

void BM_EditorClipboardText(benchmark::State& state) {
    TEditorBench bench(static_cast<int>(state.range(0)));
    TMwEditor editor(bench.catalogue, bench.catalogue.Mw(), bench.installation, bench.clock);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = editor.ClipboardText();
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_EditorClipboardText)->Arg(40);

} // namespace
} // namespace corvane
