#pragma once

#include "mdb/TMdbQuery.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <memory>
#include <string>
#include <vector>

class QSqlError;

namespace corvane {

struct TDatabaseUrl;

// The table engine's query component on Qt SQL: one database connection of its own, one
// statement at a time, named parameters. Drivers are plugins, so a QCoreApplication must
// exist.
class TQtSqlQuery : public TMdbQuery {
public:
    enum class TOpen { CreateWhenMissing, MustExist };

    // Opens the connection; raises EMdbError when it cannot (an SQLite file that does not
    // exist counts as such with MustExist).
    explicit TQtSqlQuery(const TDatabaseUrl& url, TOpen mode = TOpen::CreateWhenMissing);
    ~TQtSqlQuery() override;
    TQtSqlQuery(const TQtSqlQuery&) = delete;
    TQtSqlQuery& operator=(const TQtSqlQuery&) = delete;

    void Prepare(const std::string& sql) override;
    const std::string& Statement() const override { return statement_; }
    void SetParam(const std::string& name, const TMdbVariant& value) override;
    int Execute() override;
    void Open() override;
    bool Next() override;
    int ColumnCount() const override;
    std::string ColumnName(int column) const override;
    TSqlValue Value(int column) const override;
    void Close() noexcept override;

    bool InTransaction() const override { return inTransaction_; }
    void BeginTransaction() override;
    void Commit() override;
    void Rollback() noexcept override;

    const std::string& LastError() const override { return lastError_; }
    // Runs one statement without parameters (set-up statements of tests and tools).
    void Run(const std::string& sql);

private:
    [[noreturn]] void Fail(const QSqlError& error);
    bool RunStatement();

    QString connection_;
    QSqlDatabase database_;
    std::unique_ptr<QSqlQuery> query_;
    std::string statement_;
    std::vector<std::string> columns_; // names of the result columns after Open
    std::string lastError_;
    bool inTransaction_ = false;
    bool direct_ = false; // the statement has no parameters and is run without preparing
};

} // namespace corvane
