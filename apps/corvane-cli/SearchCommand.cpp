// search: the impeller search for a request given as options or read from a selection file,
// printed as the result list's columns.
#include "CliArgs.h"
#include "Commands.h"
#include "catalogue/TCatalogue.h"
#include "i18n/Language.h"
#include "selection/TResultList.h"
#include "session/TRequestInput.h"
#include "session/TSelectionSession.h"
#include "settings/TSettings.h"
#include "units/Units.h"
#include "util/GreekText.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace corvane::cli {

namespace {

// JSON names of the 14 columns.
const char* const kColumnKeys[TResultList::kColumnCount] = {
    "nr",         "designation", "angle", "flow",     "pressure",   "totalPressure",
    "soundLevel", "speed",       "power", "powerMax", "efficiency", "totalEfficiency",
    "width",      "remark"};

double StrictNumber(const std::string& text, const std::string& what) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        throw std::invalid_argument(what + ": not a number: \"" + text + "\"");
    return value;
}

// "ID:SPEED:FLOW", the flow in display units.
TWarenkorbEintrag CartEntry(const std::string& text, int units) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t colon; (colon = text.find(':', start)) != std::string::npos; start = colon + 1)
        parts.push_back(text.substr(start, colon - start));
    parts.push_back(text.substr(start));
    if (parts.size() != 3)
        throw std::invalid_argument("--cart: expected ID:SPEED:FLOW, got \"" + text + "\"");
    const double id = StrictNumber(parts[0], "--cart");
    TWarenkorbEintrag entry;
    // Range and wholeness are checked before the identifier is converted.
    const bool wholeId =
        id >= 1 && id <= std::numeric_limits<std::int32_t>::max() && id == std::trunc(id);
    entry.Id = wholeId ? static_cast<std::int32_t>(id) : 0;
    entry.Speed = StrictNumber(parts[1], "--cart");
    entry.Flow = FromDisplay(kQuantityFlow, units, StrictNumber(parts[2], "--cart"));
    if (!wholeId || !entry.IsValid())
        throw std::invalid_argument("--cart: needs a positive identifier and flow: \"" + text +
                                    "\"");
    return entry;
}

// The request options given on the command line, as typed: numbers in the display units of
// the unit system. Malformed numbers and out-of-range choices are refused here; the session
// applies the bounds of typed input.
TRequestInput TypedInput(const CliArgs& args) {
    TRequestInput in;
    const auto typed = [&args](const char* name, std::optional<std::string>& field) {
        if (!args.Has(name)) return;
        args.Number(name, 0); // refuses what is not a number
        field = args.Value(name);
    };
    typed("flow", in.Flow);
    typed("pressure", in.Pressure);
    typed("density", in.Density);
    typed("d2-min", in.D2Min);
    typed("d2-max", in.D2Max);
    typed("width-min", in.WidthMin);
    typed("width-max", in.WidthMax);
    typed("tolerance", in.Tolerance);
    typed("speed", in.Speed);
    typed("max-speed", in.MaxSpeed);
    if (args.Has("slider-max"))
        in.SliderMax = std::to_string(args.Integer("slider-max", 0, 1, kMaxSliderSpeed));
    if (args.Has("angle")) in.HousingAngle = args.Value("angle");
    const auto choice = [&args](const char* name, int hi, std::optional<int>& field) {
        if (args.Has(name)) field = args.Integer(name, 0, 0, hi);
    };
    choice("type-group", kAllTypesGroup, in.TypeGroup);
    choice("layout", 2, in.FanLayout);
    choice("mode", SearchCart, in.SearchMode);
    choice("sort", 6, in.SortKey);
    choice("fixed", 1, in.FixedQuantity);
    return in;
}

// --units and --lang given here win over the language/unit index of the settings.
void ApplyLanguageOptions(const CliArgs& args, TSelectionSession& session) {
    if (args.Has("units")) session.ApplyLanguageIndex(args.Integer("units", 0, 0, 7));
    if (args.Has("lang")) SetTextLanguage(args.Integer("lang", 0, 0, 2));
}

