// Builds the demo catalogue (seed 1, scale 1), writes and re-reads it, and checks that every
// series obeys fan physics once evaluated, that every catalogue record is calibrated, and that
// the common duty point is reachable in every fan layout.

#include "CatalogueBuilder.h"
#include "DataSheets.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbBild.h"
#include "catalogue/TMdbDuese.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "model/DataFileSave.h"
#include "physics/FanLaws.h"
#include "util/Codepage.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>

namespace corvane {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The demo catalogue written to a temporary file once for all tests, and opened from there.
class DemoCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ =
            fs::temp_directory_path() / ("corvane-datagen-test-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        TCatalogue writer;
        TCatalogueBuilder builder(writer, 1, 1);
        const TDemoContent content = builder.Build();
        for (const TDataSheet& sheet : content.Sheets)
            sheetFiles_.insert(sheet.FileName);
        for (const TPictureFile& picture : content.Pictures)
            pictureFiles_.insert(picture.FileName);
        SaveDataFile(writer, (folder_ / "Corvane.mem").string());
        catalogue_ = new TCatalogue;
        catalogue_->Open((folder_ / "Corvane.mem").string());
    }
    static void TearDownTestSuite() {
        delete catalogue_;
        catalogue_ = nullptr;
        fs::remove_all(folder_);
    }

    static inline fs::path folder_;
    static inline std::set<std::string> sheetFiles_;
    static inline std::set<std::string> pictureFiles_;
    static inline TCatalogue* catalogue_ = nullptr;
};

struct TEfficiencyRange {
    double Lo;
    double Hi;
};

TEfficiencyRange FamilyRange(std::int32_t typeNo) {
    switch (CorrectionFamily(typeNo)) {
    case 0:
        return {55, 70}; // forward-curved
    case 1:
        return {72, 86}; // backward-curved
    default:
        return {55, 72}; // radial blades
    }
}

TEST_F(DemoCatalogue, EverySeriesObeysFanPhysicsAtStandardDensity) {
    TMdbMessung& series = catalogue_->Messung();
    TMdbMw& mw = catalogue_->Mw();
    ASSERT_GE(series.KeyIndexCount(), 120);
    int withSound = 0;
    for (int s = 0; s < series.KeyIndexCount(); ++s) {
        const TMdbRecord* record = series.KeyRecord(s);
        SCOPED_TRACE("series " + std::to_string(series.Key(record)));
        ASSERT_TRUE(mw.LoadSeries(record, 1.205f, -1, -1));
        mw.Sort(TMdbMw::F_VC, false);
        const int n = mw.ViewCount();
        ASSERT_GE(n, 15);
        ASSERT_LE(n, 25);

        double maxPfa = 0, peakEta = 0, maxPower = 0;
        int maxPowerAt = 0;
        bool rising = true;
        for (int i = 0; i < n; ++i) {
            const TMdbRecord* p = mw.ViewRecord(i);
            const float rho = mw.GetFloat(p, TMdbMw::F_RHO);
            EXPECT_GE(rho, 1.10f);
            EXPECT_LE(rho, 1.25f);
            const double pfa = mw.GetFloat(p, TMdbMw::F_PFA);
            const double shaft = mw.GetFloat(p, TMdbMw::F_PWE);
            ASSERT_GT(shaft, 0);
            EXPECT_GT(mw.GetFloat(p, TMdbMw::F_PW), shaft);
            maxPfa = std::max(maxPfa, pfa);
            peakEta = std::max(peakEta, double(mw.GetFloat(p, TMdbMw::F_ETATOT)));
            if (shaft > maxPower) {
                maxPower = shaft;
                maxPowerAt = i;
            }
            if (i > 0 && shaft < 0.999 * mw.GetFloat(mw.ViewRecord(i - 1), TMdbMw::F_PWE))
                rising = false;
            const float lpa = mw.GetFloat(p, TMdbMw::F_LPAC);
            if (lpa > 0) {
                ++withSound;
                EXPECT_GE(lpa, 45.0f);
                EXPECT_LE(lpa, 105.0f);
            }
        }
        const double lastPfa = mw.GetFloat(mw.ViewRecord(n - 1), TMdbMw::F_PFA);
        EXPECT_GE(lastPfa, 0);
        EXPECT_LT(lastPfa, 0.06 * maxPfa);

        const std::int32_t type = mw.ImpellerType();
        const TEfficiencyRange range = FamilyRange(type);
        EXPECT_GE(peakEta, range.Lo) << "type " << type;
        EXPECT_LE(peakEta, range.Hi) << "type " << type;
        if (CorrectionFamily(type) == 1) {
            EXPECT_GT(maxPowerAt, 0);
            EXPECT_LT(maxPowerAt, n - 1);
        }
        if (CorrectionFamily(type) == 0) {
            EXPECT_TRUE(rising);
        }
    }
    EXPECT_GT(withSound, 0);
}

