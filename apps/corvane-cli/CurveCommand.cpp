// curve: the curve set of one curve kind built from a selection of series.
#include "CliArgs.h"
#include "Commands.h"
#include "catalogue/TCatalogue.h"
#include "i18n/Language.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "model/CurveKinds.h"
#include "model/TCurveSet.h"
#include "model/TMessAuswahl.h"
#include "settings/TSettings.h"
#include "units/Units.h"
#include "util/GreekText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace corvane::cli {

namespace {

// Names of the curve kinds 1..28 on the command line.
constexpr std::array<const char*, kLastCurveKind + 1> kKindNames{"",
                                                                 "static-pressure",
                                                                 "total-pressure",
                                                                 "shaft-power",
                                                                 "electrical-power",
                                                                 "shaft-efficiency-static",
                                                                 "shaft-efficiency-total",
                                                                 "system-efficiency-static",
                                                                 "system-efficiency-total",
                                                                 "sound-level",
                                                                 "sound-level-a",
                                                                 "pressure-number-static",
                                                                 "pressure-number-total",
                                                                 "power-coefficient",
                                                                 "phi-shaft-efficiency-static",
                                                                 "phi-shaft-efficiency-total",
                                                                 "phi-system-efficiency-static",
                                                                 "phi-system-efficiency-total",
                                                                 "speed",
                                                                 "torque",
                                                                 "voltage",
                                                                 "current",
                                                                 "mic1",
                                                                 "mic1-a",
                                                                 "mic2",
                                                                 "mic2-a",
                                                                 "mic3",
                                                                 "mic3-a",
                                                                 "mics"};

double ParsePart(const std::string& text, const std::string& seriesOption) {
    if (text.empty()) return -1;
    std::string t = text;
    std::replace(t.begin(), t.end(), ',', '.');
    double value = 0;
    const auto result = std::from_chars(t.data(), t.data() + t.size(), value);
    if (result.ec != std::errc() || result.ptr != t.data() + t.size())
        throw std::invalid_argument("--series: not a number \"" + text + "\" in \"" + seriesOption +
                                    "\"");
    return value;
}

} // namespace

int ParseKind(const std::string& word) {
    int kind = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), kind);
    if (result.ec == std::errc() && result.ptr == word.data() + word.size()) {
        if (kind >= kFirstCurveKind && kind <= kLastCurveKind) return kind;
    } else {
        for (int k = kFirstCurveKind; k <= kLastCurveKind; ++k)
            if (word == kKindNames[static_cast<std::size_t>(k)]) return k;
    }
    std::string known;
    for (int k = kFirstCurveKind; k <= kLastCurveKind; ++k)
        known += std::string(k > 1 ? ", " : "") + kKindNames[static_cast<std::size_t>(k)];
    throw std::invalid_argument("curve: unknown curve kind \"" + word + "\" (1..28 or " + known +
                                ")");
}

// "N[:D2:SPEED:DENSITY]", empty parts keeping the measured value (density: standard).
TSeriesSpec ParseSeries(const std::string& seriesOption) {
    std::vector<std::string> parts{""};
    for (char c : seriesOption) {
        if (c == ':')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    if (parts.size() > 4)
        throw std::invalid_argument("--series: too many parts in \"" + seriesOption + "\"");
    parts.resize(4);
    TSeriesSpec s;
    const std::string& no = parts[0];
    const auto result = std::from_chars(no.data(), no.data() + no.size(), s.SeriesNo);
    if (no.empty() || result.ec != std::errc() || result.ptr != no.data() + no.size() ||
        s.SeriesNo == 0)
        throw std::invalid_argument("--series: not a series number: \"" + seriesOption + "\"");
    s.D2 = ParsePart(parts[1], seriesOption);
    s.Speed = ParsePart(parts[2], seriesOption);
    s.Density = ParsePart(parts[3], seriesOption);
    return s;
}

namespace {

std::string Num(double value, int digits) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, result.ptr);
}

