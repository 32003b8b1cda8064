#include "catalogue/TCatalogueText.h"

#include "catalogue/TCatalogue.h"
#include "mdb/EMdbError.h"
#include "mdb/TMdb.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "util/Dates.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace corvane {

namespace {

std::vector<int> StoredFields(const TMdb& table) {
    std::vector<int> fields;
    for (int f = 1; f <= table.FieldCount(); ++f)
        if (table.Field(f).IsStored()) fields.push_back(f);
    return fields;
}

std::string ColumnName(const TMdbField& field) {
    return field.Key.empty() ? field.Caption[0] : field.Key;
}

// Splits a line at its tabs into views of it.
void SplitTabs(std::string_view line, std::vector<std::string_view>& cells) {
    cells.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos
                                                                         : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
}

void WriteTable(const TMdb& table, std::ostream& out, bool withHeader,
                const std::vector<int>& fields) {
    if (withHeader) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            out << (i ? "\t" : "") << TCatalogueText::Escape(ColumnName(table.Field(fields[i])));
        out << '\n';
    }
    for (int i = 0; i < table.KeyIndexCount(); ++i) {
        const TMdbRecord* record = table.KeyRecord(i);
        for (std::size_t c = 0; c < fields.size(); ++c)
            out << (c ? "\t" : "") << TCatalogueText::CellText(table, record, fields[c]);
        out << '\n';
    }
}

std::string FileName(const TMdb& table) {
    return table.TableName() + ".tsv";
}

[[noreturn]] void Fail(const std::string& file, std::size_t line, const std::string& what) {
    throw EMdbError(file + ":" + std::to_string(line) + ": " + what);
}

// Reads a text table line by line: `header(names)` gets the unescaped names of the first
// line, `row(cells, lineNo)` every further non-empty line split at its tabs, after checking
// that it has as many cells as the header. The cells are views into the line being read.
template <class Header, class Row>
void ReadTsv(const std::filesystem::path& path, Header header, Row row) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EMdbError("cannot read " + path.string());
    const std::string name = path.filename().string();
    std::string line;
    std::vector<std::string_view> cells;
    std::size_t columns = 0;
    std::size_t lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        SplitTabs(line, cells);
        if (lineNo == 1) {
            std::vector<std::string> names;
            for (const std::string_view cell : cells)
                names.push_back(TCatalogueText::Unescape(cell));
            columns = names.size();
            header(names);
            continue;
        }
        if (line.empty()) continue;
        if (cells.size() != columns)
            Fail(name, lineNo,
                 "expected " + std::to_string(columns) + " columns, found " +
                     std::to_string(cells.size()));
        row(cells, lineNo);
    }
    if (lineNo == 0) Fail(name, 1, "missing header line");
}

// Field numbers of the header's columns, each of which must name a stored field.
std::vector<int> MapColumns(const TMdb& table, const std::vector<std::string>& header,
                            const std::string& name) {
    std::vector<int> columns;
    for (const auto& column : header) {
        int found = 0;
        for (int f : StoredFields(table))
            if (ColumnName(table.Field(f)) == column) {
                found = f;
                break;
            }
        if (found == 0) Fail(name, 1, "unknown column \"" + column + "\"");
        columns.push_back(found);
    }
    return columns;
}

void FillRecord(TMdb& table, TMdbRecord* record, const std::vector<int>& columns,
                const std::vector<std::string_view>& cells, const std::string& name,
                std::size_t lineNo) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
        try {
            TCatalogueText::SetCellText(table, record, columns[c], cells[c]);
        } catch (const EMdbError& e) {
            Fail(name, lineNo, e.what());
        }
    }
}

} // namespace

std::string TCatalogueText::Escape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string TCatalogueText::Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char n = text[++i];
        out += n == 't' ? '\t' : n == 'n' ? '\n' : n == 'r' ? '\r' : n;
    }
    return out;
}

std::string TCatalogueText::CellText(const TMdb& table, const TMdbRecord* record, int field) {
    const TMdbField& f = table.Field(field);
    switch (f.FieldType) {
    case ftFloat:
    case ftFloatTransient: {
        char buffer[32];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, table.GetFloat(record, field));
        return std::string(buffer, result.ptr);
    }
    case ftDate:
        return DateToIso(table.GetInt(record, field));
    case ftString:
        return Escape(table.GetText(record, field));
    default:
        return std::to_string(table.GetInt(record, field));
    }
}

void TCatalogueText::SetCellText(TMdb& table, TMdbRecord* record, int field,
                                 std::string_view text) {
    const TMdbField& f = table.Field(field);
    const char* first = text.data();
    const char* last = text.data() + text.size();
    switch (f.FieldType) {
    case ftFloat:
    case ftFloatTransient: {
        float value = 0;
        const auto result = std::from_chars(first, last, value);
        if (result.ec != std::errc() || result.ptr != last)
            throw EMdbError("bad number \"" + std::string(text) + "\" in column " + ColumnName(f));
        table.SetFloat(record, field, value);
        return;
    }
    case ftDate: {
        const std::int32_t day = IsoToDate(text);
        if (day == 0 && !text.empty())
            throw EMdbError("bad date \"" + std::string(text) + "\" in column " + ColumnName(f));
        table.SetInt(record, field, day);
        return;
    }
    case ftString:
        table.SetText(record, field, Unescape(text));
        return;
    default: {
        std::int32_t value = 0;
        const auto result = std::from_chars(first, last, value);
        if (result.ec != std::errc() || result.ptr != last)
            throw EMdbError("bad integer \"" + std::string(text) + "\" in column " + ColumnName(f));
        table.SetInt(record, field, value);
    }
    }
}

