#pragma once

#include "catalogue/TCatalogue.h"

#include <string>

namespace corvane {

class TStream;

// Writes the data file as the program stores it: every series is calibrated while its block
// is written (CalibrateSeries), so the impellers and housings carry the calibration of the
// points in the same file. `options.SeriesWritten`, when set, runs after the calibration.
void SaveDataFile(TCatalogue& catalogue, TStream& stream, TSaveOptions options = {});
// The same into a file, replaced atomically; raises EMdbError with the reason on failure.
void SaveDataFile(TCatalogue& catalogue, const std::string& path, TSaveOptions options = {});

} // namespace corvane
