// Loading the points of a measurement series into the measured-points table and evaluating
// them for conversion targets, with the two caches: points are read only on a change of
// series, and evaluated only on a change of targets or listening distance.

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLaufrad.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "measurements/TSeriesPointCache.h"
#include "physics/FanLaws.h"
#include "physics/ListeningDistance.h"

#include <algorithm>

namespace corvane {

bool TMdbMw::LoadSeries(std::int32_t seriesNo, float density, float d2, float speed) {
    if (catalogue_ == nullptr) return ClearSeries();
    const TMdbMessung& series = catalogue_->Messung();
    return LoadSeries(series, series.FindByKey(seriesNo), density, d2, speed);
}

bool TMdbMw::LoadSeries(const TMdbRecord* series, float density, float d2, float speed) {
    if (catalogue_ == nullptr) return ClearSeries();
    return LoadSeries(catalogue_->Messung(), series, density, d2, speed);
}

bool TMdbMw::LoadSeries(const TMdbMessung& seriesTable, const TMdbRecord* series, float density,
                        float d2, float speed) {
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
    EvaluateAll();
    evaluated_ = true;
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
    arrangement_ = seriesTable.GetInt(series, TMdbMessung::F_TANDEM);
    outletArea_ = seriesTable.GetFloat(series, TMdbMessung::F_Ab);
    measuredD2_ = seriesTable.GetFloat(series, TMdbMessung::F_DLr);
    phiArea_ = seriesTable.GetFloat(series, TMdbMessung::F_A0);
    phiFactor_ = seriesTable.GetFloat(series, TMdbMessung::F_phiF);
    impellerType_ = 0;
    correctionFamily_ = 2;
    if (catalogue_ == nullptr) return;
    const TMdbLaufrad& impellers = catalogue_->Laufrad();
    const TMdbRecord* impeller =
        impellers.FindByKey(seriesTable.GetInt(series, TMdbMessung::F_LFRDNR));
    if (impeller == nullptr) return;
    impellerType_ = impellers.GetInt(impeller, TMdbLaufrad::F_TYPNR);
    correctionFamily_ = corvane::CorrectionFamily(impellerType_);
}

// Raw points from the shared cache, else from the data file (then kept in the cache).
void TMdbMw::ReadPoints(std::int32_t seriesNo) {
    seriesNo_ = 0; // until the points are complete
    FreeAllRecords();
    if (pointCache_ != nullptr && pointCache_->Restore(seriesNo, *this)) return;
    if (catalogue_ == nullptr) return;
    try {
        catalogue_->ReadSeriesPoints(seriesNo, *this);
    } catch (...) {
        FreeAllRecords(); // no half-read series
        throw;
    }
    if (pointCache_ != nullptr) pointCache_->Store(seriesNo, *this);
}

void TMdbMw::EvaluateAll() {
    minMeasuredSpeed_ = 1000000;
    maxMeasuredSpeed_ = 0;
    soundInstrument_ = 0;
    bool first = true;
    for (const TMdbRecord* point = FirstRecord(); point != nullptr; point = point->Next) {
        const std::int32_t instrument = GetInt(point, F_SCHALLMESSG);
        soundInstrument_ = first ? instrument : std::max(soundInstrument_, instrument);
        first = false;
    }

    double densitySum = 0;
    int count = 0;
    for (TMdbRecord* point = FirstRecord(); point != nullptr; point = point->Next) {
        EvaluatePoint(point);
        const float speed = GetFloat(point, F_N);
        minMeasuredSpeed_ = std::min(minMeasuredSpeed_, speed);
        maxMeasuredSpeed_ = std::max(maxMeasuredSpeed_, speed);
        densitySum += GetFloat(point, F_RHO);
        ++count;
    }
    meanDensity_ = static_cast<float>(count >= 2 ? densitySum / count : densitySum);
}

} // namespace corvane
