#pragma once

#include "mdb/TMdbVariant.h"

#include <cstdint>
#include <string>

namespace corvane {

// One value read from a result column.
struct TSqlValue {
    enum class TKind { Null, Integer, Float, Date, Text };
    TKind Kind = TKind::Null;
    std::int64_t Int = 0; // Integer
    double Number = 0;    // Float; Date: day number (day 0 = 30 Dec 1899), time as fraction
    std::string Text;     // Text (UTF-8)
};

// The database query component a table may be bound to: one connection with one statement
// at a time. Statements use named parameters (":NAME"). Every failure raises EMdbError with
// the database's own text, which LastError() keeps. The table engine builds all statement
// texts; the SQL binding library implements this interface.
class TMdbQuery {
public:
    virtual ~TMdbQuery() = default;

    // Sets and prepares a statement; the previous one and its results are dropped.
    virtual void Prepare(const std::string& sql) = 0;
    // The statement prepared last; empty after Close.
    virtual const std::string& Statement() const = 0;
    virtual void SetParam(const std::string& name, const TMdbVariant& value) = 0;
    // Runs the prepared statement and answers the rows it affected.
    virtual int Execute() = 0;
    // Runs the prepared query; its rows are then visited with Next.
    virtual void Open() = 0;
    // Steps to the next row; false after the last one.
    virtual bool Next() = 0;
    virtual int ColumnCount() const = 0;
    virtual std::string ColumnName(int column) const = 0;
    // The value of a column (0-based) of the current row.
    virtual TSqlValue Value(int column) const = 0;
    // Ends the results and forgets the statement.
    virtual void Close() noexcept = 0;

    virtual bool InTransaction() const = 0;
    virtual void BeginTransaction() = 0;
    virtual void Commit() = 0;
    // Never raises: it runs while an error is already on its way.
    virtual void Rollback() noexcept = 0;

    virtual const std::string& LastError() const = 0;
};

} // namespace corvane
