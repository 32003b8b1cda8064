// Result rows with their grades as TSV and JSON text.
#include "ResultOutput.h"

#include "efficiency/GradeFields.h"
#include "efficiency/TEfficiencyGrade.h"
#include "i18n/Language.h"
#include "selection/TResultList.h"
#include "util/GreekText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace corvane::cli {

namespace {

// JSON names of the 14 columns.
const char* const kColumnKeys[TResultList::kColumnCount] = {
    "nr",         "designation", "angle", "flow",     "pressure",   "totalPressure",
    "soundLevel", "speed",       "power", "powerMax", "efficiency", "totalEfficiency",
    "width",      "remark"};

std::string GradeJson(const TGradeValue& value) {
    switch (value.Kind) {
    case TGradeValue::IsNumber:
        return JsonNumber(value.Number);
    case TGradeValue::IsFlag:
        return value.Flag ? "true" : "false";
    case TGradeValue::Null:
        break;
    }
    return "null";
}

} // namespace

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

std::string Clean(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}

std::string ResultTsvHeader(const TResultList& list, int headerRow) {
    std::string text;
    for (int c = 0; c < TResultList::kColumnCount; ++c)
        text += Clean(GreekText(list.ColumnHeader(c, headerRow))) + '\t';
    text += headerRow == 0 ? "ErgId\tMESSNR" : "\t";
    for (const TGradeField& f : GradeFields(TEfficiencyGrade{}))
        text += std::string("\t") + (headerRow == 0 ? f.Key : f.Unit);
    return text;
}

std::string ResultTsvRow(const TResultList& list, std::size_t row, std::size_t shownNo,
                         const TEfficiencyGrade& grade) {
    std::string text = std::to_string(shownNo);
    for (int c = 1; c < TResultList::kColumnCount; ++c)
        text += '\t' + Clean(list.CellText(row, c));
    const TErgebnisZeile& r = list.Row(row);
    text += '\t' + std::to_string(r.Id()) + '\t' + std::to_string(r.Series);
    const int language = TextLanguage();
    for (const TGradeField& f : GradeFields(grade))
        text += '\t' + GradeFieldText(f, language);
    return text;
}

std::string ResultJsonColumns(const TResultList& list, const std::string& indent) {
    std::string text = "[";
    for (int c = 0; c < TResultList::kColumnCount; ++c) {
        text += c == 0 ? "\n" : ",\n";
        text += indent + "  {\"key\": " + JsonString(kColumnKeys[c]) +
                ", \"name\": " + JsonString(GreekText(list.ColumnHeader(c, 0))) +
                ", \"unit\": " + JsonString(GreekText(list.ColumnHeader(c, 1))) + "}";
    }
    for (const TGradeField& f : GradeFields(TEfficiencyGrade{}))
        text += ",\n" + indent + "  {\"key\": " + JsonString(f.Key) +
                ", \"name\": " + JsonString(f.Key) + ", \"unit\": " + JsonString(f.Unit) + "}";
    return text + "\n" + indent + "]";
}

std::string ResultJsonRow(const TResultList& list, std::size_t row, std::size_t shownNo,
                          const TEfficiencyGrade& grade) {
    std::string text = "{";
    for (int c = 0; c < TResultList::kColumnCount; ++c) {
        text += JsonString(kColumnKeys[c]) + ": ";
        if (c == 0)
            text += std::to_string(shownNo);
        else if (TResultList::IsNumericColumn(c))
            text += JsonNumber(list.CellValue(row, c));
        else
            text += JsonString(list.CellText(row, c));
        text += ", ";
    }
    const TErgebnisZeile& r = list.Row(row);
    text += "\"ergId\": " + std::to_string(r.Id()) + ", \"series\": " + std::to_string(r.Series) +
            ", \"speedClass\": " + std::to_string(r.SpeedClass) +
            ", \"chartMark\": " + std::to_string(r.ChartMark);
    for (const TGradeField& f : GradeFields(grade))
        text += ", " + JsonString(f.Key) + ": " + GradeJson(f.Value);
    return text + "}";
}

} // namespace corvane::cli
