#pragma once

#include <cstdint>
#include <string>

namespace corvane {
class TCatalogue;
class TMessAuswahl;
} // namespace corvane

namespace corvane::cli {

class CliArgs;

// Runs one command; answers the process exit code.
int RunCommand(const std::string& command, const CliArgs& args);

// The data file of --data, else Corvane.mem in the program folder.
std::string DataFile(const CliArgs& args);
// Opens the catalogue of the data file; the window layer's start-up message on failure.
void OpenCatalogue(TCatalogue& catalogue, const std::string& path);

int RunCheck(const CliArgs& args);
int RunTables(const CliArgs& args);
int RunDump(const CliArgs& args);
int RunSeries(const CliArgs& args);
int RunPack(const CliArgs& args);
int RunUnpack(const CliArgs& args);
int RunSearch(const CliArgs& args);
int RunCurve(const CliArgs& args);
int RunDensity(const CliArgs& args);
int RunPartLoad(const CliArgs& args);
int RunBatch(const CliArgs& args);
int RunPlot(const CliArgs& args);
int RunDbExport(const CliArgs& args);
int RunDbImport(const CliArgs& args);
int RunReport(const CliArgs& args);

// A curve kind given as 1..28 or by its name ("static-pressure", ...).
int ParseKind(const std::string& word);
// One "--series N[:D2:SPEED:DENSITY]": empty parts keep the measured value (density: standard).
struct TSeriesSpec {
    std::int32_t SeriesNo = 0;
    double D2 = -1;
    double Speed = -1;
    double Density = -1;
};
TSeriesSpec ParseSeries(const std::string& seriesOption);
// Fills the selection from the --series options (at least one, at most ten) and the duty point
// from --flow, --pressure, --tolerance (base units) and --deviation.
void SelectSeries(const CliArgs& args, const TCatalogue& catalogue, TMessAuswahl& selection);

} // namespace corvane::cli
