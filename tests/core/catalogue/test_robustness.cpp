// Damaged data files: thousands of deterministic mutations of a small valid file must each end
// in a clean load or an EMdbError, never in a crash, a foreign exception or a hang; damage to
// the file's structure that would still parse is refused.

#include "CatalogueTestData.h"
#include "DataFileLayout.h"
#include "catalogue/TMdbLaufrad.h"
#include "mdb/EMdbError.h"
#include "mdb/TMemoryStream.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <iostream>
#include <limits>
#include <random>

namespace corvane {
namespace {

using test::Bytes;
using test::PutWord;
using test::Word;

struct TOutcome {
    int Loaded = 0;
    int Refused = 0;
};

class Robustness : public ::testing::Test {
protected:
    void SetUp() override {
        TCatalogue source;
        test::BuildCatalogue(source);
        image_ = test::DataFileImage(source);
    }

    // Opens the bytes; when they load, reads every series (and some that do not exist) and,
    // when asked, writes the catalogue again.
    void Feed(const Bytes& bytes, bool save = false) {
        try {
            catalogue_.OpenStream(std::make_unique<TMemoryStream>(bytes));
        } catch (const EMdbError&) {
            ++outcome_.Refused;
            EXPECT_FALSE(catalogue_.IsOpen());
            return;
        } catch (const std::exception& e) {
            ADD_FAILURE() << "foreign exception while opening: " << e.what();
            return;
        }
        ++outcome_.Loaded;
        ReadAllSeries();
        if (save) {
            try {
                TMemoryStream out;
                catalogue_.Save(out);
            } catch (const EMdbError&) {
            } catch (const std::exception& e) {
                ADD_FAILURE() << "foreign exception while saving: " << e.what();
            }
        }
    }

    void ReadAllSeries() {
        const TMdbMessung& series = catalogue_.Messung();
        std::vector<std::int32_t> numbers{-1, 0, 987654};
        for (int i = 0; i < series.KeyIndexCount(); ++i)
            numbers.push_back(series.Key(series.KeyRecord(i)));
        for (const std::int32_t no : numbers) {
            try {
                catalogue_.ReadSeriesPoints(no, points_);
            } catch (const EMdbError&) {
                EXPECT_EQ(points_.RecordCount(), 0);
            } catch (const std::exception& e) {
                ADD_FAILURE() << "foreign exception while reading series " << no << ": "
                              << e.what();
            }
        }
    }

