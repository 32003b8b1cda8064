#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class TCatalogue;
class TMdb;
class TMdbMw;
class TMdbRecord;

// The catalogue as text: one tab-separated file per table, named after the table
// ("LAUFRAD.tsv", ..., "MW.tsv" with the points of every series), and "TITLE.txt".
// The first line names the stored fields (key, or the German caption of a keyless field);
// integers in decimal, floats in the shortest text that reads back to the same 32-bit
// value, dates as yyyy-mm-dd (empty for day 0), texts with \t, \n, \r and \\ escaped.
class TCatalogueText {
public:
    // Writes every table of an opened catalogue into `folder` (created when missing).
    static void Unpack(TCatalogue& catalogue, const std::string& folder);

    // Reads the text files of `folder` into the tables of `catalogue` and keeps the points
    // of every series, which it hands to the catalogue when the data file is written.
    // Raises EMdbError naming the file and line of the first fault. The files are read line
    // by line; the points are kept as record images, so memory grows with the catalogue,
    // not with the number of text cells.
    void Load(const std::string& folder, TCatalogue& catalogue);

    // Fills `table` with the points read for one series.
    void FillSeries(std::int32_t seriesNo, TMdbMw& table) const;

    // Text of one stored field of a record, and the reverse.
    static std::string CellText(const TMdb& table, const TMdbRecord* record, int field);
    static void SetCellText(TMdb& table, TMdbRecord* record, int field, std::string_view text);
    static std::string Escape(const std::string& text);
    static std::string Unescape(std::string_view text);

private:
    // Slot images of the points of each series, one record after the other in file order.
    std::map<std::int32_t, std::vector<std::uint32_t>> points_;
    int slotCount_ = 0;
};

} // namespace corvane
