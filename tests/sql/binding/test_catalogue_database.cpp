// The whole catalogue through a database: written from the demo data file, read back and
// written as a data file again, it must give the same bytes.
#include "SqlTestDatabase.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TCatalogueDatabase.h"
#include "catalogue/TMdbMotor.h"
#include "mdb/EMdbError.h"
#include "model/DataFileSave.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace corvane {
namespace {

namespace fs = std::filesystem;
using test::TSqlTestDatabase;
using TBackend = TSqlTestDatabase::TBackend;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Equal bytes, or where they first differ (the files are too big to print).
::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    const auto where =
        std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    return ::testing::AssertionFailure()
           << "the files differ from byte " << (where.first - actual.begin()) << " (sizes "
           << actual.size() << " and " << expected.size() << ")";
}

class CatalogueDatabase : public ::testing::TestWithParam<TBackend> {
protected:
    void SetUp() override {
        const std::string why = TSqlTestDatabase::Unavailable(GetParam());
        if (!why.empty()) GTEST_SKIP() << why;
        const char* folder = std::getenv("CORVANE_PROGRAM_DIR");
        if (folder == nullptr || !fs::exists(fs::path(folder) / "Corvane.mem"))
            GTEST_SKIP() << "no demo catalogue in CORVANE_PROGRAM_DIR";
        demo_ = fs::path(folder) / "Corvane.mem";
        database_ = std::make_unique<TSqlTestDatabase>(GetParam());
        query_ = database_->Connect();
        out_ = fs::path(::testing::TempDir()) / ("corvane_db_" + std::to_string(::getpid()) + "_" +
                                                 test::BackendName(GetParam()) + ".mem");
    }
    void TearDown() override { fs::remove(out_); }

    void ExportDemo(const std::function<void(TCatalogue&)>& change = {}) {
        TCatalogue catalogue;
        catalogue.Open(demo_.string());
        if (change) change(catalogue);
        TCatalogueDatabase(catalogue, *query_).Export();
    }

    std::string ImportedBytes() {
        TCatalogue catalogue;
        TCatalogueDatabase database(catalogue, *query_);
        database.Import();
        SaveDataFile(catalogue, out_.string());
        return ReadBytes(out_);
    }

    fs::path demo_, out_;
    std::unique_ptr<TSqlTestDatabase> database_;
    std::unique_ptr<TQtSqlQuery> query_;
};

TEST_P(CatalogueDatabase, ExportThenImportGivesTheSameDataFile) {
    ExportDemo();
    const std::string original = ReadBytes(demo_);
    EXPECT_TRUE(SameBytes(ImportedBytes(), original));
    // Exporting again replaces the rows (no doubles).
    ExportDemo();
    EXPECT_TRUE(SameBytes(ImportedBytes(), original));
}

TEST_P(CatalogueDatabase, FailedExportLeavesTheDatabaseAsItWas) {
    ExportDemo();
    // A second motor with an existing number: the write fails at the motor table, after
    // the title and five tables were written already.
    EXPECT_THROW(ExportDemo([](TCatalogue& c) {
                     TMdbMotor& motors = c.Motor();
                     TMdbRecord* twin = motors.NewRecord();
                     motors.SetInt(twin, TMdbMotor::F_MOTORNR, motors.Key(motors.KeyRecord(0)));
                     motors.RebuildIndex(false);
                     c.SetTitle("geändert");
                 }),
                 EMdbError);
    EXPECT_TRUE(SameBytes(ImportedBytes(), ReadBytes(demo_)));
}

TEST_P(CatalogueDatabase, ImportFromAnEmptyDatabaseNamesTheTable) {
    try {
        ImportedBytes();
        FAIL() << "an empty database was imported";
    } catch (const EMdbError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Fehler beim Laden von BILDER: ", 0), 0u) << e.what();
    }
    EXPECT_FALSE(fs::exists(out_));
}

INSTANTIATE_TEST_SUITE_P(Backends, CatalogueDatabase,
                         ::testing::Values(TBackend::Sqlite, TBackend::Postgres),
                         [](const auto& backend) {
                             return std::string(test::BackendName(backend.param));
                         });

} // namespace
} // namespace corvane
