#pragma once

#include <string>

namespace corvane {

class TResultList;

// The result grid as grids copy themselves to the clipboard: the caption and "\r\n", then
// both header rows and every result row, each cell followed by "\t", the last one of a row
// by "\r\n". Greek letters resolved.
std::string ResultGridClipboardText(const TResultList& list, const std::string& caption);

// The result grid as a CSV file (UTF-8): one header line with "name [unit]" per column, one
// line per result row, lines ending in "\r\n". With ";" as separator the decimal point of
// numbers becomes ","; a field holding the separator, a quote or a line break is quoted.
std::string ResultGridCsv(const TResultList& list, char separator);

// The CSV separator of a locale: ";" where the decimal separator is ",", else ",".
char CsvSeparatorFor(char decimalSeparator);

} // namespace corvane