TEST_F(DemoCatalogue, EveryImpellerAndHousingIsCalibrated) {
    const TMdbLaufrad& impellers = catalogue_->Laufrad();
    ASSERT_GE(impellers.KeyIndexCount(), 350);
    for (int i = 0; i < impellers.KeyIndexCount(); ++i) {
        const TMdbRecord* r = impellers.KeyRecord(i);
        EXPECT_LT(impellers.GetFloat(r, TMdbLaufrad::F_CALA2), 0) << impellers.Designation(r);
        EXPECT_LT(impellers.GetFloat(r, TMdbLaufrad::F_CALVMIN),
                  impellers.GetFloat(r, TMdbLaufrad::F_CALVMAX));
    }
    const TMdbGehaeuse& housings = catalogue_->Gehaeuse();
    ASSERT_GE(housings.KeyIndexCount(), 700);
    for (int i = 0; i < housings.KeyIndexCount(); ++i) {
        const TMdbRecord* r = housings.KeyRecord(i);
        EXPECT_LT(housings.GetFloat(r, TMdbGehaeuse::F_CALA2), 0)
            << housings.GetText(r, TMdbGehaeuse::F_GEHSBEZ);
    }
}

// Speed at which a calibrated curve (at its measured speed) passes through V = 3000 m³/h and
// dp = 500 Pa by the fan laws, or -1 when the point lies outside the calibrated range.
double SpeedFor(double a0, double a1, double a2, double vMin, double vMax, double measuredSpeed) {
    const double v = 3000, p = 500;
    // h² A0 + h A1 V + A2 V² = p with h = n / n_measured.
    const double disc = a1 * a1 * v * v - 4 * a0 * (a2 * v * v - p);
    if (a0 <= 0 || disc < 0) return -1;
    const double h = (-a1 * v + std::sqrt(disc)) / (2 * a0);
    if (h <= 0 || v / h < vMin || v / h > vMax) return -1;
    return h * measuredSpeed;
}

TEST_F(DemoCatalogue, DutyPointIsReachableInEveryFanLayout) {
    TMdbLaufrad& impellers = catalogue_->Laufrad();
    TMdbGehaeuse& housings = catalogue_->Gehaeuse();
    TMdbMw& mw = catalogue_->Mw();
    const auto reachable = [&](const TMdb& table, const TMdbRecord* r, int calField,
                               const TMdbRecord* impeller, std::int32_t seriesNo) {
        if (!mw.LoadSeries(seriesNo, -1, -1, -1)) return false;
        const double nm = 0.5 * (mw.MinMeasuredSpeed() + mw.MaxMeasuredSpeed());
        const double n = SpeedFor(table.GetFloat(r, calField + 2), table.GetFloat(r, calField + 3),
                                  table.GetFloat(r, calField + 4), table.GetFloat(r, calField),
                                  table.GetFloat(r, calField + 1), nm);
        const double nmax = impellers.GetFloat(impeller, TMdbLaufrad::F_MAXDREHZ);
        return n > 0 && n <= 3000 && (nmax <= 1 || n <= nmax) &&
               n >= impellers.GetFloat(impeller, TMdbLaufrad::F_MINDREHZ);
    };
    int layout[3] = {0, 0, 0};
    for (int i = 0; i < impellers.KeyIndexCount(); ++i) {
        const TMdbRecord* r = impellers.KeyRecord(i);
        if (!impellers.IsDoubleInlet(r) &&
            reachable(impellers, r, TMdbLaufrad::F_CALVMIN, r, impellers.MeasurementNo(r)))
            ++layout[0];
    }
    for (int i = 0; i < housings.KeyIndexCount(); ++i) {
        const TMdbRecord* h = housings.KeyRecord(i);
        const TMdbRecord* r = housings.ImpellerRecord(h);
        ASSERT_NE(r, nullptr);
        if (reachable(housings, h, TMdbGehaeuse::F_CALVMIN, r, housings.MeasurementNo(h)))
            ++layout[impellers.IsDoubleInlet(r) ? 2 : 1];
    }
    EXPECT_GE(layout[0], 3);
    EXPECT_GE(layout[1], 3);
    EXPECT_GE(layout[2], 3);
}

