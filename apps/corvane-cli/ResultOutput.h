#pragma once

#include <cstddef>
#include <string>

namespace corvane {
class TResultList;
struct TEfficiencyGrade;
} // namespace corvane

namespace corvane::cli {

// JSON texts: a quoted string with escapes, a number ("null" when not finite).
std::string JsonString(const std::string& text);
std::string JsonNumber(double value);
// Tabs and line breaks become blanks, so a text stays one TSV cell.
std::string Clean(std::string text);

// The result columns as `search` prints them: the 14 columns of the result grid, ErgId and
// MESSNR, then the grade values (etaBep ... fei).

// Header row 0 (names) or 1 (units), cells separated by tabs, without line end.
std::string ResultTsvHeader(const TResultList& list, int headerRow);
// Result row `row` of the list shown as number `shownNo` (1-based), without line end.
std::string ResultTsvRow(const TResultList& list, std::size_t row, std::size_t shownNo,
                         const TEfficiencyGrade& grade);
// The "columns" array: key, name and unit of every column.
std::string ResultJsonColumns(const TResultList& list, const std::string& indent);
// One row as a JSON object on one line.
std::string ResultJsonRow(const TResultList& list, std::size_t row, std::size_t shownNo,
                          const TEfficiencyGrade& grade);

} // namespace corvane::cli
