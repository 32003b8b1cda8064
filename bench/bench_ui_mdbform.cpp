// The table browser on a 20 000-impeller catalogue: opening it (columns, index, sort, model
// and the first paint) and sorting by a column after a header click (text, integer and float
// columns). The impellers are the demo catalogue's (program folder, or CORVANE_BENCH_DATA),
// copied with new numbers until there are 20 000; the window runs on the offscreen platform
// unless QT_QPA_PLATFORM says otherwise.

#include "QtBenchMain.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLaufrad.h"
#include "settings/TIniFile.h"
#include "ui/mdb/TMdbForm.h"
#include "util/ProgramFolder.h"

#include <QTableView>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace corvane {
namespace {

constexpr int kImpellers = 20000;

void CopyRecord(TMdb& table, const TMdbRecord* from, TMdbRecord* to) {
    for (int f = 1; f <= table.FieldCount(); ++f) {
        const TMdbField& field = table.Field(f);
        if (field.FieldType == ftString)
            table.SetText(to, f, table.GetText(from, f));
        else if (field.IsFloat())
            table.SetFloat(to, f, table.GetFloat(from, f));
        else if (field.HasSlot())
            table.SetInt(to, f, table.GetInt(from, f));
    }
}

TCatalogue& BigCatalogue() {
    static std::unique_ptr<TCatalogue> catalogue = [] {
        auto cat = std::make_unique<TCatalogue>();
        const char* data = std::getenv("CORVANE_BENCH_DATA");
        cat->Open(data != nullptr ? data : ProgramFile("Corvane.mem"));
        TMdbLaufrad& impellers = cat->Laufrad();
        const int originals = impellers.KeyIndexCount();
        std::int32_t next = impellers.NextKey();
        for (int i = 0; originals + i < kImpellers; ++i) {
            TMdbRecord* copy = impellers.NewRecord();
            CopyRecord(impellers, impellers.KeyRecord(i % originals), copy);
            impellers.SetInt(copy, TMdbLaufrad::F_LFRDNR, next++);
        }
        impellers.RebuildIndex(false);
        return cat;
    }();
    return *catalogue;
}

void BM_OpenImpellerBrowser(benchmark::State& state) {
    TMdbLaufrad& impellers = BigCatalogue().Laufrad();
    TIniFile settings;
    for (auto _ : state) {
        TMdbForm form(impellers, 0, settings);
        form.show();
        form.findChild<QTableView*>()->viewport()->repaint();
        benchmark::DoNotOptimize(form.CurrentKey());
    }
    state.counters["impellers"] = impellers.RecordCount();
}
BENCHMARK(BM_OpenImpellerBrowser)->Unit(benchmark::kMillisecond);

// Column 0 holds the designation (a derived text), 4 the nominal diameter (integer), 21 the
// diameter D2 (float).
void BM_SortImpellerBrowser(benchmark::State& state) {
    TMdbLaufrad& impellers = BigCatalogue().Laufrad();
    TIniFile settings;
    TMdbForm form(impellers, 0, settings);
    form.show();
    QTableView* grid = form.findChild<QTableView*>();
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        form.SortBy(column); // a header click: ascending, then descending on the next
        grid->viewport()->repaint();
    }
}
BENCHMARK(BM_SortImpellerBrowser)->Arg(0)->Arg(4)->Arg(21)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvane

int main(int argc, char** argv) {
    return corvane::bench::RunWindowBenchmarks(argc, argv);
}
