#include "batch/DutyFile.h"

#include "units/Units.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace corvane {

namespace {

// Batch duties search for themselves; the cart mode has no cart here.
constexpr std::int32_t kLastBatchMode = SearchComputedReinforced;

std::vector<std::string> SplitTabs(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1)
        fields.emplace_back(line.substr(start, tab - start));
    fields.emplace_back(line.substr(start));
    for (std::string& f : fields) {
        const auto first = f.find_first_not_of(" \r");
        const auto last = f.find_last_not_of(" \r");
        f = first == std::string::npos ? std::string() : f.substr(first, last - first + 1);
    }
    return fields;
}

// A cell as an error message quotes it: at most 40 characters, control bytes as "?".
std::string Shown(const std::string& cell) {
    constexpr std::size_t kShownChars = 40;
    std::string text;
    std::size_t chars = 0;
    for (const char c : cell) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80 && ++chars > kShownChars) return text + "...";
        text += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    return text;
}

bool ReadNumber(std::string text, double& value) {
    std::replace(text.begin(), text.end(), ',', '.');
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && std::isfinite(value);
}

int ColumnIndex(const std::string& name) {
    const auto it = std::find_if(std::begin(kDutyColumns), std::end(kDutyColumns),
                                 [&name](const char* c) { return name == c; });
    return it == std::end(kDutyColumns) ? -1 : static_cast<int>(it - std::begin(kDutyColumns));
}

// Applies one cell; answers an error text, empty when the value was taken.
std::string ApplyCell(int column, const std::string& cell, TAuswahlParam& r, int units) {
    const std::string name = kDutyColumns[column];
    if (column == 7) { // angle
        r.HousingAngle = cell;
        return {};
    }
    double v = 0;
    if (!ReadNumber(cell, v)) return name + ": not a number: \"" + Shown(cell) + "\"";
    const auto integer = [&](std::int32_t lo, std::int32_t hi, std::int32_t& target) {
        if (v != std::floor(v) || v < lo || v > hi)
            return name + ": " + std::to_string(lo) + " ... " + std::to_string(hi) + " expected";
        target = static_cast<std::int32_t>(v);
        return std::string();
    };
    switch (column) {
    case 3:
        return integer(0, 2, r.FanLayout);
    case 4:
        return integer(SearchComputedSpeed, kLastBatchMode, r.SearchMode);
    case 6:
        return integer(0, kAllTypesGroup, r.TypeGroup);
    default:
        break;
    }
    if (!(v > 0)) return name + ": must be above 0";
    switch (column) {
    case 0:
        r.RequestedFlow = FromDisplay(kQuantityFlow, units, v);
        break;
    case 1:
        r.RequestedPressure = FromDisplay(kQuantityPressure, units, v);
        break;
    case 2:
        r.RequestedDensity = FromDisplay(kQuantityDensity, units, v);
        break;
    default: // speed
        r.GivenSpeed = v;
        break;
    }
    return {};
}

// Reads the column names of a header line; false (file unusable) on a wrong header.
bool ReadHeader(const std::vector<std::string>& fields, int lineNo, TDutyFile& file,
                std::vector<int>& columns) {
    for (const std::string& name : fields) {
        const int c = ColumnIndex(name);
        const char* problem = c < 0 ? "unknown column \""
                              : std::count(columns.begin(), columns.end(), c) != 0
                                  ? "column twice: \""
                                  : nullptr;
        if (problem != nullptr) {
            file.Errors.push_back({lineNo, problem + Shown(name) + "\""});
            file.Unusable = true;
            return false;
        }
        columns.push_back(c);
        file.Columns.push_back(name);
    }
    if (std::count(columns.begin(), columns.end(), 0) == 0 ||
        std::count(columns.begin(), columns.end(), 1) == 0) {
        file.Errors.push_back({lineNo, "the columns flow and pressure are required"});
        file.Unusable = true;
        return false;
    }
    return true;
}

} // namespace

TDutyFile ParseDutyFile(std::string_view text, const TAuswahlParam& base, int unitSystem) {
    TDutyFile file;
    std::vector<int> columns;
    int lineNo = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNo;
        std::vector<std::string> fields = SplitTabs(line);
        if (fields.size() == 1 && fields[0].empty()) continue;
        if (!fields[0].empty() && fields[0][0] == '#') continue;

        if (columns.empty()) {
            double number = 0;
            if (!ReadNumber(fields[0], number)) {
                if (!ReadHeader(fields, lineNo, file, columns)) return file;
                continue;
            }
            for (int c = 0; c < static_cast<int>(std::size(kDutyColumns)); ++c) {
                columns.push_back(c);
                file.Columns.emplace_back(kDutyColumns[c]);
            }
        }

        if (fields.size() > columns.size()) {
            file.Errors.push_back({lineNo, std::to_string(fields.size()) + " fields, " +
                                               std::to_string(columns.size()) + " columns"});
            continue;
        }
        TDuty duty{lineNo, base};
        std::string error;
        for (std::size_t i = 0; i < columns.size() && error.empty(); ++i) {
            const bool required = columns[i] <= 1;
            if (i >= fields.size() || fields[i].empty()) {
                if (required) error = std::string(kDutyColumns[columns[i]]) + ": missing";
                continue;
            }
            error = ApplyCell(columns[i], fields[i], duty.Request, unitSystem);
        }
        if (!error.empty()) {
            file.Errors.push_back({lineNo, error});
            continue;
        }
        ClampRequest(duty.Request);
        file.Duties.push_back(std::move(duty));
    }
    return file;
}

} // namespace corvane
