// corvane-cli: the catalogue, the fan model and the search without windows.
#include "CliArgs.h"
#include "Commands.h"
#include "i18n/Language.h"
#include "mdb/EMdbError.h"
#include "util/ProgramFolder.h"

#include <iostream>
#include <stdexcept>

namespace {

const char* const kUsage =
    "usage: corvane-cli COMMAND [ARGS] [--data FILE] [--home DIR] [--lang 0|1|2] [--units 0..7]\n"
    "commands:\n"
    "  help                          this text (also COMMAND --help)\n"
    "  check [FILE]                  read every table and series, print record counts\n"
    "  tables                        number, name and record count of each table\n"
    "  dump TABLE [--series N]       a table as the browser's clipboard text\n"
    "  series N [--density R] [--d2 D] [--speed N]\n"
    "                                evaluated points of series N, converted\n"
    "  pack SRC_DIR OUT_FILE         catalogue text files -> data file\n"
    "  unpack [FILE] OUT_DIR         data file -> catalogue text files\n"
    "  search [OPTIONS]              impeller search (options below)\n"
    "  curve KIND --series N[:D2:SPEED:DENSITY] ...\n"
    "                                curve set of that kind\n"
    "  density --pressure P --temperature T\n"
    "                                dry-air density\n"
    "  partload ERGID [OPTIONS]      part-load curves of that result of the search: at its\n"
    "                                speed, halfway to 45 % and at 45 % of it\n"
    "  batch DUTIES.tsv [OPTIONS] [--best K] [--report-dir DIR]\n"
    "                                a search per duty line (columns flow, pressure, density,\n"
    "                                layout, mode, speed, type-group, angle; a header line\n"
    "                                may name them), the K best rows of each (default 3);\n"
    "                                bad lines are reported and skipped (exit status 1)\n"
    "  plot KIND (--selection FILE.cva | --series N[:D2:SPEED:DENSITY] ...) --out FILE\n"
    "       [--width W] [--height H] [--show 0|1|2] [--style 0..11]\n"
    "                                curve diagram as .png, .pdf or .svg\n"
    "  report [--selection FILE.cva] [--layout 1..5 | --pages CODES] --out FILE.pdf\n"
    "                                evaluation pages of a layout as PDF (without\n"
    "                                --selection: the user's current settings)\n"
    "  db-export --db URL [FILE]     every table of a data file into a database\n"
    "  db-import --db URL OUT_FILE   a data file from a database\n"
    "search reads the request, cart and options saved by the program from the user's settings\n"
    "file unless --no-settings is given; a selection file and the options below override them.\n"
    "search options, in the display units of --units like typed input:\n"
    "  --flow V --pressure P --density R --tolerance PERCENT --speed N --max-speed N\n"
    "  --d2-min D --d2-max D --width-min W --width-max W --angle TEXT --type-group 0..21\n"
    "  --layout 0|1|2 --mode 0..4 --sort 0..6 --fixed 0|1 --slider-max N\n"
    "  --selection FILE.cva  --cart ID:SPEED:FLOW (repeatable, mode 4)  --format tsv|json\n"
    "  --no-settings  --sort fei (by Fan Energy Index)  --speed-controller (part-load\n"
    "  compensation of Regulation (EU) 2024/1834 in the grades)\n"
    "search and batch rows carry the energy-efficiency grade: etaBep peBep n327Achieved\n"
    "n327Required pass327 n1834Achieved n1834Required pass1834 fepRef fepAct fei\n"
    "database URLs: sqlite:PATH or postgresql://user@host:port/dbname; the PostgreSQL\n"
    "  password comes from PGPASSWORD or ~/.pgpass, never from the command line\n";

} // namespace

int main(int argc, char** argv) {
    using namespace corvane;
    cli::CliArgs args(argc, argv, {"help", "no-settings", "speed-controller"});
    const bool help =
        args.Has("help") || (!args.Positional().empty() && args.Positional().front() == "help");
    if (args.Positional().empty() || help) {
        std::cout << kUsage;
        return help ? 0 : 2;
    }
    try {
        if (args.Has("home")) SetProgramFolder(args.Value("home"));
        const int units = args.Integer("units", 0, 0, 7);
        SetScreenUnitSystem(units);
        SetPrintUnitSystem(units);
        SetTextLanguage(args.Has("lang") ? args.Integer("lang", 0, 0, 2)
                                         : LanguageOfUnitSystem(units));
        return cli::RunCommand(args.Positional().front(), args);
    } catch (const std::invalid_argument& e) {
        std::cerr << "corvane-cli: " << e.what() << '\n';
        return 2;
    } catch (const EMdbError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "corvane-cli: " << e.what() << '\n';
        return 1;
    }
}
