#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class TMdbMw;
class TMdbRecord;

// The points of one series as the measured-values editor shows them: one row per field
// (the series and point numbers, every raw reading and instrument code, the microphone
// readings), column 0 the field's caption with its unit, columns 1.. the points. Values are
// shown in the screen unit system; a missing value is an empty cell. The grid holds the
// records of the table (which owns them) in column order.
class TMwGrid {
public:
    explicit TMwGrid(TMdbMw& table);

    // Takes every point of the table, sorted by point number.
    void Load();

    int RowCount() const { return static_cast<int>(rows_.size()); }
    int ColumnCount() const { return 1 + static_cast<int>(points_.size()); }
    int PointCount() const { return static_cast<int>(points_.size()); }
    int RowField(int row) const;
    // The point of a column 1..; nullptr outside.
    TMdbRecord* Point(int column) const;
    // Column of a point, -1 when it is not in the grid.
    int ColumnOf(const TMdbRecord* point) const;

    std::string CellText(int row, int column) const;
    // Every point cell but those of the series number.
    bool IsEditable(int row, int column) const;
    // A code or integer row stores the typed number rounded; a float row the parsed number
    // in base units, or -1 for an empty text. Returns false when the cell cannot be edited.
    bool SetCellText(int row, int column, std::string_view text);

    // A new point with the next point number, appended as the last column.
    TMdbRecord* AddPoint();
    // Removes the point from the grid and frees it (no question asked).
    void DeletePoint(TMdbRecord* point);

    // The caption line, then every row as tab-separated cells, each line ending in CR LF;
    // Greek-letter markers become their letters.
    std::string ClipboardText(const std::string& caption) const;

    // Point numbers unique, every float and integer value within its field's limits. On a
    // failure the cell is noted (ErrorRow, ErrorColumn) and an EMdbError is raised with the
    // message for the user.
    void Validate();
    int ErrorRow() const { return errorRow_; }
    int ErrorColumn() const { return errorColumn_; }

    // Deletes the points without any value: every float row missing and every code zero.
    // Returns how many were deleted.
    int RemoveEmptyPoints();
    void SortByNumber();

private:
    [[noreturn]] void Fail(int row, int column, const std::string& message);
    bool IsEmpty(const TMdbRecord* point) const;
    int RowOfField(int field) const;

    TMdbMw& table_;
    std::vector<int> rows_; // field numbers
    std::vector<TMdbRecord*> points_;
    int errorRow_ = -1;
    int errorColumn_ = -1;
};

} // namespace corvane
