#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "model/Calibration.h"
#include "model/TCalibrationIndex.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <type_traits>
#include <vector>

using namespace corvane;

namespace {

double Parabola(double v) {
    return 1250 + 0.045 * v - 3.2e-6 * v * v;
}

bool IsZero(const TCalibration& c) {
    return c.VMin == 0 && c.VMax == 0 && c.A0 == 0 && c.A1 == 0 && c.A2 == 0;
}

std::vector<TCalibrationPoint> Curve(const std::vector<double>& eta) {
    std::vector<TCalibrationPoint> points;
    double v = 1000;
    for (double e : eta) {
        points.push_back({v, Parabola(v), e});
        v += 1000;
    }
    return points;
}

} // namespace

TEST(Calibration, RecoversParabolaAndValidityRange) {
    const TCalibration cal = CalibrateCurve(Curve({5, 20, 40, 60, 70, 70, 50, 30, 20, 10}));
    EXPECT_NEAR(cal.A0, 1250, 1e-6);
    EXPECT_NEAR(cal.A1, 0.045, 1e-10);
    EXPECT_NEAR(cal.A2, -3.2e-6, 1e-14);
    // Best efficiency 70 % first at 5000 m³/h; points with at least 21 % span 3000..8000,
    // which already covers 0.8·5000 and 1.3·5000.
    EXPECT_DOUBLE_EQ(cal.VMin, 3000);
    EXPECT_DOUBLE_EQ(cal.VMax, 8000);

    // A narrow peak: the range widens to 0.8 and 1.3 times the best flow.
    const TCalibration narrow = CalibrateCurve(Curve({0, 0, 0, 0, 80, 10, 0, 0}));
    EXPECT_DOUBLE_EQ(narrow.VMin, 4000);
    EXPECT_DOUBLE_EQ(narrow.VMax, 6500);

    // Without efficiencies the range is the flow range of all points.
    const TCalibration noEta = CalibrateCurve(Curve({-1, -1, -1, -1}));
    EXPECT_DOUBLE_EQ(noEta.VMin, 1000);
    EXPECT_DOUBLE_EQ(noEta.VMax, 4000);
    EXPECT_TRUE(IsZero(CalibrateCurve(Curve({50, 60}))));
}

namespace {

// Impeller or housing record with a stale calibration.
template <class Table>
void AddRecord(Table& t, std::int32_t no, int refField, double refValue, std::int32_t seriesNo) {
    TMdbRecord* r = t.NewRecord();
    t.SetInt(r, 1, no);
    t.SetFloat(r, refField, refValue);
    t.SetInt(r, Table::F_MESSNR, seriesNo);
    for (int f = Table::F_CALVMIN; f <= Table::F_CALA2; ++f)
        t.SetFloat(r, f, 123);
}

template <class Table> TCalibration Read(Table& t, std::int32_t no) {
    const TMdbRecord* r = t.FindByKey(no);
    return {t.GetFloat(r, Table::F_CALVMIN), t.GetFloat(r, Table::F_CALVMAX),
            t.GetFloat(r, Table::F_CALA0), t.GetFloat(r, Table::F_CALA1),
            t.GetFloat(r, Table::F_CALA2)};
}

} // namespace

