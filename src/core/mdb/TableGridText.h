#pragma once

#include <string_view>

namespace corvane {

class TMdb;
class TClipboardText;

// The grid of a table browser: the header rows over one row per view record (at least one,
// empty for an empty table) and at least FixedCols + 1 columns.
int GridColumnCount(const TMdb& table);
int GridRowCount(const TMdb& table);

// Appends the browser's copy of a table: the caption and "\r\n", then every grid row with
// the cell text of every grid column, each followed by "\t", the last one of a row by
// "\r\n". Greek-letter markers become their letters.
void AppendGridText(const TMdb& table, std::string_view caption, TClipboardText& out);

} // namespace corvane
