#include "catalogue/TTsvFile.h"

#include "catalogue/TCatalogueText.h"
#include "mdb/EMdbError.h"
#include "mdb/TMdb.h"
#include "util/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace corvane {

namespace {

// A text file holds at most what a data file can (2 GB); the limit keeps a wrong path (a huge
// foreign file, perhaps without a line end) from being read on and on.
constexpr std::size_t kMaxTextFileBytes = std::size_t{1} << 31;
constexpr std::size_t kBufferBytes = std::size_t{1} << 16;

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

TTsvFile::TTsvFile(const std::string& path)
    : path_(path), name_(std::filesystem::path(path).filename().string()) {
    std::string reason;
    descriptor_ = OpenRegularFile(path, reason);
    if (descriptor_ < 0) throw EMdbError("Cannot read file \"" + path + "\": " + reason);
    buffer_.resize(kBufferBytes);
    if (!ReadLine()) Fail(1, "missing header line");
    SplitCells();
    for (const std::string_view cell : cells_) {
        try {
            header_.push_back(TCatalogueText::Unescape(cell));
        } catch (const EMdbError& e) {
            Fail(lineNo_, std::string(e.what()) + " in the header");
        }
    }
}

TTsvFile::~TTsvFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

bool TTsvFile::ReadLine() {
    line_.clear();
    bool any = false;
    while (true) {
        if (begin_ == end_) {
            if (atEnd_) break;
            ssize_t n = 0;
            do {
                n = ::read(descriptor_, buffer_.data(), buffer_.size());
            } while (n < 0 && errno == EINTR);
            if (n < 0)
                throw EMdbError("Cannot read file \"" + path_ + "\": " + std::strerror(errno));
            bytesRead_ += static_cast<std::size_t>(n);
            if (bytesRead_ > kMaxTextFileBytes)
                throw EMdbError("Cannot read file \"" + path_ + "\": larger than " +
                                std::to_string(kMaxTextFileBytes) + " bytes");
            begin_ = 0;
            end_ = static_cast<std::size_t>(n);
            if (n == 0) {
                atEnd_ = true;
                break;
            }
        }
        any = true;
        const char* start = buffer_.data() + begin_;
        const auto* eol = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
        if (eol == nullptr) {
            line_.append(start, end_ - begin_);
            begin_ = end_;
            continue;
        }
        line_.append(start, static_cast<std::size_t>(eol - start));
        begin_ += static_cast<std::size_t>(eol - start) + 1;
        break;
    }
    if (!any) return false;
    ++lineNo_;
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    return true;
}

void TTsvFile::SplitCells() {
    cells_.clear();
    const std::string_view line(line_);
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        cells_.push_back(
            line.substr(start, tab == std::string_view::npos ? line.npos : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    // A zero byte would end the text early in the data file.
    if (line.find('\0') == std::string_view::npos) return;
    if (lineNo_ == 1) Fail(lineNo_, "NUL byte in the header");
    for (std::size_t c = 0; c < cells_.size(); ++c)
        if (cells_[c].find('\0') != std::string_view::npos)
            Fail(lineNo_,
                 "NUL byte in column " + (c < header_.size() ? header_[c] : std::to_string(c + 1)));
}

bool TTsvFile::Next() {
    while (ReadLine()) {
        if (line_.empty()) continue;
        SplitCells();
        if (cells_.size() != header_.size())
            Fail(lineNo_, "expected " + std::to_string(header_.size()) + " columns, found " +
                              std::to_string(cells_.size()));
        return true;
    }
    return false;
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
