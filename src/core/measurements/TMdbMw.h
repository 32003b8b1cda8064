#pragma once

#include "mdb/TMdb.h"
#include "measurements/TMdbMwFieldNo.h"
#include "physics/TPointValues.h"
#include "physics/TSeriesConversion.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace corvane {

class TCatalogue;
class TMdbMessung;
class TSeriesPointCache;
class TTrialCurve;
struct TPointBase;
class TPointBaseMemo;
struct TSeriesBase;

// The measured points of one measurement series: raw test-rig readings plus the derived fan
// quantities (fields 167..191), evaluated and converted to target diameter, speed and density
// on every load. One shared working table lives in the catalogue; the series selection keeps
// one instance per slot. A float field holding -1 is missing and shows as an empty text.
//
// The evaluation is done in two parts: the base evaluation from the raw readings (density,
// pressures, powers, efficiencies, coefficients, sound levels) once per load of a series,
// kept with the points in the point cache, and the conversion to the targets from it for
// every new set of targets. Any change of the points made through the table (Set functions,
// new or deleted points) makes the next load evaluate them anew.
class TMdbMw : public TMdb, public TMdbMwFieldNo {
public:
    static constexpr std::uint32_t kMdbNo = 1009;
    // Sound instrument record of the measurement texts that marks three microphone positions.
    static constexpr std::int32_t kThreeMicrophoneInstrument = 204;

    explicit TMdbMw(TCatalogue* catalogue = nullptr);
    ~TMdbMw() override;

    // Optional shared store of raw points per series (not owned); nullptr reads the data file
    // for every change of series.
    void SetPointCache(TSeriesPointCache* cache) {
        pointCache_ = cache;
        cacheSerial_ = 0;
    }
    TSeriesPointCache* PointCache() const { return pointCache_; }

    // Loads the points of a series and evaluates them for the targets (-1 keeps the measured
    // value). Points are read only when the series differs from the loaded one; they are
    // evaluated again only when a target or the listening distance changed. Returns false (and
    // leaves the table empty) when the series does not exist.
    bool LoadSeries(const TMdbMessung& seriesTable, const TMdbRecord* series, float density,
                    float d2, float speed);
    // The same with a record of the catalogue's series table, or by series number.
    bool LoadSeries(const TMdbRecord* series, float density, float d2, float speed);
    bool LoadSeries(std::int32_t seriesNo, float density, float d2, float speed);
    // The same, but only flows and static pressures (fields VC and PFA), with `powers` also
    // the shaft powers (PWE), are converted: the other computed fields keep what they held,
    // and the next LoadSeries evaluates in full even for the same targets. For a caller that
    // reads nothing else before loading again (or only what EvaluateAt converts).
    bool LoadSeriesFlows(std::int32_t seriesNo, float density, float d2, float speed,
                         bool powers = false);
    // After LoadSeriesFlows with powers, the view sorted by flow: converts every field of the
    // points that an interpolation over the flow at `flow` reads (TMdb::Interpolate with
    // F_VC), so that it gives the values of a full load.
    void EvaluateAt(float flow);
    // Forces the next LoadSeries to read the points again (after the points were changed).
    void ForgetSeries();
    // Forces the next LoadSeries to evaluate again with unchanged targets, the base
    // evaluation included.
    void InvalidateEvaluation();
    // Removes the points of a series from this table (when loaded) and from the point cache.
    void DeleteSeriesPoints(std::int32_t seriesNo);

