#pragma once

#include <string>

namespace corvane {

class TCatalogue;
class TMdbQuery;

// The catalogue in a relational database through the SQL binding: one relational table per
// table, named after it, "MW" holding the points of every series, and "MWTITEL" with the
// title of the measured points. While this object lives every table of the catalogue is
// bound to the query.
//
// What is not part of the SQL binding is derived when a data file is written from the
// database: the series offsets and the calibration fields, as for any data file, and
// "in Katalog" of impellers and housings, which every record read from the database gets
// (a record of the database is part of the catalogue).
class TCatalogueDatabase {
public:
    static constexpr const char* kTitleTable = "MWTITEL";

    TCatalogueDatabase(TCatalogue& catalogue, TMdbQuery& query);
    ~TCatalogueDatabase();
    TCatalogueDatabase(const TCatalogueDatabase&) = delete;
    TCatalogueDatabase& operator=(const TCatalogueDatabase&) = delete;

    // Replaces the database's rows by every table of the catalogue, the points of every
    // series included, in one transaction: all or nothing. Raises EMdbError.
    void Export();
    // Reads every table and the title; the points of a series are read when the catalogue
    // asks for them (while this object lives). Raises EMdbError naming the table.
    void Import();

private:
    void ExportTitle();
    std::string ImportTitle();
    void ExportPoints();

    TCatalogue& catalogue_;
    TMdbQuery& query_;
};

} // namespace corvane
