#pragma once

// A small catalogue built in memory: a few records in every table and two series with points,
// written as a data file image.

#include "catalogue/TCatalogue.h"
#include "mdb/TMdb.h"
#include "mdb/TMemoryStream.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace corvane::test {

using Bytes = std::vector<std::uint8_t>;

// Little-endian words of a data file image.
inline std::uint32_t Word(const Bytes& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

inline void PutWord(Bytes& b, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Fills every stored field of a record with a value derived from `seed`; the key field gets
// `key`. Texts carry a Windows-1252 character so that the code page conversion is exercised.
inline void FillRecord(TMdb& table, TMdbRecord* record, std::int32_t key, int seed) {
    for (int f = 1; f <= table.FieldCount(); ++f) {
        if (f == table.KeyField()) {
            table.SetInt(record, f, key);
            continue;
        }
        switch (table.Field(f).FieldType) {
        case ftInteger:
        case ftDate:
        case ftCode:
            table.SetInt(record, f, (seed * 31 + f) % 1000);
            break;
        case ftFloat:
            table.SetFloat(record, f, seed * 1.25 + f * 0.5);
            break;
        case ftString:
            table.SetText(record, f, "T" + std::to_string(seed) + "\xC3\xA4" + std::to_string(f));
            break;
        default:
            break;
        }
    }
}

// Points of series 1 (3 points) and 2 (2 points), as a writer holding them in memory has them.
inline void FillPoints(std::int32_t seriesNo, TMdbMw& table) {
    const int count = seriesNo == 1 ? 3 : seriesNo == 2 ? 2 : 0;
    for (int p = 1; p <= count; ++p) {
        TMdbRecord* r = table.NewRecord();
        FillRecord(table, r, p, seriesNo * 100 + p);
        table.SetInt(r, TMdbMw::F_MESSNR, seriesNo);
    }
}

// Builds the catalogue: `perTable` records in every table (series 1..perTable).
inline void BuildCatalogue(TCatalogue& catalogue, int perTable = 3) {
    for (int position = 2; position <= TCatalogue::kTableCount; ++position) {
        TMdb& table = *catalogue.TableInFileOrder(position);
        for (int k = 1; k <= perTable; ++k)
            FillRecord(table, table.NewRecord(), k, position * 10 + k);
        table.RebuildIndex(false);
    }
    TMdbMessung& series = catalogue.Messung();
    for (int k = 1; k <= perTable; ++k)
        series.SetInt(series.FindByKey(k), TMdbMessung::F_MESSRECORD, 0);
    catalogue.SetTitle("Katalog Süd");
    catalogue.SetSeriesPointSource(FillPoints);
}

inline std::vector<std::uint8_t> DataFileImage(TCatalogue& catalogue) {
    TMemoryStream stream;
    catalogue.Save(stream);
    return stream.Bytes();
}

// Every stored value of a table by key, for comparisons; `skipField` is left out.
inline std::map<std::int32_t, std::vector<std::string>> TableContents(const TMdb& table,
                                                                      int skipField = 0) {
    std::map<std::int32_t, std::vector<std::string>> contents;
    for (int i = 0; i < table.KeyIndexCount(); ++i) {
        const TMdbRecord* r = table.KeyRecord(i);
        std::vector<std::string>& values = contents[table.Key(r)];
        for (int f = 1; f <= table.FieldCount(); ++f) {
            if (f == skipField || !table.Field(f).IsStored()) continue;
            const TMdbField& field = table.Field(f);
            if (field.FieldType == ftString)
                values.push_back(table.GetText(r, f));
            else if (field.IsFloat())
                values.push_back(
                    std::to_string(std::bit_cast<std::uint32_t>(table.GetFloat(r, f))));
            else
                values.push_back(std::to_string(table.GetInt(r, f)));
        }
    }
    return contents;
}

} // namespace corvane::test
