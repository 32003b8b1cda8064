#include "model/TCalibrationIndex.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "measurements/TMdbMw.h"
#include "model/Calibration.h"

namespace corvane {

TCalibrationIndex::TCalibrationIndex(TCatalogue& catalogue) {
    TMdbLaufrad& impellers = catalogue.Laufrad();
    for (int i = 0; i < impellers.KeyIndexCount(); ++i) {
        TMdbRecord* impeller = impellers.KeyRecord(i);
        const std::int32_t series = impellers.MeasurementNo(impeller);
        if (series > 0) bySeries_[series].Impellers.push_back(impeller);
    }
    TMdbGehaeuse& housings = catalogue.Gehaeuse();
    for (int i = 0; i < housings.KeyIndexCount(); ++i) {
        TMdbRecord* housing = housings.KeyRecord(i);
        const std::int32_t series = housings.MeasurementNo(housing);
        if (series > 0) bySeries_[series].Housings.push_back(housing);
    }
}

TCalibrationIndex::~TCalibrationIndex() = default;
TCalibrationIndex::TCalibrationIndex(TCalibrationIndex&&) noexcept = default;
TCalibrationIndex& TCalibrationIndex::operator=(TCalibrationIndex&&) noexcept = default;

void TCalibrationIndex::Calibrate(TCatalogue& catalogue, std::int32_t seriesNo) {
    const auto it = bySeries_.find(seriesNo);
    if (it == bySeries_.end()) return;
    if (!table_ || tableCatalogue_ != &catalogue) {
        table_ = std::make_unique<TMdbMw>(&catalogue);
        tableCatalogue_ = &catalogue;
    }
    CalibrateRecords(catalogue, seriesNo, it->second.Impellers, it->second.Housings, *table_);
}

} // namespace corvane
