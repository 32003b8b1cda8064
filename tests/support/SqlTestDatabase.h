#pragma once

#include "sql/TQtSqlQuery.h"

#include <memory>
#include <string>

namespace corvane::test {

// A database of its own for one test: a temporary SQLite file, or a schema of its own in
// the PostgreSQL database named by CORVANE_TEST_PG_URL (the test script starts a throwaway
// server and sets it). Removed again when the object goes.
class TSqlTestDatabase {
public:
    enum class TBackend { Sqlite, Postgres };

    // Why the backend cannot be used here (empty when it can).
    static std::string Unavailable(TBackend backend);

    explicit TSqlTestDatabase(TBackend backend);
    ~TSqlTestDatabase();
    TSqlTestDatabase(const TSqlTestDatabase&) = delete;
    TSqlTestDatabase& operator=(const TSqlTestDatabase&) = delete;

    // A new connection to this database (its schema chosen).
    std::unique_ptr<TQtSqlQuery> Connect() const;
    // The URL a separate process would use (PostgreSQL: the schema is not part of it).
    const std::string& Url() const { return url_; }
    TBackend Backend() const { return backend_; }
    // The PostgreSQL server process of a connection (to cut it off in tests).
    static int BackendPid(TQtSqlQuery& query);

private:
    TBackend backend_;
    std::string url_;
    std::string schema_;
    std::string folder_;
};

const char* BackendName(TSqlTestDatabase::TBackend backend);

} // namespace corvane::test
