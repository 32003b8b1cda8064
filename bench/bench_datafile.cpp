// Reading the data file: a large catalogue (20 000 impellers, 40 000 housings, 3 000 series
// of 20 points) is written once, then read from memory and from disk, and series are fetched.

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "mdb/TMdb.h"
#include "mdb/TMemoryStream.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace corvane {
namespace {

constexpr int kImpellers = 20000;
constexpr int kHousings = 40000;
constexpr int kSeries = 3000;
constexpr int kPointsPerSeries = 20;
constexpr int kSmallTables = 50;

void FillRecord(TMdb& table, TMdbRecord* record, std::int32_t key, int seed) {
    for (int f = 1; f <= table.FieldCount(); ++f) {
        if (f == table.KeyField()) {
            table.SetInt(record, f, key);
            continue;
        }
        switch (table.Field(f).FieldType) {
        case ftInteger:
        case ftDate:
        case ftCode:
            table.SetInt(record, f, (seed * 31 + f) % 5000);
            break;
        case ftFloat:
            table.SetFloat(record, f, seed * 0.25 + f);
            break;
        case ftString:
            table.SetText(record, f, "Bez " + std::to_string(seed % 977) + "/" + std::to_string(f));
            break;
        default:
            break;
        }
    }
}

void FillTable(TMdb& table, int count) {
    for (int k = 1; k <= count; ++k)
        FillRecord(table, table.NewRecord(), k, k);
    table.RebuildIndex(false);
}

void FillPoints(std::int32_t seriesNo, TMdbMw& table) {
    for (int p = 1; p <= kPointsPerSeries; ++p) {
        TMdbRecord* r = table.NewRecord();
        FillRecord(table, r, p, seriesNo * 37 + p);
        table.SetInt(r, TMdbMw::F_MESSNR, seriesNo);
    }
}

std::vector<std::uint8_t> BuildDataFile() {
    TCatalogue catalogue;
    for (int position = 2; position <= TCatalogue::kTableCount; ++position)
        FillTable(*catalogue.TableInFileOrder(position), kSmallTables);
    FillTable(catalogue.Laufrad(), kImpellers);
    FillTable(catalogue.Gehaeuse(), kHousings);
    FillTable(catalogue.Messung(), kSeries);
    catalogue.SetTitle("Benchmark-Katalog");
    catalogue.SetSeriesPointSource(FillPoints);
    TMemoryStream stream;
    catalogue.Save(stream);
    return stream.Bytes();
}

const std::vector<std::uint8_t>& DataFile() {
    static const std::vector<std::uint8_t> bytes = BuildDataFile();
    return bytes;
}

// The data file on disk for the file benchmark, removed at exit.
class TDiskFile {
public:
    TDiskFile() : path_("/tmp/corvane-bench-" + std::to_string(::getpid()) + ".mem") {
        std::FILE* file = std::fopen(path_.c_str(), "wb");
        if (file == nullptr) return;
        std::fwrite(DataFile().data(), 1, DataFile().size(), file);
        std::fclose(file);
    }
    ~TDiskFile() { std::remove(path_.c_str()); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

const std::string& DiskPath() {
    static const TDiskFile file;
    return file.Path();
}

std::unique_ptr<TStream> MemoryFile() {
    return std::make_unique<TMemoryStream>(
        TMemoryStream::Over(DataFile().data(), DataFile().size()));
}

// Bytes of the tables after the measured-points section: what an open actually reads.
double TablesMB() {
    const std::vector<std::uint8_t>& b = DataFile();
    const std::uint32_t sectionEnd = b[4] | (b[5] << 8) | (b[6] << 16) | (b[7] << 24);
    return static_cast<double>(b.size() - sectionEnd) / 1e6;
}

void BM_OpenStream(benchmark::State& state) {
    DataFile(); // built before the timing starts
    TCatalogue catalogue;
    for (auto _ : state)
        catalogue.OpenStream(MemoryFile());
    state.counters["file_MB"] = static_cast<double>(DataFile().size()) / 1e6;
    state.counters["tables_MB"] = TablesMB();
    state.counters["records/s"] =
        benchmark::Counter(static_cast<double>(kImpellers + kHousings + kSeries) *
                               static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OpenStream)->Unit(benchmark::kMillisecond);

void BM_OpenFile(benchmark::State& state) {
    const std::string& path = DiskPath();
    TCatalogue catalogue;
    for (auto _ : state)
        catalogue.Open(path);
}
BENCHMARK(BM_OpenFile)->Unit(benchmark::kMillisecond);

void BM_ReadSeriesPoints(benchmark::State& state) {
    TCatalogue catalogue;
    catalogue.Open(DiskPath());
    TMdbMw points;
    std::int32_t seriesNo = 0;
    for (auto _ : state) {
        seriesNo = seriesNo % kSeries + 1;
        benchmark::DoNotOptimize(catalogue.ReadSeriesPoints(seriesNo, points));
    }
}
BENCHMARK(BM_ReadSeriesPoints)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace corvane
