// partload ERGID: the part-load curves of one result of the search (at its speed, halfway to
// 45 % and at 45 % of it), point by point in the display units.
#include "CliArgs.h"
#include "Commands.h"
#include "ResultOutput.h"
#include "SearchSetup.h"
#include "catalogue/TCatalogue.h"
#include "efficiency/TEfficiencyRater.h"
#include "i18n/Language.h"
#include "selection/TResultList.h"
#include "session/TSelectionSession.h"
#include "units/Units.h"
#include "util/Numbers.h"

#include <charconv>
#include <iostream>
#include <stdexcept>
#include <string>

namespace corvane::cli {

namespace {

constexpr int kQuantityPower = 4; // W
constexpr int kQuantityPercent = 16;

struct TColumn {
    const char* Key;
    int Quantity;
    int Decimals;
    double TPartLoadPoint::*Value;
};

const TColumn kColumns[] = {
    {"flow", kQuantityFlow, 0, &TPartLoadPoint::Flow},
    {"pressure", kQuantityPressure, 0, &TPartLoadPoint::Pressure},
    {"totalPressure", kQuantityPressure, 0, &TPartLoadPoint::TotalPressure},
    {"shaftPower", kQuantityPower, 0, &TPartLoadPoint::ShaftPower},
    {"electricalPower", kQuantityPower, 0, &TPartLoadPoint::ElectricalPower},
    {"speed", kQuantitySpeed, 0, &TPartLoadPoint::Speed},
    {"efficiency", kQuantityPercent, 1, &TPartLoadPoint::ShaftEfficiency},
    {"overallEfficiency", kQuantityPercent, 1, &TPartLoadPoint::OverallEfficiency},
};

std::int32_t ErgIdArgument(const CliArgs& args) {
    const std::string& text = args.Positional()[1];
    std::int32_t id = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (ec != std::errc() || ptr != text.data() + text.size() || id <= 0)
        throw std::invalid_argument("partload: ERGID must be a positive number: \"" + text + "\"");
    return id;
}

std::string Cell(const TColumn& c, const TPartLoadPoint& p, int units) {
    const double v = p.*c.Value;
    return v == -1 ? std::string() : FormatQuantity(c.Decimals, c.Quantity, units, v);
}

void PrintTsv(const TPartLoadCurves& curves, int units) {
    std::string text = "speedFraction";
    for (const TColumn& c : kColumns)
        text += std::string("\t") + c.Key;
    text += "\n%";
    for (const TColumn& c : kColumns)
        text += '\t' + UnitLabel(c.Quantity, units);
    text += '\n';
    for (const TPartLoadCurve& curve : curves.Curves) {
        for (const TPartLoadPoint& p : curve.Points) {
            text += FormatDouble(curve.SpeedFraction * 100);
            for (const TColumn& c : kColumns)
                text += '\t' + Cell(c, p, units);
            text += '\n';
        }
    }
    std::cout << text;
}

void PrintJson(const TResultList& list, std::size_t row, const TPartLoadCurves& curves, int units) {
    std::string text =
        "{\n  \"ergId\": " + std::to_string(list.Row(row).Id()) +
        ",\n  \"designation\": " + JsonString(list.CellText(row, 1)) +
        ",\n  \"electricalMeasured\": " + (curves.ElectricalMeasured ? "true" : "false") +
        ",\n  \"units\": {";
    for (std::size_t i = 0; i < std::size(kColumns); ++i)
        text += (i == 0 ? "" : ", ") + JsonString(kColumns[i].Key) + ": " +
                JsonString(UnitLabel(kColumns[i].Quantity, units));
    text += "},\n  \"curves\": [";
    for (std::size_t k = 0; k < curves.Curves.size(); ++k) {
        const TPartLoadCurve& curve = curves.Curves[k];
        text += (k == 0 ? "\n" : ",\n") + std::string("    {\"speedFraction\": ") +
                JsonNumber(curve.SpeedFraction) +
                ", \"speed\": " + JsonNumber(ToDisplay(kQuantitySpeed, units, curve.Speed)) +
                ", \"points\": [";
        for (std::size_t i = 0; i < curve.Points.size(); ++i) {
            text += i == 0 ? "\n      {" : ",\n      {";
            for (std::size_t c = 0; c < std::size(kColumns); ++c) {
                const double v = curve.Points[i].*kColumns[c].Value;
                text += (c == 0 ? "" : ", ") + JsonString(kColumns[c].Key) + ": " +
                        (v == -1 ? "null" : JsonNumber(ToDisplay(kColumns[c].Quantity, units, v)));
            }
            text += "}";
        }
        text += curve.Points.empty() ? "]}" : "\n    ]}";
    }
    text += "\n  ]\n}\n";
    std::cout << text;
}

} // namespace

int RunPartLoad(const CliArgs& args) {
    CheckArguments(args, "partload", kSearchOptions, 2);
    const std::int32_t id = ErgIdArgument(args);
    TCatalogue catalogue;
    OpenCatalogue(catalogue, DataFile(args));
    TSelectionSession session(catalogue);
    PrepareSession(args, session);
    if (const TOutcome searched = session.Search(); !searched)
        throw std::runtime_error(searched.Message());

    const TResultList& list = session.Results();
    std::size_t row = 0;
    while (row < list.Count() && list.Row(row).Id() != id)
        ++row;
    if (row == list.Count())
        throw std::runtime_error("partload: " + std::to_string(id) +
                                 " is not among the results of this search");
    TEfficiencyRater rater(catalogue);
    const TPartLoadCurves curves = rater.PartLoad(list.Row(row), list.Request().RequestedDensity);
    if (!curves.Found)
        throw std::runtime_error("partload: the series " + std::to_string(list.Row(row).Series) +
                                 " has no points");
    const int units = ScreenUnitSystem();
    if (args.Value("format", "tsv") == "json")
        PrintJson(list, row, curves, units);
    else
        PrintTsv(curves, units);
    return 0;
}

} // namespace corvane::cli