TEST_F(DemoCatalogue, RecordsAreConsistentAndEveryReferencedFileIsWritten) {
    // Every text fits its field in the data file's 8-bit code page.
    for (int position = 2; position <= TCatalogue::kTableCount; ++position) {
        const TMdb& table = *catalogue_->TableInFileOrder(position);
        for (int f = 1; f <= table.FieldCount(); ++f) {
            if (table.Field(f).FieldType != ftString) continue;
            for (int i = 0; i < table.KeyIndexCount(); ++i)
                EXPECT_LE(Utf8ToCp1252(table.GetText(table.KeyRecord(i), f)).size(),
                          static_cast<std::size_t>(table.Field(f).Width))
                    << table.TableName() << " field " << f;
        }
    }
    // Designations are unique; sheet numbers lead to a data sheet, pictures to their files.
    const TMdbLaufrad& impellers = catalogue_->Laufrad();
    std::set<std::string> names;
    for (int i = 0; i < impellers.KeyIndexCount(); ++i) {
        const TMdbRecord* r = impellers.KeyRecord(i);
        EXPECT_TRUE(names.insert(impellers.Designation(r)).second) << impellers.Designation(r);
        const std::string& sheet = impellers.GetText(r, TMdbLaufrad::F_BLATTNR);
        if (!sheet.empty()) {
            EXPECT_EQ(sheetFiles_.count(SheetFileName(sheet)), 1u) << sheet;
        }
        EXPECT_NE(impellers.NozzleRecord(r), nullptr);
    }
    const TMdbGehaeuse& housings = catalogue_->Gehaeuse();
    names.clear();
    std::set<std::string> angles;
    for (int i = 0; i < housings.KeyIndexCount(); ++i) {
        const TMdbRecord* r = housings.KeyRecord(i);
        EXPECT_TRUE(names.insert(housings.GetText(r, TMdbGehaeuse::F_GEHSBEZ)).second);
        EXPECT_EQ(sheetFiles_.count(SheetFileName(housings.GetText(r, TMdbGehaeuse::F_BLATTNR))),
                  1u);
        angles.insert(housings.GetText(r, TMdbGehaeuse::F_OEFFWKL));
    }
    EXPECT_EQ(angles, (std::set<std::string>{"0", "135", "180", "225", "270", "315", "45", "90"}));
    const TMdbDuese& nozzles = catalogue_->Duese();
    for (int i = 0; i < nozzles.KeyIndexCount(); ++i)
        EXPECT_EQ(sheetFiles_.count(
                      SheetFileName(nozzles.GetText(nozzles.KeyRecord(i), TMdbDuese::F_BLATTNR))),
                  1u);
    const TMdbBild& pictures = catalogue_->Bild();
    for (int i = 0; i < pictures.KeyIndexCount(); ++i) {
        EXPECT_EQ(pictureFiles_.count(pictures.GetText(pictures.KeyRecord(i), TMdbBild::F_PICS)),
                  1u);
        EXPECT_EQ(pictureFiles_.count(pictures.GetText(pictures.KeyRecord(i), TMdbBild::F_PICB)),
                  1u);
    }
}

TEST_F(DemoCatalogue, ProgramFolderHoldsTheSameCatalogue) {
    // The build generates the demo catalogue with the same seed and scale into the program
    // folder; generation is deterministic, so the files agree byte for byte.
    const char* programDir = std::getenv("CORVANE_PROGRAM_DIR");
    if (programDir == nullptr || !fs::exists(fs::path(programDir) / "Corvane.mem"))
        GTEST_SKIP() << "no demo catalogue in the program folder";
    const fs::path built = fs::path(programDir) / "Corvane.mem";
    EXPECT_EQ(ReadBytes(built), ReadBytes(folder_ / "Corvane.mem"));
    EXPECT_TRUE(fs::exists(fs::path(programDir) / "Bilder" / "S1.jpg"));
    EXPECT_TRUE(fs::exists(fs::path(programDir) / "Pdf"));
}

} // namespace
} // namespace corvane