    // Base evaluation of one point, conversion to the table's targets, and storing of the
    // computed fields 167..191. Allocation-free.
    void EvaluatePoint(TMdbRecord* point) const;
    // The base evaluation of the points in the table, every value of it, computed when it is
    // missing or the points changed since.
    const TSeriesBase& Base();
    // Whether the converted flows (field VC) are strictly ascending along the view: a sort by
    // flow would then leave the view as it is, whatever the order before.
    bool FlowsAscending() const;
    // The conversion to the table's present targets (kept while only the speed changes).
    const TSeriesConversion& Conversion();
    // The base of the point at every view position (the view as it is now). The base may be
    // the part a flow load reads (see TSeriesBase::Complete).
    void ViewBase(std::vector<const TPointBase*>& out);
    // Scratch trial curve of the speed solutions on this table, kept so that its buffers are
    // allocated once rather than per solution.
    TTrialCurve& TrialCurve();
    // Level of one band of the LP family at microphone position 0 (own levels or the mean of
    // the three microphones) or 1..3; with `octave` a band from 63 Hz to 8 kHz is summed with
    // its two neighbours (three-microphone instrument only). -1 when there is none.
    float BandLevel(const TMdbRecord* point, int bandField, bool octave, int position) const;
    // Converted BandLevel of every point into the scratch field 191.
    void EvaluateBand(int bandField, bool octave, int position);
    // Humidity term of the air density formula at temperature t (°C) and relative humidity
    // rf (%).
    static double HumidityContent(double t, double rf);

    // What the evaluation reads of a series record and of its impeller.
    struct TSeriesShape {
        std::int32_t Arrangement = 0;
        float OutletArea = -1;
        float MeasuredD2 = -1;
        float PhiArea = -1;
        float PhiFactor = -1;
        std::int32_t ImpellerType = 0;
        int Family = 2;
    };
    // The shape of `series` as a load of it takes it, its impeller looked up in the catalogue.
    TSeriesShape ShapeOf(const TMdbMessung& seriesTable, const TMdbRecord* series) const;
    // The part of the base evaluation a flow load reads, of the points held taken as those of
    // a series of `shape`; for points a load will find in the point cache.
    std::shared_ptr<const TSeriesBase> FlowBase(const TSeriesShape& shape);

    std::int32_t SeriesNo() const { return seriesNo_; }
    std::int32_t Arrangement() const { return shape_.Arrangement; }
    float OutletArea() const { return shape_.OutletArea; }
    float MeasuredD2() const { return shape_.MeasuredD2; }
    float PhiArea() const { return shape_.PhiArea; }
    float PhiFactor() const { return shape_.PhiFactor; }
    std::int32_t ImpellerType() const { return shape_.ImpellerType; }
    int CorrectionFamily() const { return shape_.Family; }
    float TargetD2() const { return targetD2_; }
    float TargetSpeed() const { return targetSpeed_; }
    float TargetDensity() const { return targetDensity_; }
    float EvalDistance() const { return evalDistance_; }
    std::int32_t SoundInstrument() const { return soundInstrument_; }
    float MinMeasuredSpeed() const { return minMeasuredSpeed_; }
    float MaxMeasuredSpeed() const { return maxMeasuredSpeed_; }
    float MeanDensity() const { return meanDensity_; }
    TSeriesGeometry Geometry() const { return {shape_.MeasuredD2, shape_.Family}; }
    TConvertTargets Targets() const {
        return {targetD2_, targetSpeed_, targetDensity_, evalDistance_};
    }

