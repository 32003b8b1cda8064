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
#include <system_error>
#include <unordered_map>

namespace corvane {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxTitleChars = 999;
constexpr std::size_t kMaxTitleFileBytes = 1u << 20;
// Unpack passes the points on to their file in pieces of about this size.
constexpr std::size_t kFlushBytes = std::size_t{1} << 20;

// The point numbers of one series, sorted, each with the line it was read from: a number
// given twice is found by its series alone. Unpack writes the points in rising order, so a
// number above the last one is added without a search.
struct TPointNumbers {
    std::vector<std::pair<std::int32_t, std::uint32_t>> Seen;

    // Adds a number; the line of the same number read before, or 0.
    std::size_t Add(std::int32_t number, std::size_t line) {
        const std::pair<std::int32_t, std::uint32_t> entry(number,
                                                           static_cast<std::uint32_t>(line));
        if (Seen.empty() || number > Seen.back().first) {
            Seen.push_back(entry);
            return 0;
        }
        const auto at = std::lower_bound(
            Seen.begin(), Seen.end(), number,
            [](const auto& seen, std::int32_t value) { return seen.first < value; });
        if (at->first == number) return at->second;
        Seen.insert(at, entry);
        return 0;
    }
};

std::vector<int> StoredFields(const TMdb& table) {
    std::vector<int> fields;
    for (int f = 1; f <= table.FieldCount(); ++f)
        if (table.Field(f).IsStored()) fields.push_back(f);
    return fields;
}

void WriteHeader(const TMdb& table, std::string& out, const std::vector<int>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        out.append(i ? "\t" : "")
            .append(TCatalogueText::Escape(TTsvFile::ColumnName(table, fields[i])));
    out += '\n';
}

void WriteRows(const TMdb& table, std::string& out, const std::vector<int>& fields) {
    for (int i = 0; i < table.KeyIndexCount(); ++i) {
        const TMdbRecord* record = table.KeyRecord(i);
        for (std::size_t c = 0; c < fields.size(); ++c)
            out.append(c ? "\t" : "").append(TCatalogueText::CellText(table, record, fields[c]));
        out += '\n';
    }
}

std::string FileName(const TMdb& table) {
    return table.TableName() + ".tsv";
}

// A new file in the output folder, replaced as a whole; a symbolic link in its place is
// refused (it could point anywhere outside the folder). `write(text, flush)` appends the
// content to `text` and may call `flush()` now and then to pass what it holds on to the file,
// so that a large table is never held as one text.
template <class Write>
void WriteTextFile(const std::string& folder, const std::string& name, Write write) {
    TAtomicFile file((fs::path(folder) / name).string(), false, TAtomicFile::TLinks::Refuse);
    if (!file.Ready()) throw EMdbError(file.Error());
    std::string text;
    const auto flush = [&file, &text] {
        if (TOutcome written = file.Write(text); !written) throw EMdbError(written.Message());
        text.clear();
    };
    write(text, flush);
    flush();
    if (TOutcome committed = file.Commit(); !committed) throw EMdbError(committed.Message());
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

// Sets every cell of the row just read, then checks that the record fits a stream.
void FillRecord(TMdb& table, TMdbRecord* record, const std::vector<int>& columns,
                const TTsvFile& file) {
    const std::vector<std::string_view>& cells = file.Cells();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        try {
            TCatalogueText::SetCellText(table, record, columns[c], cells[c]);
        } catch (const EMdbError& e) {
            file.Fail(file.Line(), e.what());
        }
    }
    const std::int64_t words = table.PayloadWords(record);
    if (words > TMdb::kMaxPayloadWords)
        file.Fail(file.Line(), "the record is too large for the stream (" + std::to_string(words) +
                                   " words, at most " + std::to_string(TMdb::kMaxPayloadWords) +
                                   ")");
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

std::string TCatalogueText::Unescape(std::string_view text) {
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
                                 std::string_view text) {
    const TMdbField& f = table.Field(field);
    // Named only for a fault: most cells are numbers read by the million.
    const auto column = [&table, field] { return TTsvFile::ColumnName(table, field); };
    const char* first = text.data();
    const char* last = text.data() + text.size();
    switch (f.FieldType) {
    case ftFloat:
    case ftFloatTransient: {
        // Most cells of the measured points are missing values: "-1" needs no parser.
        if (text == "-1") {
            table.SetFloat(record, field, -1.0f);
            return;
        }
        float value = 0;
        const auto result = std::from_chars(first, last, value);
        if (result.ec != std::errc() || result.ptr != last)
            throw EMdbError("bad number \"" + std::string(text) + "\" in column " + column());
        table.SetFloat(record, field, value);
        return;
    }
    case ftDate: {
        const std::int32_t day = IsoToDate(text);
        if (day == 0 && !text.empty())
            throw EMdbError("bad date \"" + std::string(text) + "\" in column " + column());
        table.SetInt(record, field, day);
        return;
    }
    case ftString: {
        std::string value;
        try {
            value = Unescape(text);
        } catch (const EMdbError& e) {
            throw EMdbError("column " + column() + ", " + e.what());
        }
        if (const std::string bad = UnstorableText(value); !bad.empty())
            throw EMdbError("column " + column() + ", " + bad);
        table.SetText(record, field, value);
        return;
    }
    default: {
        std::int32_t value = 0;
        const auto result = std::from_chars(first, last, value);
        if (result.ec != std::errc() || result.ptr != last)
            throw EMdbError("bad integer \"" + std::string(text) + "\" in column " + column());
        table.SetInt(record, field, value);
    }
    }
}

void TCatalogueText::Unpack(TCatalogue& catalogue, const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) throw EMdbError("cannot create " + folder + ": " + ec.message());
    WriteTextFile(folder, "TITLE.txt",
                  [&catalogue](std::string& text, const auto&) { text = catalogue.Title(); });
    for (int position = 2; position <= TCatalogue::kTableCount; ++position) {
        const TMdb& table = *catalogue.TableInFileOrder(position);
        const std::vector<int> fields = StoredFields(table);
        WriteTextFile(folder, FileName(table), [&](std::string& text, const auto&) {
            WriteHeader(table, text, fields);
            WriteRows(table, text, fields);
        });
    }
    TMdbMw& mw = catalogue.Mw();
    const std::vector<int> fields = StoredFields(mw);
    WriteTextFile(folder, FileName(mw), [&](std::string& text, const auto& flush) {
        WriteHeader(mw, text, fields);
        const TMdbMessung& series = catalogue.Messung();
        for (int i = 0; i < series.KeyIndexCount(); ++i) {
            if (catalogue.ReadSeriesPoints(series.Key(series.KeyRecord(i)), mw))
                WriteRows(mw, text, fields);
            if (text.size() >= kFlushBytes) flush();
        }
    });
    mw.FreeAllRecords();
    mw.RebuildIndex(false);
}

void TCatalogueText::Load(const std::string& folder, TCatalogue& catalogue) {
    catalogue.SetTitle(ReadTitle(folder));
    for (int position = 2; position <= TCatalogue::kTableCount; ++position) {
        TMdb& table = *catalogue.TableInFileOrder(position);
        TTsvFile file((fs::path(folder) / FileName(table)).string());
        const std::vector<int> columns = file.MapColumns(table);
        table.FreeAllRecords();
        std::unordered_map<std::int32_t, std::size_t> lineOfKey;
        while (file.Next()) {
            TMdbRecord* record = table.NewRecord();
            FillRecord(table, record, columns, file);
            const std::int32_t key = table.Key(record);
            if (const auto [it, added] = lineOfKey.emplace(key, file.Line()); !added)
                file.Fail(file.Line(), "key " + std::to_string(key) +
                                           " given twice (first on line " +
                                           std::to_string(it->second) + ")");
        }
        table.RebuildIndex(false);
    }

    // Every point is read into one scratch record of the measured-points table, which checks
    // its cells and gives its slot image; a fresh record's image is the start of each point.
    TMdbMw& mw = catalogue.Mw();
    TTsvFile file((fs::path(folder) / FileName(mw)).string());
    const std::vector<int> columns = file.MapColumns(mw);
    mw.FreeAllRecords();
    TMdbRecord* scratch = mw.NewRecord();
    slotCount_ = mw.SlotCount();
    const auto slotCount = static_cast<std::size_t>(slotCount_);
    const std::vector<std::uint32_t> fresh(scratch->Slots(), scratch->Slots() + slotCount);
    points_.clear();
    // A point is known by its series and its number within the series; the numbers of each
    // series are kept with their lines while the file is read.
    std::map<std::int32_t, TPointNumbers> numbers;
    while (file.Next()) {
        std::copy(fresh.begin(), fresh.end(), scratch->Slots());
        FillRecord(mw, scratch, columns, file);
        const std::int32_t series = mw.GetInt(scratch, TMdbMw::F_MESSNR);
        const std::int32_t number = mw.GetInt(scratch, TMdbMw::F_MWNR);
        if (catalogue.Messung().FindByKey(series) == nullptr)
            file.Fail(file.Line(), "series " + std::to_string(series) + " is not in " +
                                       FileName(catalogue.Messung()));
        if (const std::size_t first = numbers[series].Add(number, file.Line()); first != 0)
            file.Fail(file.Line(), "point " + std::to_string(number) + " of series " +
                                       std::to_string(series) + " given twice (first on line " +
                                       std::to_string(first) + ")");
        std::vector<std::uint32_t>& image = points_[series];
        image.insert(image.end(), scratch->Slots(), scratch->Slots() + slotCount);
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
        if (table.SlotCount() != slotCount_) throw EMdbError("Mdb index error");
        const auto slotCount = static_cast<std::size_t>(slotCount_);
        const std::vector<std::uint32_t>& image = it->second;
        // In file order, as the points were read (and checked by Load).
        for (std::size_t offset = 0; offset < image.size(); offset += slotCount)
            std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(offset), slotCount,
                        table.NewRecord()->Slots());
    }
    table.RebuildIndex(false);
}

} // namespace corvane