namespace {

// Series 7: 400 mm, ten points on the parabola and one without pressure, no impeller type (no
// scale-up), served from memory and counted in `reads`; impellers 1..4 (4 on series 8) and
// housings 1, 2 (2 without impeller).
void BuildSeries7(TCatalogue& cat, std::map<std::int32_t, int>& reads) {
    TMdbMessung& series = cat.Messung();
    TMdbRecord* s = series.NewRecord();
    series.SetInt(s, TMdbMessung::F_MESSNR, 7);
    series.SetFloat(s, TMdbMessung::F_Ab, 0.25);
    series.SetFloat(s, TMdbMessung::F_DLr, 400);
    series.RebuildIndex(false);
    TMdbLaufrad& impellers = cat.Laufrad();
    AddRecord(impellers, 1, TMdbLaufrad::F_D2, 400, 7);
    AddRecord(impellers, 2, TMdbLaufrad::F_D2, 500, 7);
    AddRecord(impellers, 3, TMdbLaufrad::F_D2, 0, 7);
    AddRecord(impellers, 4, TMdbLaufrad::F_D2, 400, 8);
    impellers.RebuildIndex(false);
    TMdbGehaeuse& housings = cat.Gehaeuse();
    AddRecord(housings, 1, TMdbGehaeuse::F_LAUFRADNR, 2, 7);
    AddRecord(housings, 2, TMdbGehaeuse::F_LAUFRADNR, 99, 7); // no such impeller
    housings.RebuildIndex(false);

    cat.SetSeriesPointSource([&reads](std::int32_t no, TMdbMw& table) {
        ++reads[no];
        const double eta[] = {5, 20, 40, 60, 70, 65, 50, 30, 20, 10};
        // Dry air at 1013 hPa and 20 °C; the chamber pressure puts the static pressure at
        // standard density on the parabola.
        const double rho = 1013.0 / 287.1 * 100 / 293;
        for (int i = 0; i < 11; ++i) {
            const double v = 1000.0 * (i + 1);
            const double vs = v / 3600;
            const double shaft =
                vs * (Parabola(v) + 0.6025 * std::pow(vs / 0.25, 2)) / eta[i % 10] * 100;
            TMdbRecord* p = table.NewRecord();
            table.SetInt(p, TMdbMw::F_MESSNR, no);
            table.SetInt(p, TMdbMw::F_MWNR, i + 1);
            table.SetFloat(p, TMdbMw::F_PB, 1013);
            table.SetFloat(p, TMdbMw::F_RT, 20);
            table.SetFloat(p, TMdbMw::F_RF, 0);
            table.SetFloat(p, TMdbMw::F_V, v);
            if (i < 10) table.SetFloat(p, TMdbMw::F_PK, Parabola(v) * rho / 1.205);
            table.SetFloat(p, TMdbMw::F_N, 1450);
            table.SetFloat(p, TMdbMw::F_M, shaft / (1450 * M_PI / 30) * rho / 1.205);
        }
    });
}

} // namespace

TEST(Calibration, ImpellersAndHousingsOfOneSeries) {
    // Series 7: 400 mm, ten points on the parabola and one without pressure, no impeller
    // type (no scale-up), served from memory.
    TCatalogue cat;
    std::map<std::int32_t, int> reads;
    BuildSeries7(cat, reads);
    TMdbLaufrad& impellers = cat.Laufrad();
    TMdbGehaeuse& housings = cat.Gehaeuse();

    CalibrateSeries(cat, 7);
    EXPECT_EQ(reads[7], 1);            // read once, evaluated per diameter
    EXPECT_EQ(cat.Mw().SeriesNo(), 0); // the shared table is not used

    const TCalibration at400 = Read(impellers, 1);
    EXPECT_NEAR(at400.A0, 1250, 0.05);
    EXPECT_NEAR(at400.A1, 0.045, 2e-5);
    EXPECT_NEAR(at400.A2, -3.2e-6, 2e-9);
    EXPECT_NEAR(at400.VMin, 3000, 0.01);
    EXPECT_NEAR(at400.VMax, 8000, 0.01);

    // 500 mm by the fan laws (g = 1.25): dp·g² at flow·g³. The housing uses its impeller's.
    const double g = 1.25;
    for (const TCalibration& at500 : {Read(impellers, 2), Read(housings, 1)}) {
        EXPECT_NEAR(at500.A0, 1250 * g * g, 0.1);
        EXPECT_NEAR(at500.A1, 0.045 / g, 2e-5);
        EXPECT_NEAR(at500.A2, -3.2e-6 / (g * g * g * g), 1e-9);
        EXPECT_NEAR(at500.VMin, 3000 * g * g * g, 0.1);
        EXPECT_NEAR(at500.VMax, 8000 * g * g * g, 0.1);
    }
    EXPECT_TRUE(IsZero(Read(impellers, 3))); // no diameter
    EXPECT_TRUE(IsZero(Read(housings, 2)));  // no impeller
    EXPECT_EQ(Read(impellers, 4).A0, 123);   // another series: untouched
}

