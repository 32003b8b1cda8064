#include "model/DataFileSave.h"

#include "model/Calibration.h"

#include <utility>

namespace corvane {

namespace {

TSaveOptions Calibrating(TSaveOptions options) {
    options.SeriesWritten = [next = std::move(options.SeriesWritten)](TCatalogue& catalogue,
                                                                      std::int32_t seriesNo) {
        CalibrateSeries(catalogue, seriesNo);
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
