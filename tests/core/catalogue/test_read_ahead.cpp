// Series read ahead on a second thread must load exactly as series read when they are needed.

#include "CatalogueTestData.h"
#include "mdb/EMdbError.h"
#include "mdb/TMemoryStream.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "measurements/TSeriesPointCache.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace corvane {
namespace {

constexpr int kSeries = 6;

// Four points per series; series 3 holds point 2 twice, series 4 a point of series 1.
void WritePoints(std::int32_t seriesNo, TMdbMw& table) {
    const auto add = [&table](std::int32_t pointNo, int seed, std::int32_t owner) {
        TMdbRecord* r = table.NewRecord();
        test::FillRecord(table, r, pointNo, seed);
        table.SetInt(r, TMdbMw::F_MESSNR, owner);
    };
    for (int p = 1; p <= 4; ++p)
        add(p, seriesNo * 100 + p, seriesNo);
    if (seriesNo == 3) add(2, 999, 3);
    if (seriesNo == 4) add(5, 998, 1);
}

// Loads series `seriesNo` evaluated in full, as its slot images in list order, or the message
// the load raised.
std::string Load(TCatalogue& catalogue, std::int32_t seriesNo) {
    TSeriesPointCache cache;
    TMdbMw table(&catalogue);
    table.SetPointCache(&cache);
    try {
        table.LoadSeries(seriesNo, 1.1f, 450, 1600);
    } catch (const EMdbError& e) {
        return e.what();
    }
    std::string slots;
    const std::size_t bytes = sizeof(std::uint32_t) * static_cast<std::size_t>(table.SlotCount());
    for (const TMdbRecord* r = table.FirstRecord(); r != nullptr; r = r->Next)
        slots.append(reinterpret_cast<const char*>(r->Slots()), bytes);
    return slots;
}

// From disk the series are read ahead (and waited for); over the same bytes in memory they are
// read in turn. Both give every slot of every point alike, the same messages and the same
// notes: a block with a point number twice, a point of another series or a wrong point count
// is read the usual way, and points changed in memory are taken instead of the file's.
TEST(SeriesReadAhead, LoadsWhatReadingInTurnLoads) {
    TCatalogue source;
    test::BuildCatalogue(source, kSeries);
    source.SetSeriesPointSource(WritePoints);
    test::Bytes bytes = test::DataFileImage(source);
    {
        // The block of series 2 states one point fewer than it holds.
        TCatalogue probe;
        probe.OpenStream(std::make_unique<TMemoryStream>(bytes));
        const TMdbMessung& series = probe.Messung();
        const auto at = static_cast<std::size_t>(
            series.GetInt(series.FindByKey(2), TMdbMessung::F_MESSRECORD) + 4);
        test::PutWord(bytes, at, test::Word(bytes, at) - 1);
    }
    namespace fs = std::filesystem;
    const fs::path path =
        fs::temp_directory_path() / ("corvane-ahead-" + std::to_string(::getpid()) + ".mem");
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    TCatalogue fromDisk;
    fromDisk.Open(path.string());
    fs::remove(path);
    TCatalogue inMemory;
    inMemory.OpenStream(std::make_unique<TMemoryStream>(bytes));

    std::vector<std::int32_t> all;
    for (std::int32_t n = 1; n <= kSeries; ++n)
        all.push_back(n);
    for (TCatalogue* catalogue : {&fromDisk, &inMemory}) {
        // Series 5 measured again in memory.
        TMdbMw edited(catalogue);
        edited.LoadSeries(5, 1.2f, 400, 1450);
        edited.SetFloat(edited.FirstRecord(), TMdbMw::F_PK, 1234.5f);
        catalogue->KeepSeriesPoints(edited);
        catalogue->ReadSeriesAhead(all);
        catalogue->WaitForReadAhead();
    }
    for (std::int32_t n = 1; n <= kSeries; ++n)
        EXPECT_EQ(Load(fromDisk, n), Load(inMemory, n)) << "series " << n;
    EXPECT_EQ(Load(inMemory, 4), "Illegal series no from stream!");
    EXPECT_EQ(Load(inMemory, 2), "Illegal byte count from stream!");
    EXPECT_FALSE(inMemory.DuplicateKeys().empty());
    EXPECT_EQ(fromDisk.DuplicateKeys(), inMemory.DuplicateKeys());
    fromDisk.StopReadingAhead();
}

} // namespace
} // namespace corvane