    Bytes image_;
    TCatalogue catalogue_;
    TMdbMw points_;
    TOutcome outcome_;
    std::mt19937 random_{20240611u};
};

TEST_F(Robustness, TruncatedAndMutatedFiles) {
    // Cut at every byte: only the complete file holds every table.
    for (std::size_t size = 0; size < image_.size(); ++size)
        Feed(Bytes(image_.begin(), image_.begin() + static_cast<std::ptrdiff_t>(size)));
    EXPECT_EQ(outcome_.Loaded, 0);

    // Counts, lengths and offsets at their limits, around the file size, and scrambled.
    const auto size = static_cast<std::uint32_t>(image_.size());
    const std::uint32_t extremes[] = {
        0u,       1u,       3u,       4u,   251u,        252u,        16376u,      16377u,
        size - 8, size - 1, size + 1, size, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0x5C3E91A7u};
    std::uniform_int_distribution<std::size_t> anyByte(0, image_.size() - 1);
    std::uniform_int_distribution<std::size_t> anyExtreme(0, std::size(extremes) - 1);
    std::uniform_int_distribution<int> flipBits(1, 255);
    for (int round = 0; round < 5000; ++round) {
        Bytes bytes = image_;
        if (round % 2 == 0) {
            for (int i = 0; i <= round % 3; ++i)
                bytes[anyByte(random_)] ^= static_cast<std::uint8_t>(flipBits(random_));
        } else {
            const std::size_t at = anyByte(random_) & ~std::size_t{3}; // every field is aligned
            std::uint32_t value = extremes[anyExtreme(random_)];
            if (round % 4 == 1) value ^= 0x5C3E91A7u; // as a scrambled payload word
            for (int i = 0; i < 4; ++i)
                bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
        Feed(bytes, round % 25 == 1);
    }
    Feed(image_, true);
    EXPECT_EQ(outcome_.Loaded + outcome_.Refused, static_cast<int>(image_.size()) + 5001);
    std::cout << "mutations: " << outcome_.Loaded << " loaded, " << outcome_.Refused
              << " refused\n";
}

TEST_F(Robustness, SeriesOffsetsAnywhere) {
    catalogue_.OpenStream(std::make_unique<TMemoryStream>(image_));
    TMdbMessung& series = catalogue_.Messung();
    TMdbRecord* first = series.FindByKey(1);
    ASSERT_NE(first, nullptr);
    const std::int32_t valid = series.GetInt(first, TMdbMessung::F_MESSRECORD);
    int loaded = 0;
    for (std::int32_t offset = -8; offset < static_cast<std::int32_t>(image_.size()) + 8;
         ++offset) {
        series.SetInt(first, TMdbMessung::F_MESSRECORD, offset);
        try {
            catalogue_.ReadSeriesPoints(1, points_);
            ++loaded;
        } catch (const EMdbError&) {
            EXPECT_EQ(points_.RecordCount(), 0);
        }
    }
    // The unwritten marker 0 and below, and the series' own block: not the blocks of series 2
    // and 3 (which has no points), nor any place inside a block.
    EXPECT_EQ(loaded, 9 + 1);
    series.SetInt(first, TMdbMessung::F_MESSRECORD, valid);
    EXPECT_TRUE(catalogue_.ReadSeriesPoints(1, points_));
    EXPECT_EQ(points_.RecordCount(), 3);
}

// The message of a refused open, or "opened".
std::string OpenError(TCatalogue& catalogue, const Bytes& bytes) {
    try {
        catalogue.OpenStream(std::make_unique<TMemoryStream>(bytes));
    } catch (const EMdbError& e) {
        EXPECT_FALSE(catalogue.IsOpen());
        return e.what();
    }
    return "opened";
}

// The message of a refused series load, or the number of points read.
std::string SeriesError(TCatalogue& catalogue, std::int32_t seriesNo) {
    TMdbMw points;
    try {
        catalogue.ReadSeriesPoints(seriesNo, points);
    } catch (const EMdbError& e) {
        EXPECT_EQ(points.RecordCount(), 0);
        return e.what();
    }
    return std::to_string(points.RecordCount()) + " points";
}

const std::string kByteCount = "Illegal byte count from stream!";
const std::string kSeriesNo = "Illegal series no from stream!";

TEST_F(Robustness, ChangedPointCountsAreRefused) {
    const test::TImageLayout layout = test::WalkImage(image_);
    ASSERT_EQ(layout.SeriesBlocks.size(), 3u); // series 1, 2 and 3 with 3, 2 and 0 points
    ASSERT_EQ(layout.Tables.size(), 10u);
    for (std::size_t block = 0; block < 3; ++block) {
        const std::size_t count = layout.SeriesBlocks[block].Header + 4;
        const auto seriesNo = static_cast<std::int32_t>(block + 1);
        for (const int change : {-1, +1, +2}) {
            if (Word(image_, count) == 0 && change < 0) continue;
            Bytes bytes = image_;
            PutWord(bytes, count, Word(image_, count) + static_cast<std::uint32_t>(change));
            // The file opens (only the series knows its block), the series is refused.
            ASSERT_EQ(OpenError(catalogue_, bytes), "opened");
            EXPECT_EQ(SeriesError(catalogue_, seriesNo).find("Illegal"), 0u)
                << "series " << seriesNo << " count " << change;
            // The other series still read.
            EXPECT_EQ(SeriesError(catalogue_, block == 0 ? 2 : 1).find("points"), 2u);
        }
    }
}

TEST_F(Robustness, SeriesOffsetsMustClaimTheirOwnBlocks) {
    const test::TImageLayout layout = test::WalkImage(image_);
    const std::vector<std::size_t>& seriesRecords = layout.Tables.back().Records;
    const auto offsetOf = [&](std::size_t block) {
        return static_cast<std::uint32_t>(layout.SeriesBlocks[block].Header);
    };
    const auto offsetWord = [&](std::size_t block) {
        const int word = test::FindPayloadWord(image_, seriesRecords[block], offsetOf(block));
        EXPECT_GE(word, 0);
        return static_cast<std::size_t>(word);
    };
    const auto withOffset = [&](std::size_t series, std::uint32_t offset) {
        Bytes bytes = image_;
        test::PutPayloadWord(bytes, seriesRecords[series], offsetWord(series), offset);
        return bytes;
    };
    // Two series naming one block.
    EXPECT_EQ(OpenError(catalogue_, withOffset(1, offsetOf(0))), kSeriesNo);
    EXPECT_EQ(OpenError(catalogue_, withOffset(2, offsetOf(1))), kSeriesNo);
    // Series 2 pointing at the second point of series 1: its own block is left to nobody and
    // the block of series 1 seems to end inside its points. Both series are refused.
    const auto inside = static_cast<std::uint32_t>(layout.SeriesBlocks[0].Records[1]);
    ASSERT_EQ(OpenError(catalogue_, withOffset(1, inside)), "opened");
    EXPECT_EQ(SeriesError(catalogue_, 1), kByteCount);
    EXPECT_NE(SeriesError(catalogue_, 2).find("Illegal"), std::string::npos);
    // Blocks that leave a gap at the start or end of the section, or overlap the title.
    EXPECT_EQ(OpenError(catalogue_, withOffset(0, offsetOf(0) + 4)), kByteCount);
    EXPECT_EQ(OpenError(catalogue_, withOffset(0, offsetOf(0) - 4)), kByteCount);
    EXPECT_EQ(OpenError(catalogue_, withOffset(2, Word(image_, 4) - 4)), kByteCount);
    // Series 3 (no points) marked as never written: its empty block at the end now seems to
    // belong to series 2, which is refused.
    ASSERT_EQ(OpenError(catalogue_, withOffset(2, 0)), "opened");
    EXPECT_EQ(SeriesError(catalogue_, 2), kByteCount);
    EXPECT_EQ(SeriesError(catalogue_, 3), "0 points");

    // A block whose points carry another series' number: series 1 and 2 swap numbers in
    // their points, and the blocks stay where they are.
    Bytes swapped = image_;
    for (std::size_t block = 0; block < 2; ++block)
        for (const std::size_t point : layout.SeriesBlocks[block].Records)
            test::PutPayloadWord(swapped, point, 0, block == 0 ? 2 : 1); // MESSNR is field 1
    ASSERT_EQ(OpenError(catalogue_, swapped), "opened");
    EXPECT_EQ(SeriesError(catalogue_, 1), kSeriesNo);
    EXPECT_EQ(SeriesError(catalogue_, 2), kSeriesNo);
}

TEST_F(Robustness, BytesAfterTheLastTableAreRefused) {
    for (const Bytes& tail : {Bytes{0}, Bytes{0, 0, 0, 0}, Bytes{0xEE, 0x03, 24, 0, 0, 0, 0, 0}}) {
        Bytes bytes = image_;
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        EXPECT_EQ(OpenError(catalogue_, bytes), kByteCount) << tail.size();
    }
    EXPECT_EQ(OpenError(catalogue_, image_), "opened");
    EXPECT_TRUE(catalogue_.DuplicateKeys().empty());
}

TEST_F(Robustness, DuplicatedRecordsKeepTheFirstAndAreListed) {
    const test::TImageLayout layout = test::WalkImage(image_);
    // LAUFRAD (7th table): a copy of impeller 2 stored as a second impeller 1, after it.
    Bytes bytes = image_;
    const test::TStreamLayout& impellers = layout.Tables[6];
    Bytes copy = test::RecordBlock(image_, impellers.Records[1]);
    ASSERT_EQ(test::PayloadWord(copy, 0, 0), 2u); // the key is field 1
    test::PutPayloadWord(copy, 0, 0, 1);
    PutWord(bytes, impellers.Header + 4, Word(image_, impellers.Header + 4) + 1);
    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(impellers.Records[1]), copy.begin(),
                 copy.end());
    // HDRMAIN: series 1 stored twice (both naming its block).
    const test::TStreamLayout& series = layout.Tables[9];
    const std::size_t grow = copy.size();
    const Bytes seriesCopy = test::RecordBlock(image_, series.Records[0]);
    PutWord(bytes, series.Header + grow + 4, Word(image_, series.Header + 4) + 1);
    bytes.insert(bytes.end(), seriesCopy.begin(), seriesCopy.end());
    // MW: the first point of series 2 twice.
    test::InsertIntoSection(bytes, layout.SeriesBlocks[1].End,
                            test::RecordBlock(image_, layout.SeriesBlocks[1].Records[0]));
    PutWord(bytes, layout.SeriesBlocks[1].Header + 4, 3);

    TCatalogue reference;
    ASSERT_EQ(OpenError(reference, image_), "opened");
    ASSERT_EQ(OpenError(catalogue_, bytes), "opened");
    EXPECT_EQ(test::TableContents(catalogue_.Laufrad()), test::TableContents(reference.Laufrad()));
    EXPECT_EQ(catalogue_.Messung().KeyIndexCount(), 3);
    EXPECT_EQ(catalogue_.Messung().RecordCount(), 3);
    const std::vector<TDuplicateKey> atOpen{{"LAUFRAD", 1, 0}, {"HDRMAIN", 1, 0}};
    EXPECT_EQ(catalogue_.DuplicateKeys(), atOpen);

    // Series 2 reads with its first point once; series 1 is untouched by its duplicate.
    EXPECT_EQ(SeriesError(catalogue_, 2), "2 points");
    EXPECT_EQ(SeriesError(catalogue_, 1), "3 points");
    std::vector<TDuplicateKey> all = atOpen;
    all.push_back({"MW", 1, 2});
    EXPECT_EQ(catalogue_.DuplicateKeys(), all);
    EXPECT_EQ(SeriesError(catalogue_, 2), "2 points"); // listed once however often read
    EXPECT_EQ(catalogue_.DuplicateKeys(), all);
}

} // namespace
} // namespace corvane
