#pragma once

#include <string>

namespace corvane {
class TCatalogue;
}

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
int RunDbExport(const CliArgs& args);
int RunDbImport(const CliArgs& args);

} // namespace corvane::cli
