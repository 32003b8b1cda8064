// Damaged data files: thousands of deterministic mutations of a small valid file must each end
// in a clean load or an EMdbError, never in a crash, a foreign exception or a hang.

#include "CatalogueTestData.h"
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
    // The unwritten marker 0 and below, and the three series blocks (series 3 has no points).
    EXPECT_EQ(loaded, 9 + 3);
    series.SetInt(first, TMdbMessung::F_MESSRECORD, valid);
    EXPECT_TRUE(catalogue_.ReadSeriesPoints(1, points_));
    EXPECT_EQ(points_.RecordCount(), 3);
}

} // namespace
} // namespace corvane
