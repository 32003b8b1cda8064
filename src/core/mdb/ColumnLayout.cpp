#include "mdb/ColumnLayout.h"

#include "mdb/TMdb.h"
#include "util/Codepage.h"

#include <algorithm>
#include <charconv>

namespace corvane {

namespace {

constexpr int kMaxWidth = 100000;
constexpr std::size_t kMinBytePairText = 4;

// "F:W" pairs separated by ","; false when the text is anything else.
bool ParseDecimal(std::string_view text, std::vector<TColumnSpec>& columns) {
    if (text.empty()) return false;
    const char* p = text.data();
    const char* end = text.data() + text.size();
    while (true) {
        TColumnSpec column;
        auto r = std::from_chars(p, end, column.Field);
        if (r.ec != std::errc() || r.ptr == end || *r.ptr != ':') return false;
        r = std::from_chars(r.ptr + 1, end, column.Width);
        if (r.ec != std::errc()) return false;
        columns.push_back(column);
        if (r.ptr == end) return true;
        if (*r.ptr != ',') return false;
        p = r.ptr + 1;
    }
}

} // namespace

std::vector<TColumnSpec> ParseColumnLayout(std::string_view text) {
    std::vector<TColumnSpec> columns;
    if (ParseDecimal(text, columns)) return columns;
    columns.clear();
    const std::string bytes = Utf8ToCp1252(text);
    if (bytes.size() < kMinBytePairText) return columns;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        columns.push_back(
            {static_cast<unsigned char>(bytes[i]), static_cast<unsigned char>(bytes[i + 1]) * 4});
    }
    return columns;
}

std::string FormatColumnLayout(const std::vector<TColumnSpec>& columns) {
    std::string text;
    for (const TColumnSpec& column : columns) {
        if (!text.empty()) text += ',';
        text += std::to_string(column.Field) + ':' +
                std::to_string(std::clamp(column.Width, 1, kMaxWidth));
    }
    return text;
}

void ApplyColumnLayout(TMdb& table, std::string_view text) {
    std::vector<int> shown;
    for (const TColumnSpec& column : ParseColumnLayout(text)) {
        if (column.Field < 1 || column.Field > table.FieldCount()) continue;
        TMdbField& field = table.MutableField(column.Field);
        if (field.ColWidth == 0) continue;
        field.ColWidth = std::clamp(column.Width, 1, kMaxWidth);
        shown.push_back(column.Field);
    }
    if (shown.empty())
        SetDefaultColumns(table, false);
    else
        table.SetColumns(std::move(shown));
}

void SetDefaultColumns(TMdb& table, bool resetWidths) {
    std::vector<int> shown;
    for (int f = 1; f <= table.FieldCount(); ++f) {
        TMdbField& field = table.MutableField(f);
        if (field.ColWidth == 0) continue;
        if (resetWidths) field.ColWidth = -1;
        shown.push_back(f);
    }
    table.SetColumns(std::move(shown));
}

} // namespace corvane