TEST(Calibration, IndexBySeriesCalibratesAsEachSeriesAlone) {
    TCatalogue cat;
    std::map<std::int32_t, int> reads;
    BuildSeries7(cat, reads);
    // Series 8 of 315 mm with more impellers and housings, given in scrambled key order.
    TMdbRecord* s8 = cat.Messung().NewRecord();
    cat.Messung().SetInt(s8, TMdbMessung::F_MESSNR, 8);
    cat.Messung().SetFloat(s8, TMdbMessung::F_Ab, 0.2);
    cat.Messung().SetFloat(s8, TMdbMessung::F_DLr, 315);
    cat.Messung().RebuildIndex(false);
    TMdbLaufrad& impellers = cat.Laufrad();
    TMdbGehaeuse& housings = cat.Gehaeuse();
    AddRecord(impellers, 9, TMdbLaufrad::F_D2, 355, 8);
    AddRecord(impellers, 6, TMdbLaufrad::F_D2, 280, 8);
    AddRecord(impellers, 5, TMdbLaufrad::F_D2, 0, 0); // no series
    impellers.RebuildIndex(false);
    AddRecord(housings, 7, TMdbGehaeuse::F_LAUFRADNR, 6, 8);
    AddRecord(housings, 5, TMdbGehaeuse::F_LAUFRADNR, 4, 8);
    AddRecord(housings, 3, TMdbGehaeuse::F_LAUFRADNR, 9, 7);
    housings.RebuildIndex(false);

    const auto all = [&] {
        std::vector<TCalibration> values;
        for (int i = 0; i < impellers.KeyIndexCount(); ++i)
            values.push_back(Read(impellers, impellers.Key(impellers.KeyRecord(i))));
        for (int i = 0; i < housings.KeyIndexCount(); ++i)
            values.push_back(Read(housings, housings.Key(housings.KeyRecord(i))));
        return values;
    };
    const std::vector<TCalibration> untouched = all();
    CalibrateSeries(cat, 7);
    CalibrateSeries(cat, 8);
    const std::vector<TCalibration> alone = all();

    // Back to the old values, then through the index.
    const auto reset = [](auto& table) {
        using Table = std::remove_reference_t<decltype(table)>;
        for (int i = 0; i < table.KeyIndexCount(); ++i)
            for (int f = Table::F_CALVMIN; f <= Table::F_CALA2; ++f)
                table.SetFloat(table.KeyRecord(i), f, 123);
    };
    reset(impellers);
    reset(housings);
    ASSERT_EQ(all().size(), untouched.size());
    TCalibrationIndex index(cat);
    index.Calibrate(cat, 7);
    index.Calibrate(cat, 8);
    index.Calibrate(cat, 9); // no records
    // The table the index keeps reads a series again on every calibration (its points may
    // have changed in between), even right after the same series.
    const int readsOf7 = reads[7];
    index.Calibrate(cat, 7);
    index.Calibrate(cat, 7);
    EXPECT_EQ(reads[7], readsOf7 + 2);
    const std::vector<TCalibration> indexed = all();
    ASSERT_EQ(indexed.size(), alone.size());
    for (std::size_t i = 0; i < alone.size(); ++i) {
        EXPECT_EQ(indexed[i].VMin, alone[i].VMin) << i;
        EXPECT_EQ(indexed[i].VMax, alone[i].VMax) << i;
        EXPECT_EQ(indexed[i].A0, alone[i].A0) << i;
        EXPECT_EQ(indexed[i].A1, alone[i].A1) << i;
        EXPECT_EQ(indexed[i].A2, alone[i].A2) << i;
    }
    EXPECT_EQ(Read(impellers, 5).A0, 123); // belongs to no series
}