std::string Clean(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
                out += buffer;
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buffer[32];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, ptr) : "null";
}

void PrintTsv(const TResultList& list, const std::vector<TErgebnisZeile>& rows) {
    std::string text;
    for (int header = 0; header < 2; ++header) {
        for (int c = 0; c < TResultList::kColumnCount; ++c)
            text += Clean(GreekText(list.ColumnHeader(c, header))) + '\t';
        text += header == 0 ? "ErgId\tMESSNR\n" : "\t\n";
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < TResultList::kColumnCount; ++c)
            text += Clean(list.CellText(r, c)) + '\t';
        text += std::to_string(rows[r].Id()) + '\t' + std::to_string(rows[r].Series) + '\n';
    }
    std::cout << text;
}

void PrintJson(const TResultList& list, const std::vector<TErgebnisZeile>& rows) {
    std::string text = "{\n  \"columns\": [";
    for (int c = 0; c < TResultList::kColumnCount; ++c) {
        text += c == 0 ? "\n" : ",\n";
        text += "    {\"key\": " + JsonString(kColumnKeys[c]) +
                ", \"name\": " + JsonString(GreekText(list.ColumnHeader(c, 0))) +
                ", \"unit\": " + JsonString(GreekText(list.ColumnHeader(c, 1))) + "}";
    }
    text += "\n  ],\n  \"status\": " + JsonString(list.StatusText()) + ",\n  \"rows\": [";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        text += r == 0 ? "\n    {" : ",\n    {";
        for (int c = 0; c < TResultList::kColumnCount; ++c) {
            text += JsonString(kColumnKeys[c]) + ": ";
            if (c == 0)
                text += std::to_string(r + 1);
            else if (TResultList::IsNumericColumn(c))
                text += JsonNumber(list.CellValue(r, c));
            else
                text += JsonString(list.CellText(r, c));
            text += ", ";
        }
        text += "\"ergId\": " + std::to_string(rows[r].Id()) +
                ", \"series\": " + std::to_string(rows[r].Series) +
                ", \"speedClass\": " + std::to_string(rows[r].SpeedClass) +
                ", \"chartMark\": " + std::to_string(rows[r].ChartMark) + "}";
    }
    text += rows.empty() ? "]\n}\n" : "\n  ]\n}\n";
    std::cout << text;
}

} // namespace

int RunSearch(const CliArgs& args) {
    const std::string format = args.Value("format", "tsv");
    if (format != "tsv" && format != "json") throw std::invalid_argument("--format: tsv or json");

    TCatalogue catalogue;
    OpenCatalogue(catalogue, DataFile(args));
    TSelectionSession session(catalogue);

    // The request, cart and options the program saved, then a selection file, then the
    // options given here; --units and --lang win over the stored language/unit index.
    if (!args.Has("no-settings")) {
        if (const TOutcome read = session.LoadSettings(SettingsPath()); !read)
            std::cerr << "corvane-cli: " << read.Message() << '\n';
    }
    if (args.Has("selection")) {
        if (const TOutcome read = session.ReadSelection(args.Value("selection")); !read)
            throw std::invalid_argument("--selection: " + read.Message());
    }
    ApplyLanguageOptions(args, session);
    session.TakeInput(TypedInput(args));
    if (args.Has("cart")) {
        TWarenkorb cart;
        for (const std::string& text : args.Values("cart"))
            cart.push_back(CartEntry(text, ScreenUnitSystem()));
        if (cart.size() > kMaxCartEntries)
            throw std::invalid_argument("--cart: at most 50 entries");
        session.SetCart(std::move(cart));
    }

    if (const TOutcome searched = session.Search(); !searched)
        throw std::runtime_error(searched.Message());
    if (args.Has("selection")) (void)session.OpenSelectionMarks(args.Value("selection"));

    const TResultList& list = session.Results();
    if (format == "json")
        PrintJson(list, list.Rows());
    else
        PrintTsv(list, list.Rows());
    return 0;
}

} // namespace corvane::cli
