#include "mdb/MdbSqlText.h"

#include "mdb/TMdb.h"

namespace corvane::mdb_sql {

namespace {

// "K1<sep>K2..." with each key written through `item`.
template <class Item>
std::string Join(const TMdb& table, const std::vector<int>& fields, std::string_view separator,
                 Item item) {
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) text += separator;
        item(text, table.Field(fields[i]));
    }
    return text;
}

const char* ColumnType(TFieldType type) {
    switch (type) {
    case ftFloat:
        return "REAL";
    case ftString:
        return "TEXT";
    default:
        return "INTEGER";
    }
}

} // namespace

std::vector<int> Fields(const TMdb& table) {
    std::vector<int> fields;
    for (int f = 1; f <= table.FieldCount(); ++f) {
        const TMdbField& field = table.Field(f);
        if (field.IsStored() && !field.Key.empty()) fields.push_back(f);
    }
    return fields;
}

std::vector<int> KeyFields(const TMdb& table) {
    std::vector<int> keys;
    for (int f : Fields(table))
        if (f <= table.KeyField()) keys.push_back(f);
    return keys;
}

std::string Select(const TMdb& table, std::string_view whereClause) {
    return "SELECT * FROM " + table.TableName() + std::string(whereClause);
}

std::string Drop(const TMdb& table) {
    return "DROP TABLE " + table.TableName();
}

std::string MaxKey(const TMdb& table) {
    return "SELECT MAX(" + table.Field(1).Key + ") FROM " + table.TableName();
}

std::string DeleteAll(const TMdb& table) {
    return "DELETE FROM " + table.TableName();
}

std::string Update(const TMdb& table) {
    const auto set = Join(table, Fields(table), ",",
                          [](std::string& s, const TMdbField& f) { s += f.Key + "=:" + f.Key; });
    const auto where =
        Join(table, KeyFields(table), " AND ", [](std::string& s, const TMdbField& f) {
            s += f.Key + "=:" + f.Key + std::string(kKeySuffix);
        });
    return "UPDATE " + table.TableName() + " SET " + set + " WHERE " + where;
}

std::string Insert(const TMdb& table) {
    const auto fields = Fields(table);
    const auto columns =
        Join(table, fields, ",", [](std::string& s, const TMdbField& f) { s += f.Key; });
    const auto values =
        Join(table, fields, ",", [](std::string& s, const TMdbField& f) { s += ":" + f.Key; });
    return "INSERT INTO " + table.TableName() + " (" + columns + ") VALUES (" + values + " )";
}

std::string Delete(const TMdb& table) {
    const auto where = Join(table, KeyFields(table), " AND ",
                            [](std::string& s, const TMdbField& f) { s += f.Key + "=:" + f.Key; });
    return "DELETE FROM " + table.TableName() + " WHERE " + where;
}

std::string Create(const TMdb& table) {
    const auto columns = Join(table, Fields(table), ",", [](std::string& s, const TMdbField& f) {
        s += f.Key + " " + ColumnType(f.FieldType);
    });
    const auto keys =
        Join(table, KeyFields(table), ",", [](std::string& s, const TMdbField& f) { s += f.Key; });
    std::string text = "CREATE TABLE IF NOT EXISTS " + table.TableName() + " (" + columns;
    if (!keys.empty()) text += ",PRIMARY KEY (" + keys + ")";
    return text + ")";
}

} // namespace corvane::mdb_sql
