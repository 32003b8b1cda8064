// The impeller search on the demo catalogue, the fixed set of the search fingerprint: search
// modes 0..4, fan layouts 0..2, catalogue scales 1, 10 and 100 of corvane-datagen, with the
// default request over all impeller types (mode 4 evaluates a cart of the first rows of
// modes 0 and 1). The data files come from CORVANE_BENCH_DATA (default: Corvane.mem of the
// program folder), CORVANE_BENCH_DATA10 and CORVANE_BENCH_DATA100; a scale without its file
// is skipped, and without any file a small synthetic catalogue stands in for scale 1.
// scripts/bench generates the files and runs this with them.
//
// The search object lives across iterations as in the program, so the series points are
// read from the data file once and come from the point cache afterwards (BM_Search).
// BM_FirstSearch is the first search after start: a new search object with an empty point
// cache on the open catalogue, every series read from the data file.

#include "BenchData.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "model/Calibration.h"
#include "selection/TImpellerSearch.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <map>
#include <memory>
#include <string>

namespace corvane {
namespace {

using bench::DataPath;

// Points of a synthetic series: a falling pressure curve at 1450 1/min, 400 mm.
void SyntheticPoints(std::int32_t no, TMdbMw& table) {
    const double rho = 1013.0 / 287.1 * 100 / 293;
    const double scale = 0.8 + 0.02 * (no % 20);
    for (int i = 0; i < 20; ++i) {
        const double v = 500.0 * (i + 1) * scale;
        const double dp = (1400 + 0.02 * v - 1.2e-5 * v * v / (scale * scale)) * scale;
        const double eta = 75 - 6e-7 * (v - 6000 * scale) * (v - 6000 * scale) / scale;
        const double shaft = v / 3600 * dp / std::max(eta, 5.0) * 100;
        TMdbRecord* p = table.NewRecord();
        table.SetInt(p, TMdbMw::F_MESSNR, no);
        table.SetInt(p, TMdbMw::F_MWNR, i + 1);
        table.SetFloat(p, TMdbMw::F_PB, 1013);
        table.SetFloat(p, TMdbMw::F_RT, 20);
        table.SetFloat(p, TMdbMw::F_RF, 0);
        table.SetFloat(p, TMdbMw::F_V, v);
        table.SetFloat(p, TMdbMw::F_PK, dp * rho / 1.205);
        table.SetFloat(p, TMdbMw::F_N, 1450);
        table.SetFloat(p, TMdbMw::F_M, shaft / (1450 * M_PI / 30));
        table.SetFloat(p, TMdbMw::F_LP_A, 60 + v / 500);
    }
}

// 40 series and 400 impellers of 10 diameters each, no housings.
std::unique_ptr<TCatalogue> SyntheticCatalogue() {
    auto cat = std::make_unique<TCatalogue>();
    TMdbLrTyp& types = cat->LrTyp();
    TMdbRecord* type = types.NewRecord();
    types.SetInt(type, TMdbLrTyp::F_TYPNR, 150);
    types.SetText(type, TMdbLrTyp::F_TYPBEZ, "RB150");
    TMdbMessung& series = cat->Messung();
    TMdbLaufrad& impellers = cat->Laufrad();
    for (int s = 1; s <= 40; ++s) {
        TMdbRecord* r = series.NewRecord();
        series.SetInt(r, TMdbMessung::F_MESSNR, s);
        series.SetFloat(r, TMdbMessung::F_Ab, 0.25);
        series.SetFloat(r, TMdbMessung::F_DLr, 400);
        for (int d = 0; d < 10; ++d) {
            const float d2 = 250.0f + 50.0f * static_cast<float>(d);
            TMdbRecord* i = impellers.NewRecord();
            impellers.SetInt(i, TMdbLaufrad::F_LFRDNR, (s - 1) * 10 + d + 1);
            impellers.SetInt(i, TMdbLaufrad::F_MESSNR, s);
            impellers.SetInt(i, TMdbLaufrad::F_TYPNR, 150);
            impellers.SetInt(i, TMdbLaufrad::F_D2NENN, static_cast<std::int32_t>(d2));
            impellers.SetFloat(i, TMdbLaufrad::F_D2, d2);
            impellers.SetFloat(i, TMdbLaufrad::F_EINBHOEHE, d2 / 3);
            impellers.SetText(i, TMdbLaufrad::F_FLUTIGKEIT, "E");
            impellers.SetFloat(i, TMdbLaufrad::F_MINDREHZ, 200);
            impellers.SetFloat(i, TMdbLaufrad::F_MAXDREHZ, 4000);
        }
    }
    types.RebuildIndex(false);
    series.RebuildIndex(false);
    impellers.RebuildIndex(false);
    cat->SetSeriesPointSource(SyntheticPoints);
    for (int s = 1; s <= 40; ++s)
        CalibrateSeries(*cat, s);
    return cat;
}

// The catalogue of a scale, opened once per process; nullptr when there is none.
TCatalogue* Catalogue(int scale) {
    static std::map<int, std::unique_ptr<TCatalogue>> catalogues;
    const auto it = catalogues.find(scale);
    if (it != catalogues.end()) return it->second.get();
    std::unique_ptr<TCatalogue> cat;
    const std::string path = DataPath(scale);
    if (!path.empty()) {
        cat = std::make_unique<TCatalogue>();
        cat->Open(path);
    } else if (scale == 1) {
        cat = SyntheticCatalogue();
    }
    return (catalogues[scale] = std::move(cat)).get();
}

// The request of the fixed set: the defaults over all impeller types.
TAuswahlParam Request(int mode, int layout) {
    TAuswahlParam request;
    request.SearchMode = mode;
    request.FanLayout = layout;
    request.TypeGroup = kAllTypesGroup;
    return request;
}

// The cart of mode 4: the first 25 rows of modes 0 and 1 of the same layout.
TWarenkorb Cart(TCatalogue& cat, int layout) {
    TWarenkorb cart;
    TImpellerSearch search(cat);
    for (const int mode : {SearchComputedSpeed, SearchFixedSpeed}) {
        search.Run(Request(mode, layout));
        const auto& rows = search.Rows();
        for (std::size_t i = 0; i < rows.size() && i < 25; ++i)
            cart.push_back({rows[i].Id(), rows[i].N, rows[i].Vop});
    }
    return cart;
}

void Label(benchmark::State& state, int scale, const TImpellerSearch& search, std::size_t rows,
           std::size_t candidates) {
    state.counters["candidates/s"] =
        benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kIsRate);
    state.counters["candidates"] = static_cast<double>(search.CandidateCount());
    state.counters["rows"] = static_cast<double>(rows);
    state.SetLabel(DataPath(scale).empty() ? "synthetic" : DataPath(scale));
}

// Arguments: scale, search mode, fan layout.
void BM_Search(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    const int mode = static_cast<int>(state.range(1));
    const int layout = static_cast<int>(state.range(2));
    TCatalogue* cat = Catalogue(scale);
    if (cat == nullptr) {
        state.SkipWithError("no catalogue of this scale (CORVANE_BENCH_DATA10, ..._DATA100)");
        return;
    }
    const TWarenkorb cart = mode == SearchCart ? Cart(*cat, layout) : TWarenkorb{};
    const TAuswahlParam request = Request(mode, layout);
    TImpellerSearch search(*cat);
    search.Run(request, cart); // fills the point cache
    std::size_t candidates = 0;
    std::size_t rows = 0;
    for (auto _ : state) {
        rows = search.Run(request, cart);
        candidates += search.CandidateCount();
    }
    Label(state, scale, search, rows, candidates);
}
BENCHMARK(BM_Search)
    ->ArgNames({"scale", "mode", "layout"})
    ->ArgsProduct({{1, 10, 100}, {0, 1, 2, 3, 4}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// The first search after start: an empty point cache, every series read from the data file.
// Arguments: scale, search mode, fan layout.
void BM_FirstSearch(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    TCatalogue* cat = Catalogue(scale);
    if (cat == nullptr) {
        state.SkipWithError("no catalogue of this scale (CORVANE_BENCH_DATA10, ..._DATA100)");
        return;
    }
    const TAuswahlParam request =
        Request(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
    std::size_t candidates = 0;
    std::size_t rows = 0;
    std::unique_ptr<TImpellerSearch> search;
    for (auto _ : state) {
        // Freeing the previous search's points is not part of a first search.
        state.PauseTiming();
        search.reset();
        state.ResumeTiming();
        search = std::make_unique<TImpellerSearch>(*cat);
        rows = search->Run(request);
        candidates += search->CandidateCount();
    }
    Label(state, scale, *search, rows, candidates);
}
BENCHMARK(BM_FirstSearch)
    ->ArgNames({"scale", "mode", "layout"})
    ->ArgsProduct({{1, 10, 100}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvane
