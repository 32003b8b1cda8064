#include "catalogue/TCatalogueText.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TTsvFile.h"
#include "mdb/EMdbError.h"
#include "mdb/TMdb.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "util/Codepage.h"
#include "util/Dates.h"
#include "util/RegularFile.h"
#include "util/TAtomicFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <unordered_map>

namespace corvane {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxTitleChars = 999;
constexpr std::size_t kMaxTitleFileBytes = 1u << 20;

std::vector<int> StoredFields(const TMdb& table) {
    std::vector<int> fields;
    for (int f = 1; f <= table.FieldCount(); ++f)
        if (table.Field(f).IsStored()) fields.push_back(f);
    return fields;
}

void WriteHeader(const TMdb& table, std::ostream& out, const std::vector<int>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (i ? "\t" : "") << TCatalogueText::Escape(TTsvFile::ColumnName(table, fields[i]));
    out << '\n';
}

void WriteRows(const TMdb& table, std::ostream& out, const std::vector<int>& fields) {
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

// A new file in the output folder, replaced as a whole; a symbolic link in its place is
// refused (it could point anywhere outside the folder).
void WriteTextFile(const std::string& folder, const std::string& name, const std::string& text) {
    const std::string path = (fs::path(folder) / name).string();
    if (TOutcome written = WriteFileAtomically(path, text, false, TAtomicFile::TLinks::Refuse);
        !written)
        throw EMdbError(written.Message());
}

// "character N: U+XXXX cannot be stored ...", or empty when the data file can store the text.
std::string UnstorableText(std::string_view utf8) {
    const TUnstorableChar bad = FindUnstorableCp1252(utf8);
    if (bad.Position == 0) return {};
    std::string what = "character " + std::to_string(bad.Position) + ": ";
    if (bad.BrokenUtf8) return what + "not valid UTF-8";
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(bad.CodePoint));
    return what + code + " cannot be stored in the data file (Windows-1252)";
}

// Sets every cell of a row, then checks that the record fits a stream.
void FillRecord(TMdb& table, TMdbRecord* record, const std::vector<int>& columns,
                const TTsvFile::TRow& row, const TTsvFile& file) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
        try {
            TCatalogueText::SetCellText(table, record, columns[c], row.Cells[c]);
        } catch (const EMdbError& e) {
            file.Fail(row.Line, e.what());
        }
    }
    const std::int64_t words = table.PayloadWords(record);
    if (words > TMdb::kMaxPayloadWords)
        file.Fail(row.Line, "the record is too large for the stream (" + std::to_string(words) +
                                " words, at most " + std::to_string(TMdb::kMaxPayloadWords) + ")");
}

// The title as the data file can hold it: no NUL byte, Windows-1252 characters only, at most
// 999 of them. Faults name the line of TITLE.txt.
std::string ReadTitle(const std::string& folder) {
    const std::string name = "TITLE.txt";
    std::string title;
    if (TOutcome read =
            ReadRegularFile((fs::path(folder) / name).string(), kMaxTitleFileBytes, title);
        !read)
        throw EMdbError(read.Message());
    const auto lineAt = [&title](std::size_t byte) {
        return static_cast<std::size_t>(std::count(title.begin(), title.begin() + byte, '\n')) + 1;
    };
    if (const std::size_t nul = title.find('\0'); nul != std::string::npos)
        TTsvFile::Fail(name, lineAt(nul), "NUL byte");
    if (const TUnstorableChar bad = FindUnstorableCp1252(title); bad.Position != 0) {
        // Counted again within its line, so that the character number is the column.
        std::size_t lineStart = 0;
        if (const std::size_t eol = title.rfind('\n', bad.Byte);
            eol != std::string::npos && eol < bad.Byte)
            lineStart = eol + 1;
        TTsvFile::Fail(name, lineAt(bad.Byte),
                       UnstorableText(std::string_view(title).substr(lineStart)));
    }
    // Every character is one byte in the data file; the line of the first one too many.
    std::size_t chars = 0;
    for (std::size_t i = 0; i < title.size(); ++i) {
        if ((static_cast<unsigned char>(title[i]) & 0xC0) == 0x80) continue;
        if (++chars > kMaxTitleChars)
            TTsvFile::Fail(name, lineAt(i), "the catalogue title is longer than 999 characters");
    }
    return title;
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
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (i + 1 == text.size()) throw EMdbError("a lone backslash at the end");
        const char n = text[++i];
        switch (n) {
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            throw EMdbError("unknown escape sequence \"\\" + std::string(1, n) + "\"");
        }
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
    const std::string column = TTsvFile::ColumnName(table, field);
    const char* first = text.data();
    const char* last = text.data() + text.size();
    switch (f.FieldType) {
    case ftFloat:
    case ftFloatTransient: {
        float value = 0;
        const auto result = std::from_chars(first, last, value);
        if (result.ec != std::errc() || result.ptr != last)
            throw EMdbError("bad number \"" + text + "\" in column " + column);
        table.SetFloat(record, field, value);
        return;
    }
    case ftDate: {
        const std::int32_t day = IsoToDate(text);
        if (day == 0 && !text.empty())
            throw EMdbError("bad date \"" + text + "\" in column " + column);
        table.SetInt(record, field, day);
        return;
    }
    case ftString: {
        std::string value;
        try {
            value = Unescape(text);
        } catch (const EMdbError& e) {
            throw EMdbError("column " + column + ", " + e.what());
        }
        if (const std::string bad = UnstorableText(value); !bad.empty())
            throw EMdbError("column " + column + ", " + bad);
        table.SetText(record, field, value);
        return;
    }
    default: {
        std::int32_t value = 0;
        const auto result = std::from_chars(first, last, value);
        if (result.ec != std::errc() || result.ptr != last)
            throw EMdbError("bad integer \"" + text + "\" in column " + column);
        table.SetInt(record, field, value);
    }
    }
}

