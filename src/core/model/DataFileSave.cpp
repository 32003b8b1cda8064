#include "model/DataFileSave.h"

#include "model/TCalibrationIndex.h"

#include <memory>
#include <optional>
#include <utility>

namespace corvane {

namespace {

// Calibrates every series as it is written. The impellers and housings are indexed by their
// series once, when the first series is written, so the save stays linear in the size of the
// catalogue.
TSaveOptions Calibrating(TSaveOptions options) {
    auto index = std::make_shared<std::optional<TCalibrationIndex>>();
    options.SeriesWritten = [index, next = std::move(options.SeriesWritten)](
                                TCatalogue& catalogue, std::int32_t seriesNo) {
        if (!index->has_value()) index->emplace(catalogue);
        (*index)->Calibrate(catalogue, seriesNo);
        if (next) next(catalogue, seriesNo);
    };
    return options;
}

} // namespace

void SaveDataFile(TCatalogue& catalogue, TStream& stream, TSaveOptions options) {
    catalogue.Save(stream, Calibrating(std::move(options)));
}

void SaveDataFile(TCatalogue& catalogue, const std::string& path, TSaveOptions options) {
    catalogue.SaveToFile(path, Calibrating(std::move(options)));
}

} // namespace corvane