void TCatalogueText::Unpack(TCatalogue& catalogue, const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) throw EMdbError("cannot create " + folder + ": " + ec.message());
    auto open = [&](const std::string& name) {
        std::ofstream out(fs::path(folder) / name, std::ios::binary | std::ios::trunc);
        if (!out) throw EMdbError("cannot write " + (fs::path(folder) / name).string());
        return out;
    };
    {
        auto out = open("TITLE.txt");
        out << catalogue.Title();
    }
    for (int position = 2; position <= TCatalogue::kTableCount; ++position) {
        const TMdb& table = *catalogue.TableInFileOrder(position);
        auto out = open(FileName(table));
        WriteTable(table, out, true, StoredFields(table));
    }
    TMdbMw& mw = catalogue.Mw();
    auto out = open(FileName(mw));
    const auto fields = StoredFields(mw);
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (i ? "\t" : "") << Escape(ColumnName(mw.Field(fields[i])));
    out << '\n';
    const TMdbMessung& series = catalogue.Messung();
    for (int i = 0; i < series.KeyIndexCount(); ++i) {
        if (catalogue.ReadSeriesPoints(series.Key(series.KeyRecord(i)), mw))
            WriteTable(mw, out, false, fields);
    }
    mw.FreeAllRecords();
    mw.RebuildIndex(false);
}

void TCatalogueText::Load(const std::string& folder, TCatalogue& catalogue) {
    namespace fs = std::filesystem;
    {
        std::ifstream in(fs::path(folder) / "TITLE.txt", std::ios::binary);
        std::stringstream title;
        if (in) title << in.rdbuf();
        catalogue.SetTitle(title.str());
    }
    for (int position = 2; position <= TCatalogue::kTableCount; ++position) {
        TMdb& table = *catalogue.TableInFileOrder(position);
        const std::string name = FileName(table);
        std::vector<int> columns;
        table.FreeAllRecords();
        ReadTsv(
            fs::path(folder) / name,
            [&](const std::vector<std::string>& header) {
                columns = MapColumns(table, header, name);
            },
            [&](const std::vector<std::string_view>& cells, std::size_t lineNo) {
                FillRecord(table, table.NewRecord(), columns, cells, name, lineNo);
            });
        table.RebuildIndex(false);
    }

    // Every point is read into one scratch record of the measured-points table, which checks
    // its cells and gives its slot image; a fresh record's image holds the values of the
    // fields the file leaves out.
    TMdbMw& mw = catalogue.Mw();
    const std::string name = FileName(mw);
    mw.FreeAllRecords();
    TMdbRecord* scratch = mw.NewRecord();
    slotCount_ = mw.SlotCount();
    const auto slotCount = static_cast<std::size_t>(slotCount_);
    const std::vector<std::uint32_t> fresh(scratch->Slots(), scratch->Slots() + slotCount);
    std::vector<int> columns;
    std::size_t seriesColumn = 0;
    points_.clear();
    ReadTsv(
        fs::path(folder) / name,
        [&](const std::vector<std::string>& header) {
            columns = MapColumns(mw, header, name);
            seriesColumn = columns.size();
            for (std::size_t c = 0; c < columns.size(); ++c)
                if (columns[c] == TMdbMw::F_MESSNR) seriesColumn = c;
            if (seriesColumn == columns.size()) Fail(name, 1, "missing column MESSNR");
        },
        [&](const std::vector<std::string_view>& cells, std::size_t lineNo) {
            std::copy(fresh.begin(), fresh.end(), scratch->Slots());
            FillRecord(mw, scratch, columns, cells, name, lineNo);
            const std::int32_t series = mw.GetInt(scratch, TMdbMw::F_MESSNR);
            std::vector<std::uint32_t>& image = points_[series];
            image.insert(image.end(), scratch->Slots(), scratch->Slots() + slotCount);
        });
    mw.FreeAllRecords();
    mw.RebuildIndex(false);
    catalogue.SetSeriesPointSource(
        [this](std::int32_t seriesNo, TMdbMw& table) { FillSeries(seriesNo, table); });
}

void TCatalogueText::FillSeries(std::int32_t seriesNo, TMdbMw& table) const {
    table.FreeAllRecords();
    const auto it = points_.find(seriesNo);
    if (it != points_.end()) {
        if (table.SlotCount() != slotCount_) throw EMdbError("Mdb index error");
        const auto slotCount = static_cast<std::size_t>(slotCount_);
        const std::vector<std::uint32_t>& image = it->second;
        // In file order, as the points were read.
        for (std::size_t offset = 0; offset < image.size(); offset += slotCount)
            std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(offset), slotCount,
                        table.NewRecord()->Slots());
    }
    table.RebuildIndex(false);
}

} // namespace corvane
