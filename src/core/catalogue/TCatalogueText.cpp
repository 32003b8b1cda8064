#include "catalogue/TCatalogueText.h"

#include "catalogue/TCatalogue.h"
#include "mdb/EMdbError.h"
#include "mdb/TMdb.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "util/Dates.h"

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

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(
            line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return cells;
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

struct TsvFile {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

TsvFile ReadTsv(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EMdbError("cannot read " + path.string());
    TsvFile file;
    std::string line;
    std::size_t lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (lineNo == 1) {
            file.header = SplitTabs(line);
            for (auto& name : file.header)
                name = TCatalogueText::Unescape(name);
            continue;
        }
        if (line.empty()) continue;
        auto cells = SplitTabs(line);
        if (cells.size() != file.header.size())
            Fail(path.filename().string(), lineNo,
                 "expected " + std::to_string(file.header.size()) + " columns, found " +
                     std::to_string(cells.size()));
        file.rows.push_back(std::move(cells));
    }
    if (lineNo == 0) Fail(path.filename().string(), 1, "missing header line");
    return file;
}

// Field numbers of the header's columns; every stored field must be named exactly once.
std::vector<int> MapColumns(const TMdb& table, const TsvFile& file, const std::string& name) {
    std::vector<int> columns;
    for (const auto& column : file.header) {
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
                const std::vector<std::string>& cells, const std::string& name,
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

std::string TCatalogueText::Unescape(const std::string& text) {
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
                                 const std::string& text) {
    const TMdbField& f = table.Field(field);
    const char* first = text.data();
    const char* last = text.data() + text.size();
    switch (f.FieldType) {
    case ftFloat:
    case ftFloatTransient: {
        float value = 0;
        const auto result = std::from_chars(first, last, value);
        if (result.ec != std::errc() || result.ptr != last)
            throw EMdbError("bad number \"" + text + "\" in column " + ColumnName(f));
        table.SetFloat(record, field, value);
        return;
    }
    case ftDate: {
        const std::int32_t day = IsoToDate(text);
        if (day == 0 && !text.empty())
            throw EMdbError("bad date \"" + text + "\" in column " + ColumnName(f));
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
            throw EMdbError("bad integer \"" + text + "\" in column " + ColumnName(f));
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
        const TsvFile file = ReadTsv(fs::path(folder) / name);
        const auto columns = MapColumns(table, file, name);
        table.FreeAllRecords();
        for (std::size_t r = 0; r < file.rows.size(); ++r)
            FillRecord(table, table.NewRecord(), columns, file.rows[r], name, r + 2);
        table.RebuildIndex(false);
    }
    TMdbMw& mw = catalogue.Mw();
    const std::string name = FileName(mw);
    TsvFile file = ReadTsv(fs::path(folder) / name);
    const auto columns = MapColumns(mw, file, name);
    mwHeader_ = file.header;
    points_.clear();
    std::size_t seriesColumn = columns.size();
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (columns[c] == TMdbMw::F_MESSNR) seriesColumn = c;
    if (seriesColumn == columns.size()) Fail(name, 1, "missing column MESSNR");
    for (std::size_t r = 0; r < file.rows.size(); ++r) {
        // Check every cell now, so that a fault is reported with its line.
        mw.FreeAllRecords();
        FillRecord(mw, mw.NewRecord(), columns, file.rows[r], name, r + 2);
        const std::int32_t series = mw.GetInt(mw.FirstRecord(), TMdbMw::F_MESSNR);
        points_[series].push_back(std::move(file.rows[r]));
    }
    mw.FreeAllRecords();
    mw.RebuildIndex(false);
    catalogue.SetSeriesPointSource(
        [this](std::int32_t seriesNo, TMdbMw& table) { FillSeries(seriesNo, table); });
}

void TCatalogueText::FillSeries(std::int32_t seriesNo, TMdbMw& table) const {
    table.FreeAllRecords();
    const auto it = points_.find(seriesNo);
    if (it != points_.end()) {
        TsvFile header;
        header.header = mwHeader_;
        const auto columns = MapColumns(table, header, "MW.tsv");
        for (const auto& row : it->second)
            FillRecord(table, table.NewRecord(), columns, row, "MW.tsv", 0);
    }
    table.RebuildIndex(false);
}

} // namespace corvane
