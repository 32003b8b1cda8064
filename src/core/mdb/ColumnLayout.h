#pragma once

// The column layout of a table browser as saved in the settings, per table.
//
// Written form: the shown columns in display order as "field:width" pairs in decimal,
// separated by ",", widths in pixels ("1:64,3:120,12:1400"). It holds any width and any
// number of columns and stays plain text in the settings file.
// Read form: that text, or the byte-pair string of earlier versions: per column one
// character for the field number and one for the width divided by 4 (at least 1), each
// character standing for its Windows-1252 byte. A text that is not entirely decimal pairs
// is read as byte pairs.

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class TMdb;

struct TColumnSpec {
    int Field = 0;
    int Width = 0; // pixels

    bool operator==(const TColumnSpec&) const = default;
};

// The columns a layout text names, unchecked; empty for a byte-pair string shorter than
// 4 characters.
std::vector<TColumnSpec> ParseColumnLayout(std::string_view text);
std::string FormatColumnLayout(const std::vector<TColumnSpec>& columns);

// Sets the table's columns from a layout text: every named field that exists and may be
// shown (ColWidth not 0) becomes the next column and gets the width as its ColWidth. When
// the text names no such field the table shows its default columns.
void ApplyColumnLayout(TMdb& table, std::string_view text);
// Every field with ColWidth not 0, in declaration order; with `resetWidths` each of them
// gets ColWidth -1 (computed anew by the browser).
void SetDefaultColumns(TMdb& table, bool resetWidths);

} // namespace corvane
