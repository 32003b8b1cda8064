// The data file: the whole catalogue written and read back, series points on demand, and the
// refusal of damaged files.

#include "CatalogueTestData.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "mdb/EMdbError.h"
#include "mdb/TMemoryStream.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace corvane {
namespace {

using test::Bytes;
using test::PutWord;
using test::Word;

void OpenBytes(TCatalogue& catalogue, const Bytes& bytes) {
    catalogue.OpenStream(std::make_unique<TMemoryStream>(bytes));
}

std::string OpenError(TCatalogue& catalogue, const Bytes& bytes) {
    try {
        OpenBytes(catalogue, bytes);
    } catch (const EMdbError& e) {
        return e.what();
    }
    return "opened";
}

TEST(DataFile, CatalogueRoundTripWithSeriesPoints) {
    TCatalogue source;
    test::BuildCatalogue(source);
    const Bytes image = test::DataFileImage(source);
    // Save restores the offsets of the catalogue's own (here: absent) data file.
    EXPECT_EQ(source.Messung().GetInt(source.Messung().FindByKey(1), TMdbMessung::F_MESSRECORD), 0);

    // The section: header, SectionEnd, title "Katalog Süd" (11 characters: 1 + 3 words).
    EXPECT_EQ(Word(image, 0), 1009u | (24u << 16));
    EXPECT_EQ(Word(image, 8), 4u);
    EXPECT_EQ(Word(image, 12), 11u);
    const std::uint32_t sectionEnd = Word(image, 4);
    ASSERT_LT(sectionEnd, image.size());
    EXPECT_EQ(Word(image, sectionEnd), 1008u | (24u << 16)); // BILDER follows

    TCatalogue loaded;
    OpenBytes(loaded, image);
    EXPECT_TRUE(loaded.IsOpen());
    EXPECT_EQ(loaded.Title(), "Katalog Süd");
    EXPECT_EQ(loaded.Mw().RecordCount(), 0); // points are read only on demand
    for (int position = 2; position <= TCatalogue::kTableCount; ++position) {
        const int skip = position == 11 ? TMdbMessung::F_MESSRECORD : 0;
        EXPECT_EQ(test::TableContents(*loaded.TableInFileOrder(position), skip),
                  test::TableContents(*source.TableInFileOrder(position), skip))
            << loaded.TableInFileOrder(position)->TableName();
    }

    // The first series block follows the title; the second one follows the first.
    const TMdbMessung& series = loaded.Messung();
    const std::int32_t first = series.GetInt(series.FindByKey(1), TMdbMessung::F_MESSRECORD);
    const std::int32_t second = series.GetInt(series.FindByKey(2), TMdbMessung::F_MESSRECORD);
    EXPECT_EQ(first, 28);
    EXPECT_GT(second, first);

    TMdbMw points;
    TMdbMw expected;
    for (std::int32_t seriesNo : {2, 1, 3}) {
        ASSERT_TRUE(loaded.ReadSeriesPoints(seriesNo, points)) << seriesNo;
        expected.FreeAllRecords();
        test::FillPoints(seriesNo, expected);
        expected.RebuildIndex(false);
        EXPECT_EQ(test::TableContents(points), test::TableContents(expected)) << seriesNo;
    }
    EXPECT_EQ(points.RecordCount(), 0); // series 3 has no points
    EXPECT_FALSE(loaded.ReadSeriesPoints(99, points));

    // Writing the opened catalogue again reads the points from its file: the same bytes.
    EXPECT_EQ(test::DataFileImage(loaded), image);
    EXPECT_TRUE(loaded.ReadSeriesPoints(1, points));
    EXPECT_EQ(points.RecordCount(), 3);
}

// "in Katalog" of an impeller type is not stored: opening the file marks the types that an
// impeller or a housing uses.
TEST(DataFile, OpeningMarksTheImpellerTypesInUse) {
    TCatalogue source;
    test::BuildCatalogue(source);
    TMdbLaufrad& impellers = source.Laufrad();
    TMdbGehaeuse& housings = source.Gehaeuse();
    for (int i = 0; i < impellers.KeyIndexCount(); ++i)
        impellers.SetInt(impellers.KeyRecord(i), TMdbLaufrad::F_TYPNR, i == 0 ? 2 : 999);
    for (int i = 0; i < housings.KeyIndexCount(); ++i)
        housings.SetInt(housings.KeyRecord(i), TMdbGehaeuse::F_TYPNR, i == 0 ? 3 : 999);
    for (int i = 0; i < source.LrTyp().KeyIndexCount(); ++i) // stale marks of the writer
        source.LrTyp().SetFloat(source.LrTyp().KeyRecord(i), TMdbLrTyp::F_INKATALOG, 1);
    TCatalogue loaded;
    OpenBytes(loaded, test::DataFileImage(source));
    const TMdbLrTyp& types = loaded.LrTyp();
    EXPECT_FALSE(types.InCatalogue(types.FindByKey(1)));
    EXPECT_TRUE(types.InCatalogue(types.FindByKey(2))); // an impeller's type
    EXPECT_TRUE(types.InCatalogue(types.FindByKey(3))); // a housing's type
}

// Saving reports the share of series written, at most about a thousand times, ending with 1.
TEST(DataFile, SaveReportsProgress) {
    for (const int series : {3, 2001}) {
        TCatalogue source;
        test::BuildCatalogue(source, series);
        std::vector<double> reports;
        TSaveOptions options;
        options.Progress = [&reports](double fraction) { reports.push_back(fraction); };
        TMemoryStream stream;
        source.Save(stream, options);
        ASSERT_FALSE(reports.empty());
        EXPECT_DOUBLE_EQ(reports.back(), 1.0);
        EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
        if (series == 3) {
            EXPECT_EQ(reports, (std::vector<double>{1.0 / 3, 2.0 / 3, 1.0}));
        } else {
            EXPECT_EQ(reports.size(), 1001u); // every second series, then the end
            EXPECT_DOUBLE_EQ(reports.front(), 2.0 / 2001);
        }
    }
}

TEST(DataFile, DamagedSectionClosesTheCatalogue) {
    TCatalogue source;
    test::BuildCatalogue(source);
    const Bytes image = test::DataFileImage(source);
    const std::uint32_t sectionEnd = Word(image, 4);

    TCatalogue catalogue;
    const auto refused = [&](const Bytes& bytes) {
        OpenBytes(catalogue, image);
        const std::string message = OpenError(catalogue, bytes);
        EXPECT_FALSE(catalogue.IsOpen());
        EXPECT_EQ(catalogue.Laufrad().RecordCount(), 0);
        EXPECT_EQ(catalogue.Title(), "");
        return message;
    };
    const char* const illegal = "Illegal byte count from stream!";
    const struct {
        std::size_t At;
        std::uint32_t Value;
        const char* Message;
    } cases[] = {
        {0, 1010 | 24 << 16, "falsche Mdb-Nr. aus Stream!"},
        {0, 1009 | 25 << 16, "falsche Versions-Nr. aus Stream!"},
        {8, 252, illegal}, // TitleWordCount
        {8, 0xFFFFFFFF, illegal},
        {8, 1, illegal},  // the title's characters missing
        {4, 20, illegal}, // SectionEnd inside the header
        {4, static_cast<std::uint32_t>(image.size() + 1), illegal},
        {4, 0x80000000, illegal},
        {sectionEnd, 1009 | 24 << 16, "Illegal Mdb no from stream!"}, // BILDER damaged
    };
    for (const auto& c : cases) {
        Bytes b = image;
        PutWord(b, c.At, c.Value);
        EXPECT_EQ(refused(b), c.Message) << c.At << " " << c.Value;
    }

    // An empty title is a single word 0.
    source.SetTitle("");
    const Bytes untitled = test::DataFileImage(source);
    EXPECT_TRUE(Word(untitled, 8) == 1 && Word(untitled, 12) == 0);
}

TEST(DataFile, FileIsReplacedOnlyWhenCompletelyWritten) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("corvane-datafile-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string path = (folder / "Corvane.mem").string();

    TCatalogue source;
    test::BuildCatalogue(source);
    source.SaveToFile(path);
    const Bytes image = test::DataFileImage(source);
    EXPECT_EQ(fs::file_size(path), image.size());

    TCatalogue opened;
    opened.Open(path);
    TMdbMw points;
    // Writing over the open file: the open catalogue keeps reading its own (old) file.
    source.SetTitle("Neu");
    source.SaveToFile(path);
    EXPECT_TRUE(opened.ReadSeriesPoints(1, points));
    EXPECT_EQ(points.RecordCount(), 3);

    // A failing save leaves the old file and no temporary file behind.
    source.SetTitle(std::string(1000, 'x'));
    EXPECT_THROW(source.SaveToFile(path), EMdbError);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    TCatalogue reopened;
    reopened.Open(path);
    EXPECT_EQ(reopened.Title(), "Neu");

    EXPECT_THROW(reopened.Open((folder / "missing.mem").string()), EMdbError);
    EXPECT_FALSE(reopened.IsOpen());
    EXPECT_EQ(reopened.Laufrad().RecordCount(), 0);
    EXPECT_THROW(source.SaveToFile((folder / "no" / "such.mem").string()), EMdbError);
    fs::remove_all(folder);
}

} // namespace
} // namespace corvane
