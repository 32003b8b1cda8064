#include "Commands.h"

#include "SearchSetup.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TDuplicateKey.h"
#include "util/ProgramFolder.h"

#include <algorithm>
#include <iostream>
#include <limits>
#include <stdexcept>

namespace corvane::cli {

namespace {

// The options of the commands that search, and more.
std::vector<std::string> SearchOptionsAnd(std::vector<std::string> more) {
    more.insert(more.end(), kSearchOptions.begin(), kSearchOptions.end());
    return more;
}

#ifndef CORVANE_CLI_DATABASE
// A build without the sql layer still knows the database commands and says why they fail.
int NoDatabaseSupport(const CliArgs&) {
    throw std::invalid_argument("this build has no database support");
}
#endif

} // namespace

const std::vector<TCommand>& CommandTable() {
    // Words after the name (min, max), options, repeatable options, flags; every command also
    // takes --home, --lang, --units and --help.
    const std::vector<std::string> searchFlags{"no-settings", "speed-controller"};
    static const std::vector<TCommand> table = {
        {"check", {0, 1, {"data"}, {}, {}}, RunCheck},
        {"tables", {0, 0, {"data"}, {}, {}}, RunTables},
        {"dump", {1, 1, {"data", "series"}, {}, {}}, RunDump},
        {"series", {1, 1, {"data", "density", "d2", "speed"}, {}, {}}, RunSeries},
        {"pack", {2, 2, {}, {}, {}}, RunPack},
        {"unpack", {1, 2, {"data"}, {}, {}}, RunUnpack},
        {"search", {0, 0, kSearchOptions, {"cart"}, searchFlags}, RunSearch},
        {"partload", {1, 1, kSearchOptions, {"cart"}, searchFlags}, RunPartLoad},
        {"batch",
         {1, 1, SearchOptionsAnd({"best", "report-dir"}), {"cart"}, searchFlags},
         RunBatch},
        {"curve",
         {1,
          1,
          {"data", "style", "format", "variation", "flow", "pressure", "tolerance", "deviation"},
          {"series"},
          {}},
         RunCurve},
        {"plot",
         {1,
          1,
          {"data", "selection", "variation", "flow", "pressure", "tolerance", "deviation", "out",
           "width", "height", "show", "style"},
          {"series"},
          {}},
         RunPlot},
        {"density", {0, 0, {"pressure", "temperature", "format"}, {}, {}}, RunDensity},
        {"report",
         {0, 0, {"data", "selection", "layout", "pages", "settings", "out"}, {}, {}},
         RunReport},
#ifdef CORVANE_CLI_DATABASE
        {"db-export", {0, 1, {"data", "db"}, {}, {}}, RunDbExport},
        {"db-import", {1, 1, {"db"}, {}, {}}, RunDbImport},
#else
        {"db-export", {0, 1, {"data", "db"}, {}, {}}, NoDatabaseSupport},
        {"db-import", {1, 1, {"db"}, {}, {}}, NoDatabaseSupport},
#endif
    };
    return table;
}

std::vector<std::string> AllFlags() {
    std::vector<std::string> flags{"help"};
    for (const TCommand& command : CommandTable())
        flags.insert(flags.end(), command.Syntax.Flags.begin(), command.Syntax.Flags.end());
    return flags;
}

int RunCommand(const std::string& command, const CliArgs& args) {
    const auto& table = CommandTable();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&command](const TCommand& c) { return c.Name == command; });
    if (it == table.end())
        throw std::invalid_argument("unknown command \"" + command + "\" (try --help)");
    args.Require(command, it->Syntax);
    return it->Run(args);
}

std::string DataFile(const CliArgs& args) {
    return args.Value("data", ProgramFile("Corvane.mem"));
}

void OpenCatalogue(TCatalogue& catalogue, const std::string& path, bool warnDuplicates) {
    catalogue.SetFolder(ProgramFolder());
    catalogue.Open(path);
    if (!warnDuplicates) return;
    const std::string warning =
        DuplicateKeysWarning(catalogue.DuplicateKeys(), std::numeric_limits<std::size_t>::max());
    if (!warning.empty()) std::cerr << warning << '\n';
}

} // namespace corvane::cli
