#include "Commands.h"

#include "CliArgs.h"
#include "catalogue/TCatalogue.h"
#include "util/ProgramFolder.h"

#include <iostream>
#include <stdexcept>

namespace corvane::cli {

std::string DataFile(const CliArgs& args) {
    return args.Value("data", ProgramFile("Corvane.mem"));
}

void OpenCatalogue(TCatalogue& catalogue, const std::string& path) {
    catalogue.SetFolder(ProgramFolder());
    catalogue.Open(path);
}

int RunCommand(const std::string& command, const CliArgs& args) {
    if (command == "check") return RunCheck(args);
    if (command == "tables") return RunTables(args);
    if (command == "dump") return RunDump(args);
    if (command == "series") return RunSeries(args);
    if (command == "pack") return RunPack(args);
    if (command == "unpack") return RunUnpack(args);
    if (command == "search") return RunSearch(args);
    if (command == "curve") return RunCurve(args);
    if (command == "density") return RunDensity(args);
    if (command == "partload") return RunPartLoad(args);
    if (command == "batch") return RunBatch(args);
    if (command == "plot") return RunPlot(args);
#ifdef CORVANE_CLI_DATABASE
    if (command == "db-export") return RunDbExport(args);
    if (command == "db-import") return RunDbImport(args);
#else
    if (command == "db-export" || command == "db-import")
        throw std::invalid_argument(command + ": this build has no database support");
#endif
    if (command == "report") return RunReport(args);
    throw std::invalid_argument("unknown command \"" + command + "\" (try --help)");
}

} // namespace corvane::cli
