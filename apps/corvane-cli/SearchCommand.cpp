// search: the impeller search for a request given as options or read from a selection file,
// printed as the result list's columns.
#include "CliArgs.h"
#include "Commands.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLaufrad.h"
#include "i18n/Language.h"
#include "measurements/TMdbMw.h"
#include "physics/ListeningDistance.h"
#include "selection/TImpellerSearch.h"
#include "selection/TResultList.h"
#include "settings/TSettings.h"
#include "units/Units.h"
#include "util/Numbers.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace corvane::cli {

namespace {

const std::vector<std::string> kKnownOptions = {
    "data",       "home",      "lang",       "units",     "format", "flow",   "pressure",
    "density",    "tolerance", "speed",      "max-speed", "d2-min", "d2-max", "width-min",
    "width-max",  "angle",     "type-group", "layout",    "mode",   "sort",   "fixed",
    "slider-max", "selection", "cart",       "help"};

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
TWarenkorbEintrag CartEntry(const std::string& text, int flowQuantity, int units) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t colon; (colon = text.find(':', start)) != std::string::npos; start = colon + 1)
        parts.push_back(text.substr(start, colon - start));
    parts.push_back(text.substr(start));
    if (parts.size() != 3)
        throw std::invalid_argument("--cart: expected ID:SPEED:FLOW, got \"" + text + "\"");
    const double id = StrictNumber(parts[0], "--cart");
    TWarenkorbEintrag entry;
    entry.Id = static_cast<std::int32_t>(id);
    entry.Speed = StrictNumber(parts[1], "--cart");
    entry.Flow = FromDisplay(flowQuantity, units, StrictNumber(parts[2], "--cart"));
    if (entry.Id != id || !entry.IsValid())
        throw std::invalid_argument("--cart: needs a positive identifier and flow: \"" + text +
                                    "\"");
    return entry;
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
            text += Clean(list.ColumnHeader(c, header)) + '\t';
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
                ", \"name\": " + JsonString(list.ColumnHeader(c, 0)) +
                ", \"unit\": " + JsonString(list.ColumnHeader(c, 1)) + "}";
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
    const std::vector<std::string> unknown = args.Unknown(kKnownOptions);
    if (!unknown.empty()) throw std::invalid_argument("search: unknown option --" + unknown[0]);
    if (args.Positional().size() > 1)
        throw std::invalid_argument("search: unexpected argument \"" + args.Positional()[1] + "\"");
    const std::string format = args.Value("format", "tsv");
    if (format != "tsv" && format != "json") throw std::invalid_argument("--format: tsv or json");

    // Request, cart and options: the settings defaults, or a selection file.
    TSettings settings;
    std::vector<std::int32_t> markIds;
    if (args.Has("selection")) {
        const std::string path = args.Value("selection");
        if (!settings.ReadSelectionFile(path))
            throw std::invalid_argument("--selection: cannot read \"" + path + "\"");
        markIds = ReadSelectionMarks(path);
        SetListeningDistance(settings.LpAbstand);
        if (!args.Has("units")) {
            const int units = ClampUnitSystem(settings.PrintUnit);
            SetScreenUnitSystem(units);
            SetPrintUnitSystem(units);
            if (!args.Has("lang")) SetTextLanguage(LanguageOfUnitSystem(units));
        }
    }
    const int units = ScreenUnitSystem();

    TCatalogue catalogue;
    OpenCatalogue(catalogue, DataFile(args));
    const TMdbMw& mw = catalogue.Mw();
    const int flowQ = mw.Field(TMdbMw::F_VC).Quantity;
    const int pressureQ = mw.Field(TMdbMw::F_PFA).Quantity;
    const int densityQ = mw.Field(TMdbMw::F_RHO).Quantity;
    const int lengthQ = catalogue.Laufrad().Field(TMdbLaufrad::F_EINBHOEHE).Quantity;

    // Typed input: values in the display units of the unit system, then the input bounds.
    TAuswahlParam r = settings.Request;
    const auto typed = [&args, units](const char* name, int quantity, double& value) {
        if (args.Has(name))
            value =
                FromDisplay(quantity, units, args.Number(name, ToDisplay(quantity, units, value)));
    };
    typed("flow", flowQ, r.RequestedFlow);
    typed("pressure", pressureQ, r.RequestedPressure);
    typed("density", densityQ, r.RequestedDensity);
    typed("d2-min", lengthQ, r.D2Min);
    typed("d2-max", lengthQ, r.D2Max);
    typed("width-min", lengthQ, r.WidthMin);
    typed("width-max", lengthQ, r.WidthMax);
    r.Tolerance = args.Number("tolerance", r.Tolerance);
    r.GivenSpeed = args.Number("speed", r.GivenSpeed);
    r.MaxSpeed = args.Number("max-speed", r.MaxSpeed);
    if (args.Has("angle")) r.HousingAngle = args.Value("angle");
    r.TypeGroup = args.Integer("type-group", r.TypeGroup, 0, 21);
    r.FanLayout = args.Integer("layout", r.FanLayout, 0, 2);
    r.SearchMode = args.Integer("mode", r.SearchMode, 0, 4);
    r.SortKey = args.Integer("sort", r.SortKey, 0, 6);
    r.FixedQuantity = args.Integer("fixed", r.FixedQuantity, 0, 1);
    r.SliderMax = args.Integer("slider-max", r.SliderMax, 1, kMaxSliderSpeed);
    ClampRequest(r);

    TWarenkorb cart = settings.Cart;
    if (args.Has("cart")) {
        cart.clear();
        for (const std::string& text : args.Values("cart"))
            cart.push_back(CartEntry(text, flowQ, units));
        if (cart.size() > kMaxCartEntries)
            throw std::invalid_argument("--cart: at most 50 entries");
    }

    TImpellerSearch search(catalogue);
    search.Run(r, cart);
    TResultList list(catalogue);
    list.SetCart(cart);
    list.TakeSearch(search.Rows(), search.Request());
    list.ApplyMarkIds(markIds);

    if (format == "json")
        PrintJson(list, list.Rows());
    else
        PrintTsv(list, list.Rows());
    return 0;
}

} // namespace corvane::cli
