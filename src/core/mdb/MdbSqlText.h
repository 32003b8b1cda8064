#pragma once

// The statement texts of the SQL binding, built from a table's field declarations. A field
// takes part in SQL when it is stored (types 0 to 4) and has a key; its key is the column
// and the parameter name. The key columns are those among fields 1..KeyField.

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class TMdb;

namespace mdb_sql {

std::vector<int> Fields(const TMdb& table);
std::vector<int> KeyFields(const TMdb& table);

// "SELECT * FROM " T W
std::string Select(const TMdb& table, std::string_view whereClause);
// "DROP TABLE " T
std::string Drop(const TMdb& table);
// "SELECT MAX(" key of field 1 ") FROM " T
std::string MaxKey(const TMdb& table);
// "DELETE FROM " T
std::string DeleteAll(const TMdb& table);
// "UPDATE T SET K1=:K1,K2=:K2 WHERE Kk=:Kk_KEY AND ..."
std::string Update(const TMdb& table);
// "INSERT INTO T (K1,K2) VALUES (:K1,:K2 )"
std::string Insert(const TMdb& table);
// "DELETE FROM T WHERE Kk=:Kk AND ..."
std::string Delete(const TMdb& table);
// "CREATE TABLE IF NOT EXISTS T (K1 INTEGER,K2 REAL,...,PRIMARY KEY (Kk,...))": integer,
// date and code fields as INTEGER (dates as their day number), floats as REAL, texts as TEXT.
std::string Create(const TMdb& table);

// Suffix of the parameters that carry a record's old key in the update statement.
inline constexpr std::string_view kKeySuffix = "_KEY";

} // namespace mdb_sql
} // namespace corvane
