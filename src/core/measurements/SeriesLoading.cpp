// Loading the points of a measurement series into the measured-points table and evaluating
// them for conversion targets, with the two caches: points are read only on a change of
// series, and evaluated only on a change of targets or listening distance.

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLaufrad.h"
#include "mdb/CurveInterpolation.h"
#include "mdb/EMdbError.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "measurements/TPointBaseMemo.h"
#include "measurements/TSeriesBase.h"
#include "measurements/TSeriesPointCache.h"
#include "physics/FanLaws.h"
#include "physics/ListeningDistance.h"
#include "physics/TSeriesConversion.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <span>

namespace corvane {

namespace {

// Calls `visit(point, basePoint)` for the records of the table and their base evaluations,
// in step (the base holds one entry per record, in record order).
template <class Visit>
void ForEachWithBase(TMdbRecord* first, const TSeriesBase& base, Visit visit) {
    auto b = base.Points.begin();
    for (TMdbRecord* point = first; point != nullptr && b != base.Points.end();
         point = point->Next, ++b)
        visit(point, *b);
}

} // namespace

bool TMdbMw::LoadSeries(std::int32_t seriesNo, float density, float d2, float speed) {
    if (catalogue_ == nullptr) return ClearSeries();
    return LoadSeries(catalogue_->Messung(), FindSeries(seriesNo), density, d2, speed);
}

const TMdbRecord* TMdbMw::FindSeries(std::int32_t seriesNo) {
    return Known(seriesNo).Record;
}

TMdbMw::TKnownSeries& TMdbMw::Known(std::int32_t seriesNo) {
    const TMdbMessung& series = catalogue_->Messung();
    const TKnownSeriesTables tables{series.Changes(), catalogue_->Laufrad().Changes()};
    if (knownSeriesTables_ != tables) {
        knownSeries_.clear();
        lastKnown_ = nullptr;
        knownSeriesTables_ = tables;
    }
    // Loads at trial speeds and diameters ask for one series many times in a row.
    if (lastKnown_ != nullptr && lastKnownNo_ == seriesNo) return *lastKnown_;
    const auto [known, added] = knownSeries_.try_emplace(seriesNo);
    if (added) known->second.Record = series.FindByKey(seriesNo);
    // Elements of the map keep their place when others are added.
    lastKnown_ = &known->second;
    lastKnownNo_ = seriesNo;
    return known->second;
}

bool TMdbMw::LoadSeries(const TMdbRecord* series, float density, float d2, float speed) {
    if (catalogue_ == nullptr) return ClearSeries();
    return LoadSeries(catalogue_->Messung(), series, density, d2, speed);
}

bool TMdbMw::LoadSeriesFlows(std::int32_t seriesNo, float density, float d2, float speed,
                             bool powers) {
    if (catalogue_ == nullptr) return ClearSeries();
    return LoadSeries(catalogue_->Messung(), FindSeries(seriesNo), density, d2, speed,
                      powers ? TEvaluation::FlowsPowers : TEvaluation::Flows);
}

bool TMdbMw::LoadSeries(const TMdbMessung& seriesTable, const TMdbRecord* series, float density,
                        float d2, float speed) {
    return LoadSeries(seriesTable, series, density, d2, speed, TEvaluation::Full);
}

bool TMdbMw::LoadSeries(const TMdbMessung& seriesTable, const TMdbRecord* series, float density,
                        float d2, float speed, TEvaluation evaluation) {
    if (series == nullptr) return ClearSeries();
    const std::int32_t seriesNo = seriesTable.GetInt(series, TMdbMessung::F_MESSNR);
    if (seriesNo != seriesNo_ || !HoldsPointsOf(seriesNo)) {
        TakeSeries(seriesTable, series);
        ReadPoints(seriesNo);
        seriesNo_ = seriesNo;
        targetD2_ = targetSpeed_ = targetDensity_ = -2;
        evaluated_ = false;
    }

    // Exact comparison on purpose: the same targets give bit-identical results.
    const float distance = static_cast<float>(ListeningDistance());
    if (evaluated_ && speed == targetSpeed_ && d2 == targetD2_ && density == targetDensity_ &&
        distance == evalDistance_)
        return true;

    targetD2_ = d2;
    targetSpeed_ = speed;
    targetDensity_ = density;
    evalDistance_ = distance;
    const bool full = evaluation == TEvaluation::Full;
    if (full) {
        EvaluateAll();
    } else {
        EvaluateFlows(evaluation == TEvaluation::FlowsPowers);
    }
    evaluated_ = full;
    return true;
}

bool TMdbMw::ClearSeries() {
    FreeAllRecords();
    ForgetSeries();
    return false;
}

void TMdbMw::ForgetSeries() {
    seriesNo_ = 0;
    InvalidateEvaluation();
}

void TMdbMw::InvalidateEvaluation() {
    targetD2_ = targetSpeed_ = targetDensity_ = -2;
    evaluated_ = false;
    // The points may have been written behind the table's back: evaluate them from scratch.
    base_ = nullptr;
    cacheSerial_ = 0;
}

void TMdbMw::DeleteSeriesPoints(std::int32_t seriesNo) {
    if (pointCache_ != nullptr) pointCache_->Forget(seriesNo);
    // A later series with the same number must not inherit points changed in memory.
    if (catalogue_ != nullptr) catalogue_->ForgetKeptPoints(seriesNo);
    if (seriesNo_ == seriesNo) {
        FreeAllRecords();
        ForgetSeries();
    }
}

bool TMdbMw::HoldsPointsOf(std::int32_t seriesNo) const {
    const TMdbRecord* head = FirstRecord();
    return head == nullptr || GetInt(head, F_MESSNR) == seriesNo;
}

void TMdbMw::TakeSeries(const TMdbMessung& seriesTable, const TMdbRecord* series) {
    if (catalogue_ == nullptr || &seriesTable != &catalogue_->Messung()) {
        shape_ = ShapeOf(seriesTable, series);
        return;
    }
    // The shape depends on the series record and its impeller only.
    TKnownSeries& known = Known(seriesTable.GetInt(series, TMdbMessung::F_MESSNR));
    if (known.Record != series) {
        shape_ = ShapeOf(seriesTable, series);
        return;
    }
    if (!known.Shaped) {
        known.Shape = ShapeOf(seriesTable, series);
        known.Shaped = true;
    }
    shape_ = known.Shape;
}

TMdbMw::TSeriesShape TMdbMw::ShapeOf(const TMdbMessung& seriesTable,
                                     const TMdbRecord* series) const {
    TSeriesShape shape;
    shape.Arrangement = seriesTable.GetInt(series, TMdbMessung::F_TANDEM);
    shape.OutletArea = seriesTable.GetFloat(series, TMdbMessung::F_Ab);
    shape.MeasuredD2 = seriesTable.GetFloat(series, TMdbMessung::F_DLr);
    shape.PhiArea = seriesTable.GetFloat(series, TMdbMessung::F_A0);
    shape.PhiFactor = seriesTable.GetFloat(series, TMdbMessung::F_phiF);
    if (catalogue_ == nullptr) return shape;
    const TMdbLaufrad& impellers = catalogue_->Laufrad();
    const TMdbRecord* impeller =
        impellers.FindByKey(seriesTable.GetInt(series, TMdbMessung::F_LFRDNR));
    if (impeller == nullptr) return shape;
    shape.ImpellerType = impellers.GetInt(impeller, TMdbLaufrad::F_TYPNR);
    shape.Family = corvane::CorrectionFamily(shape.ImpellerType);
    return shape;
}

std::shared_ptr<const TSeriesBase> TMdbMw::FlowBase(const TSeriesShape& shape) {
    shape_ = shape;
    return ComputeBase(false);
}

// Raw points from the shared cache, else from the data file (then kept in the cache).
void TMdbMw::ReadPoints(std::int32_t seriesNo) {
    seriesNo_ = 0; // until the points are complete
    cacheSerial_ = 0;
    // The cache writes its points over the records there are; points the catalogue read
    // ahead join the cache first.
    const auto restored = [this, seriesNo] { return pointCache_->Restore(seriesNo, *this); };
    if (pointCache_ != nullptr &&
        (restored() || (catalogue_ != nullptr &&
                        catalogue_->TakeSeriesAhead(seriesNo, *pointCache_) && restored()))) {
        cacheSerial_ = pointCache_->Serial(seriesNo);
        cacheChanges_ = Changes();
        return;
    }
    FreeAllRecords();
    if (catalogue_ == nullptr) return;
    try {
        catalogue_->ReadSeriesPoints(seriesNo, *this);
    } catch (...) {
        FreeAllRecords(); // no half-read series
        throw;
    }
    if (pointCache_ != nullptr && pointCache_->Store(seriesNo, *this)) {
        cacheSerial_ = pointCache_->Serial(seriesNo);
        cacheChanges_ = Changes();
    }
}

bool TMdbMw::PointsAreCached() const {
    return pointCache_ != nullptr && seriesNo_ != 0 && cacheSerial_ != 0 &&
           Changes() == cacheChanges_;
}

const TSeriesBase& TMdbMw::Base() {
    return LoadBase(true);
}

const TSeriesBase& TMdbMw::LoadBase(bool complete) {
    const auto fits = [this, complete](const std::shared_ptr<const TSeriesBase>& base) {
        return base != nullptr && base->Fits(shape_.Arrangement, shape_.OutletArea,
                                             shape_.MeasuredD2, shape_.PhiArea, shape_.Family);
    };
    const bool held = baseChanges_ == Changes() && fits(base_);
    if (held && (base_->Complete || !complete)) return *base_;
    std::shared_ptr<const TSeriesBase> base;
    const bool cached = PointsAreCached();
    if (cached) {
        base = pointCache_->Base(seriesNo_, cacheSerial_);
        if (!fits(base)) base = nullptr;
    }
    if (base == nullptr && held) base = base_;
    if (base == nullptr || (complete && !base->Complete)) {
        // A base others may hold is never changed: the completed one replaces it.
        base = base == nullptr ? ComputeBase(complete) : CompleteBase(*base);
        if (cached) pointCache_->KeepBase(seriesNo_, cacheSerial_, base);
    }
    base_ = std::move(base);
    baseChanges_ = Changes();
    pointIndexValid_ = false;
    return *base_;
}

std::shared_ptr<const TSeriesBase> TMdbMw::ComputeBase(bool complete) {
    auto base = std::make_shared<TSeriesBase>();
    base->Arrangement = shape_.Arrangement;
    base->OutletArea = shape_.OutletArea;
    base->MeasuredD2 = shape_.MeasuredD2;
    base->PhiArea = shape_.PhiArea;
    base->Family = shape_.Family;
    base->Complete = complete;

    // The sound levels of every point depend on the instrument of the whole series.
    soundInstrument_ = 0;
    bool first = true;
    for (const TMdbRecord* point = FirstRecord(); point != nullptr; point = point->Next) {
        // An integer field, in slot n - 1 as every field of the table.
        const auto instrument = std::bit_cast<std::int32_t>(point->Slots()[F_SCHALLMESSG - 1]);
        soundInstrument_ = first ? instrument : std::max(soundInstrument_, instrument);
        first = false;
    }
    base->SoundInstrument = soundInstrument_;

    TPointBaseMemo& memo = BaseMemo();
    const TSeriesGeometry geometry = Geometry();
    double densitySum = 0;
    int count = 0;
    base->Points.reserve(static_cast<std::size_t>(RecordCount()));
    for (const TMdbRecord* point = FirstRecord(); point != nullptr; point = point->Next) {
        TPointBase& b = base->Points.emplace_back();
        b.Values = BaseValues(point, complete, memo);
        const float speed = b.Values.Speed;
        b.ModelTip = memo.ModelTip(geometry, speed);
        if (b.Values.Flow >= 0 && speed > 0 && b.ModelTip > 0) {
            b.SpeedFreeFlow = b.Values.Flow / static_cast<double>(speed);
            if (geometry.Family != 2) b.SpeedFreeFlow /= memo.CubeRoot(b.ModelTip);
        }
        base->MinMeasuredSpeed = std::min(base->MinMeasuredSpeed, speed);
        base->MaxMeasuredSpeed = std::max(base->MaxMeasuredSpeed, speed);
        densitySum += b.Values.Density;
        ++count;
    }
    base->MeanDensity = static_cast<float>(count >= 2 ? densitySum / count : densitySum);
    base->Flows.reserve(base->Points.size());
    for (const TPointBase& b : base->Points)
        base->Flows.push_back(
            {b.Values.Flow, b.Values.PFa, b.Values.ShaftPower, b.Values.Speed, b.ModelTip});
    return base;
}

std::shared_ptr<const TSeriesBase> TMdbMw::CompleteBase(const TSeriesBase& flows) {
    auto base = std::make_shared<TSeriesBase>(flows);
    base->Complete = true;
    // The levels read the instrument of this series, whatever the table evaluated before.
    soundInstrument_ = base->SoundInstrument;
    // Evaluated in full, the values of the flow part come out as they were.
    auto b = base->Points.begin();
    for (const TMdbRecord* point = FirstRecord(); point != nullptr && b != base->Points.end();
         point = point->Next, ++b)
        b->Values = BaseValues(point, true, BaseMemo());
    return base;
}

void TMdbMw::ViewBase(std::vector<const TPointBase*>& out) {
    const TSeriesBase& base = LoadBase(false);
    if (!pointIndexValid_) {
        listRecords_.clear();
        for (const TMdbRecord* point = FirstRecord(); point != nullptr; point = point->Next)
            listRecords_.push_back(point);
        pointIndexValid_ = true;
    }
    // A view sorted by flow is mostly the list (newest point first) backwards or forwards:
    // each record is looked for next to where the previous one was found.
    out.clear();
    const std::size_t count = listRecords_.size();
    std::size_t hint = count == 0 ? 0 : count - 1;
    for (const TMdbRecord* record : ViewRecords()) {
        std::size_t found = count;
        for (std::size_t step = 0; step < count && found == count; ++step) {
            const std::size_t below = (hint + count - step) % count;
            const std::size_t above = (hint + step) % count;
            if (listRecords_[below] == record)
                found = below;
            else if (listRecords_[above] == record)
                found = above;
        }
        if (found == count) throw EMdbError("Mdb index error"); // not a record of the list
        out.push_back(&base.Points[found]);
        hint = found == 0 ? count - 1 : found - 1;
    }
}

bool TMdbMw::FlowsAscending() const {
    const std::span<TMdbRecord* const> view = ViewRecords();
    const auto flow = [](const TMdbRecord* point) {
        return std::bit_cast<float>(point->Slots()[F_VC - 1]);
    };
    for (std::size_t i = 1; i < view.size(); ++i)
        if (!(flow(view[i - 1]) < flow(view[i]))) return false; // a NaN fails too
    return true;
}

const TSeriesConversion& TMdbMw::Conversion() {
    const TSeriesGeometry geometry = Geometry();
    const TConvertTargets targets = Targets();
    if (!conversion_ || !conversion_->Fits(geometry, targets))
        conversion_.emplace(geometry, targets);
    else if (!conversion_->HasSpeed(targets.Speed))
        conversion_ = conversion_->WithSpeed(targets.Speed);
    return *conversion_;
}

const TSeriesBase& TMdbMw::TakeBase(bool complete) {
    const TSeriesBase& base = LoadBase(complete);
    soundInstrument_ = base.SoundInstrument;
    minMeasuredSpeed_ = base.MinMeasuredSpeed;
    maxMeasuredSpeed_ = base.MaxMeasuredSpeed;
    meanDensity_ = base.MeanDensity;
    return base;
}

// Converts the base evaluation of every point to the targets and stores the results.
void TMdbMw::EvaluateAll() {
    const TSeriesBase& base = TakeBase(true);
    const TSeriesConversion& conversion = Conversion();
    ForEachWithBase(FirstRecord(), base, [&](TMdbRecord* point, const auto& b) {
        TPointValues v = b.Values;
        conversion.Convert(v, b.Values.Speed, b.ModelTip);
        StoreValues(point, v);
    });
}

// Converts flow and static pressure of every point alone: the factors are those the full
// conversion applies, so the stored values are those of EvaluateAll to the last bit.
void TMdbMw::EvaluateFlows(bool powers) {
    const TSeriesBase& base = TakeBase(false);
    const TSeriesConversion& conversion = Conversion();
    auto b = base.Flows.begin();
    for (TMdbRecord* point = FirstRecord(); point != nullptr && b != base.Flows.end();
         point = point->Next, ++b) {
        const auto factors = powers ? conversion.FlowPressurePowerFactors(b->Speed, b->ModelTip)
                                    : conversion.FlowPressureFactors(b->Speed, b->ModelTip);
        point->Slots()[F_VC - 1] =
            std::bit_cast<std::uint32_t>(TSeriesConversion::Scaled(b->Flow, factors.Flow));
        point->Slots()[F_PFA - 1] =
            std::bit_cast<std::uint32_t>(TSeriesConversion::Scaled(b->PFa, factors.Pressure));
        if (powers)
            point->Slots()[F_PWE - 1] = std::bit_cast<std::uint32_t>(
                TSeriesConversion::Scaled(b->ShaftPower, factors.Power));
    }
}

void TMdbMw::EvaluateAt(float flow) {
    // The view positions the interpolation reads: the same search on the same flows.
    const std::span<TMdbRecord* const> view = ViewRecords();
    std::array<const TMdbRecord*, 2> read{};
    std::size_t count = 0;
    InterpolateAscending(
        view.size(), flow,
        [view](std::size_t i) { return std::bit_cast<float>(view[i]->Slots()[F_VC - 1]); },
        [&](std::size_t i) {
            if (count < read.size()) read[count++] = view[i];
            return 0.0;
        });
    const auto readEnd = read.begin() + static_cast<std::ptrdiff_t>(count);
    const TSeriesBase& base = TakeBase(true);
    const TSeriesConversion& conversion = Conversion();
    ForEachWithBase(FirstRecord(), base, [&](TMdbRecord* point, const auto& b) {
        if (std::find(read.begin(), readEnd, point) == readEnd) return;
        TPointValues v = b.Values;
        conversion.Convert(v, b.Values.Speed, b.ModelTip);
        StoreValues(point, v);
    });
}

} // namespace corvane
