#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace corvane {

class TMdb;

// One text file of the catalogue as text, as `pack` reads it: the header line of column
// names and the rows with their line numbers. Faults raise EMdbError starting with
// "FILE:LINE: ", so that the person editing the file finds the place.
class TTsvFile {
public:
    struct TRow {
        std::size_t Line = 0;
        std::vector<std::string> Cells;
    };

    // Reads a regular file: the first line is the header; empty lines are skipped; every
    // other line must have as many cells as the header and no NUL byte.
    static TTsvFile Read(const std::string& path);

    const std::string& Name() const { return name_; }
    const std::vector<std::string>& Header() const { return header_; }
    const std::vector<TRow>& Rows() const { return rows_; }
    std::vector<TRow>& Rows() { return rows_; }

    // The field of each column: every stored field of `table` must be named exactly once
    // (its key, or the German caption of a field without one).
    std::vector<int> MapColumns(const TMdb& table) const;

    // Raises EMdbError "NAME:LINE: what".
    [[noreturn]] void Fail(std::size_t line, const std::string& what) const;
    [[noreturn]] static void Fail(const std::string& name, std::size_t line,
                                  const std::string& what);

    // The name of a stored field's column.
    static std::string ColumnName(const TMdb& table, int field);

private:
    std::string name_;
    std::vector<std::string> header_;
    std::vector<TRow> rows_;
};

} // namespace corvane
