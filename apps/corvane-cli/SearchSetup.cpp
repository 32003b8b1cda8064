// Setting up the request of the commands that search: settings, selection file, typed
// options and cart.
#include "SearchSetup.h"

#include "CliArgs.h"
#include "efficiency/TEfficiencyGrade.h"
#include "i18n/Language.h"
#include "session/TRequestInput.h"
#include "session/TSelectionSession.h"
#include "settings/TSettings.h"
#include "units/Units.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <optional>
#include <stdexcept>

namespace corvane::cli {

const std::vector<std::string> kSearchOptions = {"data",        "home",       "lang",
                                                 "units",       "format",     "flow",
                                                 "pressure",    "density",    "tolerance",
                                                 "speed",       "max-speed",  "d2-min",
                                                 "d2-max",      "width-min",  "width-max",
                                                 "angle",       "type-group", "layout",
                                                 "mode",        "sort",       "fixed",
                                                 "slider-max",  "selection",  "cart",
                                                 "no-settings", "help",       "speed-controller"};

namespace {

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
    entry.Id = static_cast<std::int32_t>(id);
    entry.Speed = StrictNumber(parts[1], "--cart");
    entry.Flow = FromDisplay(kQuantityFlow, units, StrictNumber(parts[2], "--cart"));
    if (entry.Id != id || !entry.IsValid())
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
    if (!SortByFei(args)) choice("sort", 6, in.SortKey);
    choice("fixed", 1, in.FixedQuantity);
    return in;
}

// --units and --lang given here win over the language/unit index of the settings.
void ApplyLanguageOptions(const CliArgs& args, TSelectionSession& session) {
    if (args.Has("units")) session.ApplyLanguageIndex(args.Integer("units", 0, 0, 7));
    if (args.Has("lang")) SetTextLanguage(args.Integer("lang", 0, 0, 2));
}

} // namespace

void PrepareSession(const CliArgs& args, TSelectionSession& session) {
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
}

bool SortByFei(const CliArgs& args) {
    return args.Value("sort") == "fei";
}

TGradeOptions GradeOptionsOf(const CliArgs& args) {
    TGradeOptions options;
    options.SpeedController = args.Has("speed-controller");
    return options;
}

void CheckArguments(const CliArgs& args, const std::string& command,
                    const std::vector<std::string>& known, std::size_t positional) {
    const std::vector<std::string> unknown = args.Unknown(known);
    if (!unknown.empty()) throw std::invalid_argument(command + ": unknown option --" + unknown[0]);
    if (args.Positional().size() > positional)
        throw std::invalid_argument(command + ": unexpected argument \"" +
                                    args.Positional()[positional] + "\"");
    if (args.Positional().size() < positional)
        throw std::invalid_argument(command + ": missing argument (see --help)");
    const std::string format = args.Value("format", "tsv");
    if (format != "tsv" && format != "json") throw std::invalid_argument("--format: tsv or json");
}

} // namespace corvane::cli