std::string Json(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            static const char* const hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

constexpr int kPointDigits = 7;
constexpr int kCoefficientDigits = 12;

std::vector<double> Coefficients(const TCurve& curve) {
    const int n = std::clamp(curve.FittedCoefficientCount(), 0, 10);
    return {curve.Fit.begin(), curve.Fit.begin() + n};
}

struct TAxisText {
    std::string Caption;
    std::string Unit;
};

TAxisText Axis(const TMdbMw& table, int field, int language, int units) {
    const TMdbField& f = table.Field(field);
    return {GreekText(f.CaptionIn(language)), UnitLabel(f.Quantity, units)};
}

void PrintText(const TCurveSet& set, const TMessAuswahl& sel, const TMdbMw& table, int style,
               int language, int units) {
    std::string out;
    const TAxisText x = Axis(table, set.XField, language, units);
    const TAxisText y = Axis(table, set.YField, language, units);
    out += "kind\t" + std::to_string(set.Kind) + '\t' +
           GreekText(CurveKindCaption(set.Kind, language)) + "\tstyle\t" + std::to_string(style) +
           '\n';
    out += "axes\t" + x.Caption + '\t' + x.Unit + '\t' + y.Caption + '\t' + y.Unit + '\n';
    out += "bounds\t" + Num(set.MaxX, kPointDigits) + '\t' + Num(set.MinY, kPointDigits) + '\t' +
           Num(set.MaxY, kPointDigits) + '\n';
    out += "duty\t" + Num(set.RequestedFlow, kPointDigits) + '\t' +
           Num(set.RequestedPressure, kPointDigits) + '\t' + Num(set.Tolerance, kPointDigits) +
           '\t' + std::to_string(set.FixedQuantity) + '\n';
    for (int i = 0; i < set.CurveCount; ++i) {
        const TCurve& curve = set.Curves[static_cast<std::size_t>(i)];
        const TMessSlot& slot = *sel.Slot(curve.Slot);
        out += "curve\t" + std::to_string(i + 1) + "\tseries\t" + std::to_string(slot.SeriesNo) +
               (slot.Starred ? "*" : "") + "\tno\t" + std::to_string(slot.DisplayNo) + "\td2\t" +
               Num(slot.TargetD2, kPointDigits) + "\tspeed\t" +
               Num(slot.TargetSpeed, kPointDigits) + "\tdensity\t" +
               Num(slot.TargetDensity, kPointDigits) + "\ty\t" +
               GreekText(table.Field(curve.YField).CaptionIn(language)) + "\tpoints\t" +
               std::to_string(curve.PointCount) + '\n';
        for (int p = 0; p < curve.PointCount; ++p) {
            const TCurvePoint& point = curve.Points[static_cast<std::size_t>(p)];
            out += Num(point.X, kPointDigits) + '\t' + Num(point.Y, kPointDigits) + '\n';
        }
        out += "fit\t" + std::to_string(curve.FittedCoefficientCount());
        for (double c : Coefficients(curve))
            out += '\t' + Num(c, kCoefficientDigits);
        out += '\n';
    }
    std::cout << out;
}

void PrintJson(const TCurveSet& set, const TMessAuswahl& sel, const TMdbMw& table, int style,
               int language, int units) {
    const TAxisText x = Axis(table, set.XField, language, units);
    const TAxisText y = Axis(table, set.YField, language, units);
    std::string out =
        "{\"kind\":" + std::to_string(set.Kind) +
        ",\"caption\":" + Json(GreekText(CurveKindCaption(set.Kind, language))) +
        ",\"style\":" + std::to_string(style) + ",\"units\":" + std::to_string(units) +
        ",\"x\":{\"field\":" + std::to_string(set.XField) + ",\"caption\":" + Json(x.Caption) +
        ",\"unit\":" + Json(x.Unit) + "},\"y\":{\"field\":" + std::to_string(set.YField) +
        ",\"caption\":" + Json(y.Caption) + ",\"unit\":" + Json(y.Unit) +
        "},\"maxX\":" + Num(set.MaxX, kPointDigits) + ",\"minY\":" + Num(set.MinY, kPointDigits) +
        ",\"maxY\":" + Num(set.MaxY, kPointDigits) +
        ",\"requestedFlow\":" + Num(set.RequestedFlow, kPointDigits) +
        ",\"requestedPressure\":" + Num(set.RequestedPressure, kPointDigits) +
        ",\"tolerance\":" + Num(set.Tolerance, kPointDigits) +
        ",\"fixedQuantity\":" + std::to_string(set.FixedQuantity) + ",\"curves\":[";
    for (int i = 0; i < set.CurveCount; ++i) {
        const TCurve& curve = set.Curves[static_cast<std::size_t>(i)];
        const TMessSlot& slot = *sel.Slot(curve.Slot);
        out += std::string(i > 0 ? "," : "") + "{\"slot\":" + std::to_string(curve.Slot) +
               ",\"series\":" + std::to_string(slot.SeriesNo) +
               ",\"displayNo\":" + std::to_string(slot.DisplayNo) +
               ",\"starred\":" + (slot.Starred ? "true" : "false") +
               ",\"d2\":" + Num(slot.TargetD2, kPointDigits) +
               ",\"speed\":" + Num(slot.TargetSpeed, kPointDigits) +
               ",\"density\":" + Num(slot.TargetDensity, kPointDigits) +
               ",\"yField\":" + std::to_string(curve.YField) +
               ",\"yCaption\":" + Json(GreekText(table.Field(curve.YField).CaptionIn(language))) +
               ",\"drawable\":" + (curve.Drawable() ? "true" : "false") + ",\"points\":[";
        for (int p = 0; p < curve.PointCount; ++p) {
            const TCurvePoint& point = curve.Points[static_cast<std::size_t>(p)];
            out += std::string(p > 0 ? "," : "") + "[" + Num(point.X, kPointDigits) + "," +
                   Num(point.Y, kPointDigits) + "]";
        }
        out += "],\"coefficients\":[";
        const std::vector<double> coefficients = Coefficients(curve);
        for (std::size_t c = 0; c < coefficients.size(); ++c)
            out += std::string(c > 0 ? "," : "") + Num(coefficients[c], kCoefficientDigits);
        out += "]}";
    }
    std::cout << out << "]}\n";
}

} // namespace

