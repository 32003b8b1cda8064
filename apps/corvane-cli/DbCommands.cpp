// db-export and db-import: the catalogue in a relational database (SQLite or PostgreSQL).
#include "CliArgs.h"
#include "Commands.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TCatalogueDatabase.h"
#include "model/DataFileSave.h"
#include "sql/TDatabaseUrl.h"
#include "sql/TQtSqlQuery.h"

#include <QCoreApplication>
#include <optional>
#include <stdexcept>

namespace corvane::cli {

namespace {

// The database drivers are plugins, which Qt loads only with an application object.
class TSqlApplication {
public:
    TSqlApplication() {
        if (QCoreApplication::instance() == nullptr) app_.emplace(argc_, argv_);
    }

private:
    int argc_ = 1;
    char name_[12] = "corvane-cli";
    char* argv_[2] = {name_, nullptr};
    std::optional<QCoreApplication> app_;
};

TDatabaseUrl DatabaseUrl(const CliArgs& args, const char* command) {
    if (!args.Has("db") || args.Value("db").empty())
        throw std::invalid_argument(std::string(command) + ": --db URL is required");
    return TDatabaseUrl::Parse(args.Value("db"));
}

} // namespace

int RunDbExport(const CliArgs& args) {
    const auto& words = args.Positional();
    if (words.size() > 2) throw std::invalid_argument("db-export --db URL [FILE]");
    const TDatabaseUrl url = DatabaseUrl(args, "db-export");
    TSqlApplication application;
    TCatalogue catalogue;
    OpenCatalogue(catalogue, words.size() > 1 ? words[1] : DataFile(args));
    TQtSqlQuery query(url);
    TCatalogueDatabase(catalogue, query).Export();
    return 0;
}

int RunDbImport(const CliArgs& args) {
    const auto& words = args.Positional();
    if (words.size() != 2) throw std::invalid_argument("db-import --db URL OUT_FILE");
    const TDatabaseUrl url = DatabaseUrl(args, "db-import");
    TSqlApplication application;
    TQtSqlQuery query(url, TQtSqlQuery::TOpen::MustExist);
    TCatalogue catalogue;
    TCatalogueDatabase database(catalogue, query);
    database.Import();
    SaveDataFile(catalogue, words[1]);
    return 0;
}

} // namespace corvane::cli
