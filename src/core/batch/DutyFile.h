#pragma once

#include "selection/TAuswahlParam.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// One duty point of a batch: the line it came from and the search request it makes.
struct TDuty {
    int Line = 0;
    TAuswahlParam Request;
};

// A line that could not be read, with its 1-based number and what is wrong.
struct TDutyError {
    int Line = 0;
    std::string Message;
    std::string Text() const { return "line " + std::to_string(Line) + ": " + Message; }
};

struct TDutyFile {
    std::vector<std::string> Columns; // column names in file order
    std::vector<TDuty> Duties;
    std::vector<TDutyError> Errors;
    bool Unusable = false; // the header is wrong: no line was read
};

// Names of the duty columns, as the search options call them.
inline constexpr const char* kDutyColumns[] = {"flow", "pressure", "density",    "layout",
                                               "mode", "speed",    "type-group", "angle"};

// Reads a tab-separated duty file: one duty per line; empty lines and lines starting with
// "#" are skipped. A first line whose first field is not a number names the columns (any of
// kDutyColumns, "flow" and "pressure" required); without it the columns are kDutyColumns in
// that order. Flow, pressure and density are in the display units of `unitSystem`, "," or
// "." as decimal point; empty or missing optional cells keep the values of `base`. Lines
// with a wrong value or too many fields are reported and skipped; the others are read.
TDutyFile ParseDutyFile(std::string_view text, const TAuswahlParam& base, int unitSystem);

} // namespace corvane