void SelectSeries(const CliArgs& args, const TCatalogue& catalogue, TMessAuswahl& selection) {
    const std::string command = args.Positional().front();
    const std::vector<std::string> seriesOptions = args.Values("series");
    if (seriesOptions.empty())
        throw std::invalid_argument(command + ": at least one --series N is needed");
    if (seriesOptions.size() > TMessAuswahl::kMaxSeries)
        throw std::invalid_argument(command + ": at most 10 series");
    selection.SetAllowVariation(args.Integer("variation", 0, 0, 1) == 1);
    std::int32_t displayNo = 0;
    for (const std::string& seriesOption : seriesOptions) {
        const TSeriesSpec s = ParseSeries(seriesOption);
        ++displayNo;
        if (selection.AddSeries(s.SeriesNo, displayNo, 0, s.Density, s.Speed, s.D2) > 0) continue;
        const std::int32_t no = s.SeriesNo < 0 ? -s.SeriesNo : s.SeriesNo;
        if (catalogue.Messung().FindByKey(no) == nullptr)
            throw std::invalid_argument(command + ": no series " + std::to_string(no));
        throw std::invalid_argument(command + ": series " + std::to_string(no) +
                                    " is already selected (--variation 1 allows it)");
    }
    // The duty point in base units (m³/h, Pa, per cent); the deviation kind only when given.
    selection.SetRequest(args.Number("flow", 0), args.Number("pressure", 0),
                         args.Number("tolerance", 0), args.Integer("deviation", -1, -1, 1));
}

int RunCurve(const CliArgs& args) {
    const auto& words = args.Positional();
    if (words.size() < 2) throw std::invalid_argument("curve: which curve kind (1..28)?");
    const int kind = ParseKind(words[1]);
    const int style = args.Integer("style", TSettings().PolynomGrad, 0, kCurveStylePointToPoint);
    const std::string format = args.Value("format", "tsv");
    if (format != "tsv" && format != "json") throw std::invalid_argument("--format: tsv or json");

    TCatalogue catalogue;
    OpenCatalogue(catalogue, DataFile(args));
    TMessAuswahl selection(catalogue);
    SelectSeries(args, catalogue, selection);

    TCurveSet set = TCurveSet::ForKind(kind);
    BuildCurveSet(set, selection, style);
    const int language = TextLanguage();
    const int units = PrintUnitSystem();
    if (format == "json")
        PrintJson(set, selection, catalogue.Mw(), style, language, units);
    else
        PrintText(set, selection, catalogue.Mw(), style, language, units);
    return 0;
}

} // namespace corvane::cli
