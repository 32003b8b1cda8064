// The base evaluation kept per series and the trial curves of the speed solution: both must
// give the values of a full evaluation to the last bit, and follow every change of the points.

#include "ProcessStateGuard.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLaufrad.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "measurements/TSeriesBase.h"
#include "measurements/TSeriesPointCache.h"
#include "measurements/TTrialCurve.h"
#include "physics/ListeningDistance.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace corvane {
namespace {

using F = TMdbMw;

// One point of a test series: flow, chamber pressure, measured speed.
struct TRawPoint {
    float Flow;
    float Pressure;
    float Speed;
};

// A catalogue with one series (measured at `d2`) whose impeller has `typeNo`, its points
// served from memory; AddMicrophoneSeries adds a second one with the same points, its sound
// measured with three microphones.
struct TBaseCatalogue {
    static constexpr std::int32_t kSeriesNo = 3;
    static constexpr std::int32_t kMicrophoneSeriesNo = 4;
    TCatalogue cat;
    std::vector<TRawPoint> raw;

    TBaseCatalogue(std::int32_t typeNo, float d2, std::vector<TRawPoint> points)
        : raw(std::move(points)) {
        TMdbLaufrad& impellers = cat.Laufrad();
        TMdbRecord* impeller = impellers.NewRecord();
        impellers.SetInt(impeller, TMdbLaufrad::F_LFRDNR, 1);
        impellers.SetInt(impeller, TMdbLaufrad::F_TYPNR, typeNo);
        impellers.RebuildIndex(false);
        TMdbMessung& series = cat.Messung();
        TMdbRecord* s = series.NewRecord();
        series.SetInt(s, TMdbMessung::F_MESSNR, kSeriesNo);
        series.SetInt(s, TMdbMessung::F_LFRDNR, 1);
        series.SetFloat(s, TMdbMessung::F_Ab, 0.2);
        series.SetFloat(s, TMdbMessung::F_DLr, d2);
        series.SetFloat(s, TMdbMessung::F_A0, 0.08);
        series.RebuildIndex(false);
        cat.SetSeriesPointSource([this](std::int32_t no, TMdbMw& table) {
            for (std::size_t i = 0; i < raw.size(); ++i) {
                TMdbRecord* p = table.NewRecord();
                table.SetInt(p, F::F_MESSNR, no);
                table.SetInt(p, F::F_MWNR, static_cast<std::int32_t>(i + 1));
                table.SetFloat(p, F::F_PB, 1009);
                table.SetFloat(p, F::F_RT, 18.5f + static_cast<float>(i) * 0.1f);
                table.SetFloat(p, F::F_RF, 45);
                table.SetFloat(p, F::F_V, raw[i].Flow);
                table.SetFloat(p, F::F_PK, raw[i].Pressure);
                table.SetFloat(p, F::F_N, raw[i].Speed);
                table.SetFloat(p, F::F_M, 2 + static_cast<float>(i) * 0.3f);
                table.SetFloat(p, F::F_PW1, 150 + static_cast<float>(i) * 9);
                table.SetFloat(p, F::F_LP_A, 60 + static_cast<float>(i));
                table.SetFloat(p, F::F_LP, i % 3 == 0 ? -1.0f : 70.0f);
                if (no != kMicrophoneSeriesNo) continue;
                table.SetInt(p, F::F_SCHALLMESSG, TMdbMw::kThreeMicrophoneInstrument);
                for (const int field : {F::F_LP1_A, F::F_LP2_A, F::F_LP3_A})
                    table.SetFloat(p, field, 50 + static_cast<float>(field % 7 + i));
            }
        });
    }