    // Table rules.
    TMdbRecord* NewRecord() override;
    std::int32_t NextKey() override;
    std::string GetFieldText(const TMdbRecord* record, int field) const override;
    std::string GetFieldTextInUnits(const TMdbRecord* record, int field,
                                    bool forPrint) const override;
    TMdbVariant GetFieldVariantInUnits(const TMdbRecord* record, int field,
                                       bool forPrint) const override;
    void SetFieldText(TMdbRecord* record, int field, std::string_view text) override;
    std::string GetCodeText(const TMdbRecord* record, int field) const override;
    void DeleteRecord(TMdbRecord* record) override;
    std::string BrowserCaption() const override;

private:
    // What a load converts.
    enum class TEvaluation : std::uint8_t { Flows, FlowsPowers, Full };
    void DeclareFields();
    void DeclareSoundFamily(int firstField, const char* key, const char* const captions[3],
                            const char* const longCaptions[3], int levelDecimals);
    // Reads series number, arrangement, geometry and impeller type of a series record.
    void TakeSeries(const TMdbMessung& seriesTable, const TMdbRecord* series);
    // The catalogue's record of series `seriesNo`, looked up once while the series and
    // impeller tables are unchanged (Known).
    const TMdbRecord* FindSeries(std::int32_t seriesNo);
    void ReadPoints(std::int32_t seriesNo);
    // Empties the table for a series that does not exist; returns false.
    bool ClearSeries();
    bool LoadSeries(const TMdbMessung& seriesTable, const TMdbRecord* series, float density,
                    float d2, float speed, TEvaluation evaluation);
    // The base evaluation, every value of it or (`complete` false) at least the part a flow
    // load reads.
    const TSeriesBase& LoadBase(bool complete);
    // The same, with the series values kept beside it.
    const TSeriesBase& TakeBase(bool complete);
    void EvaluateAll();
    void EvaluateFlows(bool powers);
    // Base evaluation of one point before conversion: every value, or (`complete` false) only
    // density, static pressure, shaft power, flow, speed and torque.
    TPointValues BaseValues(const TMdbRecord* point, bool complete, TPointBaseMemo& memo) const;
    // The rest of a complete base evaluation (see BaseValues).
    void DerivedValues(const TMdbRecord* point, double toStd, TPointValues& values) const;
    void ElectricalAndSoundValues(const TMdbRecord* point, TPointValues& values) const;
    static void StoreValues(TMdbRecord* point, const TPointValues& values);
    std::shared_ptr<const TSeriesBase> ComputeBase(bool complete);
    // A complete copy of a base computed for a flow load of the same points.
    std::shared_ptr<const TSeriesBase> CompleteBase(const TSeriesBase& flows);
    // The terms of the base evaluations of this table kept for the next points and series.
    TPointBaseMemo& BaseMemo();
    // The points are the copy of the point cache they were restored from or stored to.
    bool PointsAreCached() const;
    // The points in the table are those of `seriesNo` (an empty table counts as such).
    bool HoldsPointsOf(std::int32_t seriesNo) const;
    bool IsFloatField(int field) const;
    float RawLevel(const TMdbRecord* point, int offset, int position) const;

    TCatalogue* catalogue_;
    TSeriesPointCache* pointCache_ = nullptr;
    std::vector<std::uint32_t> newPointSlots_; // slot image of a new point (floats -1)

    std::int32_t seriesNo_ = 0;
    TSeriesShape shape_; // of the loaded series
    float targetD2_ = -2;
    float targetSpeed_ = -2;
    float targetDensity_ = -2;
    float evalDistance_ = -2;
    bool evaluated_ = false; // the points carry an evaluation for the stored targets
    std::optional<TSeriesConversion> conversion_;
    std::shared_ptr<const TSeriesBase> base_;
    std::uint64_t baseChanges_ = 0; // Changes() when base_ and pointIndex_ were taken
    // The records in list order (the order of the base points), to find a record's base.
    std::vector<const TMdbRecord*> listRecords_;
    bool pointIndexValid_ = false;
    // Series records found in the catalogue and their shapes, by series number. A search
    // loads hundreds of series, each in every run; the look-ups hold while the series and
    // impeller tables are unchanged (their Changes() as noted here).
    struct TKnownSeries {
        const TMdbRecord* Record = nullptr;
        bool Shaped = false;
        TSeriesShape Shape;
    };
    struct TKnownSeriesTables {
        std::uint64_t Series = 0;
        std::uint64_t Impellers = 0;
        bool operator==(const TKnownSeriesTables&) const = default;
    };
    TKnownSeries& Known(std::int32_t seriesNo);
    std::unordered_map<std::int32_t, TKnownSeries> knownSeries_;
    std::optional<TKnownSeriesTables> knownSeriesTables_;
    TKnownSeries* lastKnown_ = nullptr; // the entry asked for last, of series lastKnownNo_
    std::int32_t lastKnownNo_ = 0;
    std::uint64_t cacheSerial_ = 0;  // copy of the point cache the points are
    std::uint64_t cacheChanges_ = 0; // Changes() right after restoring or storing that copy
    std::int32_t soundInstrument_ = 0;
    float minMeasuredSpeed_ = 1000000;
    float maxMeasuredSpeed_ = 0;
    float meanDensity_ = 0;
    std::unique_ptr<TTrialCurve> trialCurve_;
    std::unique_ptr<TPointBaseMemo> baseMemo_;
};

} // namespace corvane
