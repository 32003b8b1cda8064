#include "SqlTestDatabase.h"

#include "sql/TDatabaseUrl.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace corvane::test {

namespace {

constexpr const char* kPostgresVariable = "CORVANE_TEST_PG_URL";
std::atomic<int> g_databases{0};

std::string PostgresUrl() {
    const char* url = std::getenv(kPostgresVariable);
    return url == nullptr ? std::string() : std::string(url);
}

} // namespace

const char* BackendName(TSqlTestDatabase::TBackend backend) {
    return backend == TSqlTestDatabase::TBackend::Sqlite ? "SQLite" : "PostgreSQL";
}

std::string TSqlTestDatabase::Unavailable(TBackend backend) {
    if (backend == TBackend::Postgres && PostgresUrl().empty())
        return std::string(kPostgresVariable) +
               " is not set: PostgreSQL cases skipped (scripts/test starts a server for them)";
    return {};
}

TSqlTestDatabase::TSqlTestDatabase(TBackend backend) : backend_(backend) {
    const std::string id = std::to_string(::getpid()) + "_" + std::to_string(++g_databases);
    if (backend_ == TBackend::Sqlite) {
        char pattern[] = "/tmp/corvane-sql-XXXXXX";
        folder_ = ::mkdtemp(pattern);
        url_ = "sqlite:" + folder_ + "/test.db";
        return;
    }
    url_ = PostgresUrl();
    schema_ = "corvane_test_" + id;
    auto query = std::make_unique<TQtSqlQuery>(TDatabaseUrl::Parse(url_));
    query->Run("CREATE SCHEMA " + schema_);
}

TSqlTestDatabase::~TSqlTestDatabase() {
    if (!folder_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    if (!schema_.empty()) {
        try {
            TQtSqlQuery query(TDatabaseUrl::Parse(url_));
            query.Run("DROP SCHEMA " + schema_ + " CASCADE");
        } catch (...) {
            // The server may be gone already; the throwaway cluster is removed with it.
        }
    }
}

std::unique_ptr<TQtSqlQuery> TSqlTestDatabase::Connect() const {
    auto query = std::make_unique<TQtSqlQuery>(TDatabaseUrl::Parse(url_));
    if (!schema_.empty()) query->Run("SET search_path TO " + schema_);
    return query;
}

int TSqlTestDatabase::BackendPid(TQtSqlQuery& query) {
    query.Prepare("SELECT pg_backend_pid()");
    query.Open();
    query.Next();
    const int pid = static_cast<int>(query.Value(0).Int);
    query.Close();
    return pid;
}

} // namespace corvane::test
