// check, tables, dump, pack and unpack: the data file and the catalogue as text.
#include "CliArgs.h"
#include "Commands.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TCatalogueText.h"
#include "mdb/EMdbError.h"
#include "mdb/TMdb.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "model/DataFileSave.h"
#include "util/GreekText.h"
#include "util/Text.h"

#include <iostream>
#include <stdexcept>

namespace corvane::cli {

namespace {

// Points of every series, read one series at a time as the program would.
long CountAllPoints(TCatalogue& catalogue) {
    long points = 0;
    const TMdbMessung& series = catalogue.Messung();
    TMdbMw& mw = catalogue.Mw();
    for (int i = 0; i < series.KeyIndexCount(); ++i) {
        if (catalogue.ReadSeriesPoints(series.Key(series.KeyRecord(i)), mw))
            points += mw.KeyIndexCount();
    }
    mw.FreeAllRecords();
    mw.RebuildIndex(false);
    return points;
}

void PrintCounts(TCatalogue& catalogue, bool withNumbers) {
    const long points = CountAllPoints(catalogue);
    for (int position = 1; position <= TCatalogue::kTableCount; ++position) {
        const TMdb& table = *catalogue.TableInFileOrder(position);
        if (withNumbers) std::cout << position << '\t' << table.MdbNo() << '\t';
        std::cout << table.TableName() << '\t' << (position == 1 ? points : table.KeyIndexCount())
                  << '\n';
    }
}

TMdb* TableByName(TCatalogue& catalogue, const std::string& name) {
    const std::string wanted = UpperText(name);
    for (int position = 1; position <= TCatalogue::kTableCount; ++position) {
        TMdb* table = catalogue.TableInFileOrder(position);
        if (table->TableName() == wanted || std::to_string(table->MdbNo()) == wanted) return table;
    }
    return nullptr;
}

} // namespace

int RunCheck(const CliArgs& args) {
    const auto& words = args.Positional();
    const std::string path = words.size() > 1 ? words[1] : DataFile(args);
    TCatalogue catalogue;
    try {
        OpenCatalogue(catalogue, path);
        PrintCounts(catalogue, false);
    } catch (const EMdbError& e) {
        std::cerr << "Daten-Fehler:\n" << e.what() << '\n';
        return 1;
    }
    return 0;
}

int RunTables(const CliArgs& args) {
    TCatalogue catalogue;
    OpenCatalogue(catalogue, DataFile(args));
    PrintCounts(catalogue, true);
    return 0;
}

int RunDump(const CliArgs& args) {
    const auto& words = args.Positional();
    if (words.size() < 2) throw std::invalid_argument("dump: which table?");
    TCatalogue catalogue;
    OpenCatalogue(catalogue, DataFile(args));
    TMdb* table = TableByName(catalogue, words[1]);
    if (table == nullptr) throw std::invalid_argument("dump: no table \"" + words[1] + "\"");
    if (table == &catalogue.Mw()) {
        const int series = args.Integer("series", 0, 1, 2147483647);
        if (!catalogue.Mw().LoadSeries(series, -1, -1, -1))
            throw std::invalid_argument("dump: no series " + std::to_string(series));
    }
    table->RebuildIndex(false);
    table->Sort(table->KeyField(), false);
    // The browser's clipboard text: caption, then every grid row with every column; the
    // Greek-letter markers of the captions as the letters.
    std::string text = table->BrowserCaption() + "\r\n";
    const int rows = TMdb::kHeaderRows + table->ViewCount();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < table->ColumnCount(); ++column) {
            text += table->CellText(column, row).Text;
            text += column + 1 < table->ColumnCount() ? "\t" : "\r\n";
        }
    }
    std::cout << GreekText(text);
    return 0;
}

int RunUnpack(const CliArgs& args) {
    const auto& words = args.Positional();
    if (words.size() < 2) throw std::invalid_argument("unpack: [FILE] OUT_DIR");
    const std::string path = words.size() > 2 ? words[1] : DataFile(args);
    TCatalogue catalogue;
    OpenCatalogue(catalogue, path);
    TCatalogueText::Unpack(catalogue, words.back());
    return 0;
}

int RunPack(const CliArgs& args) {
    const auto& words = args.Positional();
    if (words.size() != 3) throw std::invalid_argument("pack: SRC_DIR OUT_FILE");
    TCatalogue catalogue;
    TCatalogueText text;
    text.Load(words[1], catalogue);
    SaveDataFile(catalogue, words[2]);
    return 0;
}

} // namespace corvane::cli
