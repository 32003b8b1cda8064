#include "Commands.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TDuplicateKey.h"
#include "util/ProgramFolder.h"

#include <algorithm>
#include <iostream>
#include <limits>
#include <stdexcept>

namespace corvane::cli {

const std::vector<TCommand>& CommandTable() {
    // Words after the name (min, max), options, repeatable options, flags; every command also
    // takes --home, --lang, --units and --help.
    static const std::vector<TCommand> table = {
        {"check", {0, 1, {"data"}, {}, {}}, RunCheck},
        {"tables", {0, 0, {"data"}, {}, {}}, RunTables},
        {"dump", {1, 1, {"data", "series"}, {}, {}}, RunDump},
        {"series", {1, 1, {"data", "density", "d2", "speed"}, {}, {}}, RunSeries},
        {"pack", {2, 2, {}, {}, {}}, RunPack},
        {"unpack", {1, 2, {"data"}, {}, {}}, RunUnpack},
        {"search",
         {0,
          0,
          {"data",      "format", "flow",   "pressure",  "density",    "tolerance", "speed",
           "max-speed", "d2-min", "d2-max", "width-min", "width-max",  "angle",     "type-group",
           "layout",    "mode",   "sort",   "fixed",     "slider-max", "selection"},
          {"cart"},
          {"no-settings"}},
         RunSearch},
        {"curve",
         {1,
          1,
          {"data", "style", "format", "variation", "flow", "pressure", "tolerance", "deviation"},
          {"series"},
          {}},
         RunCurve},
        {"density", {0, 0, {"pressure", "temperature", "format"}, {}, {}}, RunDensity},
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
