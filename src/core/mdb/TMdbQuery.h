#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// The database query component a table may be bound to. The SQL binding implements it
// outside the core; no table of the desktop program is given one.
class TMdbQuery {
public:
    virtual ~TMdbQuery() = default;
    // Runs "select max(KEY) from TABLE" and answers the value, or 0 for an empty table.
    virtual std::int32_t MaxKey(const std::string& tableName, const std::string& keyColumn) = 0;
};

} // namespace corvane