void TCatalogueText::Unpack(TCatalogue& catalogue, const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) throw EMdbError("cannot create " + folder + ": " + ec.message());
    WriteTextFile(folder, "TITLE.txt", catalogue.Title());
    for (int position = 2; position <= TCatalogue::kTableCount; ++position) {
        const TMdb& table = *catalogue.TableInFileOrder(position);
        const std::vector<int> fields = StoredFields(table);
        std::ostringstream out;
        WriteHeader(table, out, fields);
        WriteRows(table, out, fields);
        WriteTextFile(folder, FileName(table), out.str());
    }
    TMdbMw& mw = catalogue.Mw();
    const std::vector<int> fields = StoredFields(mw);
    std::ostringstream out;
    WriteHeader(mw, out, fields);
    const TMdbMessung& series = catalogue.Messung();
    for (int i = 0; i < series.KeyIndexCount(); ++i) {
        if (catalogue.ReadSeriesPoints(series.Key(series.KeyRecord(i)), mw))
            WriteRows(mw, out, fields);
    }
    mw.FreeAllRecords();
    mw.RebuildIndex(false);
    WriteTextFile(folder, FileName(mw), out.str());
}

void TCatalogueText::Load(const std::string& folder, TCatalogue& catalogue) {
    catalogue.SetTitle(ReadTitle(folder));
    for (int position = 2; position <= TCatalogue::kTableCount; ++position) {
        TMdb& table = *catalogue.TableInFileOrder(position);
        const TTsvFile file = TTsvFile::Read((fs::path(folder) / FileName(table)).string());
        const std::vector<int> columns = file.MapColumns(table);
        table.FreeAllRecords();
        std::unordered_map<std::int32_t, std::size_t> lineOfKey;
        for (const TTsvFile::TRow& row : file.Rows()) {
            TMdbRecord* record = table.NewRecord();
            FillRecord(table, record, columns, row, file);
            const std::int32_t key = table.Key(record);
            if (const auto [it, added] = lineOfKey.emplace(key, row.Line); !added)
                file.Fail(row.Line, "key " + std::to_string(key) + " given twice (first on line " +
                                        std::to_string(it->second) + ")");
        }
        table.RebuildIndex(false);
    }

    TMdbMw& mw = catalogue.Mw();
    TTsvFile file = TTsvFile::Read((fs::path(folder) / FileName(mw)).string());
    mwColumns_ = file.MapColumns(mw);
    points_.clear();
    // A point is known by its series and its number within the series.
    std::map<std::pair<std::int32_t, std::int32_t>, std::size_t> lineOfPoint;
    for (TTsvFile::TRow& row : file.Rows()) {
        // Every cell is checked now, so that a fault is reported with its line.
        mw.FreeAllRecords();
        TMdbRecord* point = mw.NewRecord();
        FillRecord(mw, point, mwColumns_, row, file);
        const std::int32_t series = mw.GetInt(point, TMdbMw::F_MESSNR);
        const std::int32_t number = mw.GetInt(point, TMdbMw::F_MWNR);
        if (catalogue.Messung().FindByKey(series) == nullptr)
            file.Fail(row.Line, "series " + std::to_string(series) + " is not in " +
                                    FileName(catalogue.Messung()));
        if (const auto [it, added] = lineOfPoint.emplace(std::pair(series, number), row.Line);
            !added)
            file.Fail(row.Line, "point " + std::to_string(number) + " of series " +
                                    std::to_string(series) + " given twice (first on line " +
                                    std::to_string(it->second) + ")");
        points_[series].push_back(std::move(row.Cells));
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
        // Checked by Load already.
        for (const std::vector<std::string>& cells : it->second) {
            TMdbRecord* point = table.NewRecord();
            for (std::size_t c = 0; c < mwColumns_.size(); ++c)
                SetCellText(table, point, mwColumns_[c], cells[c]);
        }
    }
    table.RebuildIndex(false);
}

} // namespace corvane