    void AddMicrophoneSeries() {
        TMdbMessung& series = cat.Messung();
        const TMdbRecord* first = series.FindByKey(kSeriesNo);
        TMdbRecord* s = series.NewRecord();
        series.SetInt(s, TMdbMessung::F_MESSNR, kMicrophoneSeriesNo);
        series.SetInt(s, TMdbMessung::F_LFRDNR, 1);
        for (const int field : {TMdbMessung::F_Ab, TMdbMessung::F_DLr, TMdbMessung::F_A0})
            series.SetFloat(s, field, series.GetFloat(first, field));
        series.RebuildIndex(false);
    }
};

// A falling curve of `count` points measured with a drooping motor (every point at its own
// speed), so that converted flows and pressures depend on each point's speed.
std::vector<TRawPoint> DroopingCurve(int count, float firstSpeed) {
    std::vector<TRawPoint> points;
    for (int i = 0; i < count; ++i)
        points.push_back({400.0f * static_cast<float>(i), 900.0f - 2.5f * static_cast<float>(i * i),
                          firstSpeed - 7.0f * static_cast<float>(i)});
    return points;
}

// The computed fields 167..191 of every point, in list order.
std::vector<std::uint32_t> Computed(const TMdbMw& mw) {
    std::vector<std::uint32_t> slots;
    for (const TMdbRecord* r = mw.FirstRecord(); r != nullptr; r = r->Next)
        slots.insert(slots.end(), r->Slots() + F::F_RHO - 1, r->Slots() + F::F_LPSCRATCH);
    return slots;
}

// The same fields evaluated point by point from the raw readings, without the kept base.
std::vector<std::uint32_t> EvaluatedOneByOne(TMdbMw& mw) {
    for (TMdbRecord* r = mw.FirstRecord(); r != nullptr; r = r->Next)
        mw.EvaluatePoint(r);
    return Computed(mw);
}

// Whether the fields as loaded are those of an evaluation point by point (which overwrites
// them, so they are taken first).
::testing::AssertionResult LoadedAsOneByOne(TMdbMw& mw) {
    const std::vector<std::uint32_t> loaded = Computed(mw);
    if (loaded == EvaluatedOneByOne(mw)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "loaded values differ from a point-by-point evaluation";
}

TEST(SeriesBase, ConversionsOfTheKeptBaseEqualAFullEvaluation) {
    test::TProcessStateGuard guard;
    // Families 0 and 1 with the measurement outside and inside the 400 mm / 1500 1/min
    // reference window, and family 2 (no scale-up).
    const struct {
        std::int32_t Type;
        float D2;
        float Speed;
    } series[] = {{90, 250, 1100}, {90, 400, 1520}, {200, 315, 2900}, {300, 400, 1450}};
    for (const auto& s : series) {
        TBaseCatalogue c(s.Type, s.D2, DroopingCurve(9, s.Speed));
        TSeriesPointCache cache;
        TMdbMw mw(&c.cat);
        mw.SetPointCache(&cache);
        TMdbMw flows(&c.cat);
        flows.SetPointCache(&cache);
        for (const float distance : {-1.0f, 4.0f}) {
            SetListeningDistance(distance);
            for (const float d2 : {-1.0f, s.D2, 500.0f})
                for (const float speed : {-1.0f, s.Speed, s.Speed - 14, 2400.0f})
                    for (const float density : {-1.0f, 1.205f, 1.1f}) {
                        ASSERT_TRUE(mw.LoadSeries(TBaseCatalogue::kSeriesNo, density, d2, speed));
                        const std::vector<std::uint32_t> converted = Computed(mw);
                        EXPECT_EQ(converted, EvaluatedOneByOne(mw))
                            << s.Type << " " << s.D2 << ": " << d2 << " " << speed << " " << density
                            << " " << distance;
                        // Flows, static pressures and shaft powers alone, then in full with
                        // the same targets.
                        ASSERT_TRUE(flows.LoadSeriesFlows(TBaseCatalogue::kSeriesNo, density, d2,
                                                          speed, true));
                        for (const TMdbRecord *a = mw.FirstRecord(), *b = flows.FirstRecord();
                             a != nullptr && b != nullptr; a = a->Next, b = b->Next)
                            for (const int field : {F::F_VC, F::F_PFA, F::F_PWE})
                                EXPECT_EQ(a->Slots()[field - 1], b->Slots()[field - 1]) << field;
                        // The points read at a flow (between two points, on one and beyond
                        // the ends) converted in full give every value of the full load there.
                        mw.Sort(F::F_VC, false);
                        flows.Sort(F::F_VC, false);
                        const float first = mw.GetFloat(mw.ViewRecord(0), F::F_VC);
                        const float last = mw.GetFloat(mw.ViewRecord(mw.ViewCount() - 1), F::F_VC);
                        const float second = mw.GetFloat(mw.ViewRecord(1), F::F_VC);
                        for (const float flow :
                             {last, (first + second) / 2, second, 0.5f * first, 2 * last}) {
                            flows.EvaluateAt(flow);
                            for (int field = F::F_RHO; field <= F::F_LPSCRATCH; ++field) {
                                const TCurveValue want = mw.Interpolate(F::F_VC, field, flow);
                                const TCurveValue got = flows.Interpolate(F::F_VC, field, flow);
                                EXPECT_EQ(std::bit_cast<std::uint32_t>(got.Value),
                                          std::bit_cast<std::uint32_t>(want.Value))
                                    << field << " at " << flow;
                                EXPECT_EQ(got.Found, want.Found);
                            }
                        }
                        ASSERT_TRUE(
                            flows.LoadSeries(TBaseCatalogue::kSeriesNo, density, d2, speed));
                        EXPECT_EQ(Computed(flows), converted);
                    }
        }
    }
}

TEST(SeriesBase, ChangedPointsAndSeriesAreEvaluatedAgain) {
    TBaseCatalogue c(200, 315, DroopingCurve(6, 1400));
    TSeriesPointCache cache;
    TMdbMw mw(&c.cat);
    TMdbMw other(&c.cat);
    mw.SetPointCache(&cache);
    other.SetPointCache(&cache);
    ASSERT_TRUE(mw.LoadSeries(TBaseCatalogue::kSeriesNo, -1, 400, -1));
    const TSeriesBase* kept = &mw.Base();
    // A second table on the same cached points takes the kept base.
    ASSERT_TRUE(other.LoadSeries(TBaseCatalogue::kSeriesNo, -1, 315, -1));
    EXPECT_EQ(&other.Base(), kept);

    // An edit through the table: the next load converts the edited reading.
    TMdbRecord* point = mw.FindByKey(4);
    mw.SetFloat(point, F::F_PK, 1234);
    ASSERT_TRUE(mw.LoadSeries(TBaseCatalogue::kSeriesNo, -1, 500, -1));
    EXPECT_NE(&mw.Base(), kept);
    EXPECT_TRUE(LoadedAsOneByOne(mw));
    // The other table and the cache keep the unedited points and their base.
    ASSERT_TRUE(other.LoadSeries(TBaseCatalogue::kSeriesNo, -1, 500, -1));
    EXPECT_EQ(&other.Base(), kept);

    // A reading written straight into the record, then announced.
    std::uint32_t* slots = other.FindByKey(2)->Slots();
    const float pressure = 777;
    std::memcpy(slots + F::F_PK - 1, &pressure, sizeof pressure);
    other.InvalidateEvaluation();
    ASSERT_TRUE(other.LoadSeries(TBaseCatalogue::kSeriesNo, -1, 500, -1));
    EXPECT_EQ(other.Base().Points.size(), 6u);
    EXPECT_TRUE(LoadedAsOneByOne(other));

    // Other series geometry (read again after ForgetSeries): a base of its own.
    c.cat.Messung().SetFloat(c.cat.Messung().FindByKey(TBaseCatalogue::kSeriesNo),
                             TMdbMessung::F_DLr, 355);
    mw.ForgetSeries();
    ASSERT_TRUE(mw.LoadSeries(TBaseCatalogue::kSeriesNo, -1, 500, -1));
    EXPECT_EQ(mw.Base().MeasuredD2, 355.0f);
    EXPECT_TRUE(LoadedAsOneByOne(mw));

    // Points stored in the cache anew: no base of the older copy is given out.
    cache.Forget(TBaseCatalogue::kSeriesNo);
    c.raw[1].Pressure = 880;
    other.ForgetSeries();
    ASSERT_TRUE(other.LoadSeries(TBaseCatalogue::kSeriesNo, -1, 500, -1));
    EXPECT_TRUE(LoadedAsOneByOne(other));
}

// A flow load evaluates only what it converts; a later full load completes that base into one
// that replaces it in the point cache, and gives the values of a full evaluation, also after a
// change of series in between and after an edit of the points.
TEST(SeriesBase, FullLoadsAfterFlowLoadsEqualAFullEvaluation) {
    TBaseCatalogue c(90, 400, DroopingCurve(9, 1450));
    c.AddMicrophoneSeries();
    const std::int32_t seriesNos[] = {TBaseCatalogue::kMicrophoneSeriesNo,
                                      TBaseCatalogue::kSeriesNo};
    TSeriesPointCache cache;
    TMdbMw flows(&c.cat);
    TMdbMw full(&c.cat);
    flows.SetPointCache(&cache);
    full.SetPointCache(&cache);
    for (const std::int32_t no : seriesNos)
        ASSERT_TRUE(flows.LoadSeriesFlows(no, 1.1f, 500, 1700, true));
    for (const std::int32_t no : seriesNos) {
        ASSERT_TRUE(full.LoadSeries(no, 1.1f, 500, 1700));
        EXPECT_TRUE(LoadedAsOneByOne(full)) << no;
        // The flow table takes the completed base.
        ASSERT_TRUE(flows.LoadSeries(no, 1.1f, 500, 1700));
        EXPECT_EQ(&flows.Base(), &full.Base());
        EXPECT_EQ(Computed(flows), Computed(full)) << no;
    }

    // Without a point cache the table completes the base it holds.
    TMdbMw alone(&c.cat);
    for (const std::int32_t no : seriesNos) {
        ASSERT_TRUE(alone.LoadSeriesFlows(no, -1, 500, 1450));
        ASSERT_TRUE(alone.LoadSeries(no, -1, 500, 1450));
        EXPECT_TRUE(LoadedAsOneByOne(alone)) << no;
    }

    // Readings edited after a flow load.
    ASSERT_TRUE(flows.LoadSeriesFlows(TBaseCatalogue::kMicrophoneSeriesNo, 1.1f, 315, -1));
    flows.SetFloat(flows.FindByKey(2), F::F_PK, 1234);
    flows.SetFloat(flows.FindByKey(5), F::F_LP2_A, 88);
    flows.SetFloat(flows.FindByKey(7), F::F_RT, 31);
    ASSERT_TRUE(flows.LoadSeries(TBaseCatalogue::kMicrophoneSeriesNo, 1.1f, 315, -1));
    EXPECT_TRUE(LoadedAsOneByOne(flows));
}

// Trial curves against the table: loaded with the trial speed and sorted by flow, starting
// from the order the curve was taken in.
void ExpectTrialsAsTheTable(const TBaseCatalogue& c, float density, float d2,
                            const std::vector<float>& speeds) {
    TSeriesPointCache cache;
    TMdbMw mw(const_cast<TCatalogue*>(&c.cat));
    mw.SetPointCache(&cache);
    ASSERT_TRUE(mw.LoadSeries(TBaseCatalogue::kSeriesNo, density, d2, -1));
    mw.Sort(F::F_VC, false);
    std::vector<std::int32_t> taken;
    for (int i = 0; i < mw.ViewCount(); ++i)
        taken.push_back(mw.GetInt(mw.ViewRecord(i), F::F_MWNR));
    TTrialCurve curve;
    curve.Take(mw);

    for (const float speed : speeds) {
        TMdbMw table(const_cast<TCatalogue*>(&c.cat));
        table.SetPointCache(&cache);
        ASSERT_TRUE(table.LoadSeries(TBaseCatalogue::kSeriesNo, density, d2, speed));
        // The table's flows in the order taken.
        bool ascending = true;
        float previous = 0;
        for (std::size_t i = 0; i < taken.size(); ++i) {
            const float flow = table.GetFloat(table.FindByKey(taken[i]), F::F_VC);
            if (i > 0 && !(previous < flow)) ascending = false;
            previous = flow;
        }
        table.Sort(F::F_VC, false);
        const float first = table.GetFloat(table.ViewRecord(0), F::F_VC);
        const float last = table.GetFloat(table.ViewRecord(table.ViewCount() - 1), F::F_VC);
        const float at3 = table.GetFloat(table.ViewRecord(3), F::F_VC);
        // Flows a float step beside a point's flow: no estimate decides them.
        const float below3 = std::nextafter(at3, 0.0f);
        const float above3 = std::nextafter(at3, 2 * at3);
        for (const float flow :
             {first - 1, first, std::nextafter(first, last), 0.37f * first + 0.63f * last, below3,
              at3, above3, 0.5f * (first + last), std::nextafter(last, first), last, last + 1}) {
            const TTrialCurve::TTrial trial = curve.PressureAt(speed, flow);
            ASSERT_EQ(trial.Ascending, ascending) << speed;
            if (!ascending) continue;
            const TCurveValue expected = table.Interpolate(F::F_VC, F::F_PFA, flow);
            EXPECT_EQ(trial.Pressure.Found, expected.Found) << speed << " " << flow;
            EXPECT_EQ(trial.Pressure.Value, expected.Value) << speed << " " << flow;
        }
    }
}

TEST(TrialCurve, PressuresAsTheConvertedAndSortedTable) {
    const std::vector<float> speeds = {-1, 700, 1193.5f, 1450, 1520, 1506, 2011.25f, 3333};
    // Flows far apart: a trial converts only the points it looks at.
    for (const std::int32_t type : {90, 200, 300})
        for (const float d2 : {-1.0f, 400.0f, 560.0f}) {
            TBaseCatalogue c(type, 400, DroopingCurve(12, 1520));
            ExpectTrialsAsTheTable(c, 1.1f, d2, speeds);
        }

    // Points the speed changes differently: one without a measured speed, two measured at
    // the trial speed, two with the same flow, a missing flow.
    TBaseCatalogue c(90, 250, DroopingCurve(8, 1450));
    c.raw[2].Speed = -1;
    ExpectTrialsAsTheTable(c, -1, 315, speeds);
    c.raw[2].Speed = 1450;
    c.raw[5].Speed = 1450;
    ExpectTrialsAsTheTable(c, -1, 315, speeds);
    // The same on a small fan (tip speeds below the saturation of the scale-up) kept at its
    // size: the two points at the trial speed get no scale-up, the others do.
    TBaseCatalogue small(90, 160, DroopingCurve(8, 1450));
    small.raw[2].Speed = 1450;
    small.raw[5].Speed = 1450;
    ExpectTrialsAsTheTable(small, -1, -1, speeds);
    c.raw[2].Flow = c.raw[3].Flow;
    ExpectTrialsAsTheTable(c, -1, 315, speeds);
    c.raw[6].Flow = -1;
    ExpectTrialsAsTheTable(c, -1, 315, speeds);
}

} // namespace
} // namespace corvane
