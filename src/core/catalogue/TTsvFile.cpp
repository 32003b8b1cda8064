#include "catalogue/TTsvFile.h"

#include "catalogue/TCatalogueText.h"
#include "mdb/EMdbError.h"
#include "mdb/TMdb.h"
#include "util/RegularFile.h"

#include <algorithm>
#include <filesystem>

namespace corvane {

namespace {

// A text file holds at most what a data file can (2 GB); the limit keeps a wrong path (a huge
// foreign file) from being read whole.
constexpr std::size_t kMaxTextFileBytes = std::size_t{1} << 31;

std::vector<std::string> SplitTabs(std::string_view line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        cells.emplace_back(
            line.substr(start, tab == std::string_view::npos ? line.npos : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    return cells;
}

} // namespace

std::string TTsvFile::ColumnName(const TMdb& table, int field) {
    const TMdbField& f = table.Field(field);
    return f.Key.empty() ? f.Caption[0] : f.Key;
}

void TTsvFile::Fail(const std::string& name, std::size_t line, const std::string& what) {
    throw EMdbError(name + ":" + std::to_string(line) + ": " + what);
}

void TTsvFile::Fail(std::size_t line, const std::string& what) const {
    Fail(name_, line, what);
}

TTsvFile TTsvFile::Read(const std::string& path) {
    TTsvFile file;
    file.name_ = std::filesystem::path(path).filename().string();
    std::string bytes;
    if (TOutcome read = ReadRegularFile(path, kMaxTextFileBytes, bytes); !read)
        throw EMdbError(read.Message());

    const std::string_view text(bytes);
    std::size_t lineNo = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::vector<std::string> cells = SplitTabs(line);
        // A zero byte would end the text early in the data file.
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (cells[c].find('\0') == std::string::npos) continue;
            if (lineNo == 1) file.Fail(lineNo, "NUL byte in the header");
            file.Fail(lineNo,
                      "NUL byte in column " +
                          (c < file.header_.size() ? file.header_[c] : std::to_string(c + 1)));
        }
        if (lineNo == 1) {
            for (std::string& name : cells) {
                try {
                    name = TCatalogueText::Unescape(name);
                } catch (const EMdbError& e) {
                    file.Fail(lineNo, std::string(e.what()) + " in the header");
                }
            }
            file.header_ = std::move(cells);
            continue;
        }
        if (line.empty()) continue;
        if (cells.size() != file.header_.size())
            file.Fail(lineNo, "expected " + std::to_string(file.header_.size()) +
                                  " columns, found " + std::to_string(cells.size()));
        file.rows_.push_back(TRow{lineNo, std::move(cells)});
    }
    if (lineNo == 0) file.Fail(1, "missing header line");
    return file;
}

std::vector<int> TTsvFile::MapColumns(const TMdb& table) const {
    std::vector<int> stored;
    for (int f = 1; f <= table.FieldCount(); ++f)
        if (table.Field(f).IsStored()) stored.push_back(f);
    std::vector<int> columns;
    for (const std::string& column : header_) {
        int found = 0;
        for (const int f : stored)
            if (ColumnName(table, f) == column) {
                found = f;
                break;
            }
        if (found == 0) Fail(1, "unknown column \"" + column + "\"");
        for (const int earlier : columns)
            if (earlier == found) Fail(1, "column " + column + " given twice");
        columns.push_back(found);
    }
    // A column left out would silently give every record a zero or an empty text.
    for (const int f : stored)
        if (std::find(columns.begin(), columns.end(), f) == columns.end())
            Fail(1, "missing column " + ColumnName(table, f));
    return columns;
}

} // namespace corvane
