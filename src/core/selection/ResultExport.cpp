#include "selection/ResultExport.h"

#include "selection/TResultList.h"
#include "util/GreekText.h"

namespace corvane {

namespace {

std::string CsvField(std::string text, char separator) {
    if (text.find_first_of(std::string{separator, '"', '\n', '\r'}) == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::string ResultGridClipboardText(const TResultList& list, const std::string& caption) {
    std::string text = caption + "\r\n";
    const auto appendRow = [&text](auto cell) {
        for (int c = 0; c < TResultList::kColumnCount; ++c)
            text += GreekText(cell(c)) + (c + 1 < TResultList::kColumnCount ? "\t" : "\r\n");
    };
    for (int header = 0; header < 2; ++header)
        appendRow([&](int c) { return list.ColumnHeader(c, header); });
    for (std::size_t r = 0; r < list.Count(); ++r)
        appendRow([&](int c) { return list.CellText(r, c); });
    return text;
}

std::string ResultGridCsv(const TResultList& list, char separator) {
    std::string text;
    for (int c = 0; c < TResultList::kColumnCount; ++c) {
        std::string name = list.ColumnHeader(c, 0);
        const std::string unit = list.ColumnHeader(c, 1);
        if (!unit.empty()) name += name.empty() ? unit : " [" + unit + "]";
        text += CsvField(GreekText(name), separator);
        text += c + 1 < TResultList::kColumnCount ? std::string(1, separator) : "\r\n";
    }
    for (std::size_t r = 0; r < list.Count(); ++r) {
        for (int c = 0; c < TResultList::kColumnCount; ++c) {
            std::string cell = GreekText(list.CellText(r, c));
            if (separator == ';' && TResultList::IsNumericColumn(c))
                for (char& ch : cell)
                    if (ch == '.') ch = ',';
            text += CsvField(std::move(cell), separator);
            text += c + 1 < TResultList::kColumnCount ? std::string(1, separator) : "\r\n";
        }
    }
    return text;
}

char CsvSeparatorFor(char decimalSeparator) {
    return decimalSeparator == ',' ? ';' : ',';
}

} // namespace corvane
