#include "sql/TQtSqlQuery.h"

#include "mdb/EMdbError.h"
#include "sql/TDatabaseUrl.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <QVariant>
#include <atomic>
#include <cctype>

namespace corvane {

namespace {

std::atomic<int> g_connections{0};
const QDate kDayZero(1899, 12, 30);
constexpr double kMsecsPerDay = 86400000.0;

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

// A named parameter: ":" followed by a letter or "_".
bool HasParameters(const std::string& sql) {
    for (std::size_t i = 0; i + 1 < sql.size(); ++i) {
        const char next = sql[i + 1];
        if (sql[i] == ':' && (std::isalpha(static_cast<unsigned char>(next)) || next == '_'))
            return true;
    }
    return false;
}

} // namespace

TQtSqlQuery::TQtSqlQuery(const TDatabaseUrl& url, TOpen mode)
    : connection_(QStringLiteral("corvane_sql_%1").arg(++g_connections)) {
    if (url.IsSqlite() && mode == TOpen::MustExist && !QFileInfo::exists(ToQt(url.Database)))
        throw EMdbError("No database file \"" + url.Database + "\"");
    database_ = QSqlDatabase::addDatabase(ToQt(url.Driver), connection_);
    if (!database_.isValid()) {
        database_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_);
        throw EMdbError("The database driver " + url.Driver + " is not installed");
    }
    database_.setDatabaseName(ToQt(url.Database));
    if (!url.Host.empty()) database_.setHostName(ToQt(url.Host));
    if (url.Port > 0) database_.setPort(url.Port);
    if (!url.User.empty()) database_.setUserName(ToQt(url.User));
    // No password is ever set: libpq reads PGPASSWORD or ~/.pgpass itself.
    database_.setConnectOptions(url.IsSqlite() ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000")
                                               : QStringLiteral("connect_timeout=10"));
    if (!database_.open()) {
        const std::string why = database_.lastError().text().toStdString();
        database_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_);
        throw EMdbError("Cannot open the database " + url.Text() + ": " + why);
    }
    query_ = std::make_unique<QSqlQuery>(database_);
}

TQtSqlQuery::~TQtSqlQuery() {
    Rollback();
    query_.reset();
    database_.close();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

void TQtSqlQuery::Fail(const QSqlError& error) {
    lastError_ = error.text().toStdString();
    if (lastError_.empty()) lastError_ = "database error";
    throw EMdbError(lastError_);
}

// Statements with parameters are prepared once and run many times (the bulk insert).
// PostgreSQL cannot prepare table definitions, so statements without parameters are run
// directly.
void TQtSqlQuery::Prepare(const std::string& sql) {
    columns_.clear();
    query_->finish();
    statement_.clear();
    query_->setForwardOnly(true);
    direct_ = !HasParameters(sql);
    if (!direct_ && !query_->prepare(ToQt(sql))) Fail(query_->lastError());
    statement_ = sql;
}

bool TQtSqlQuery::RunStatement() {
    return direct_ ? query_->exec(ToQt(statement_)) : query_->exec();
}

void TQtSqlQuery::SetParam(const std::string& name, const TMdbVariant& value) {
    QVariant v;
    if (const auto* i = std::get_if<std::int32_t>(&value))
        v = *i;
    else if (const auto* d = std::get_if<double>(&value))
        v = *d;
    else
        v = ToQt(std::get<std::string>(value));
    query_->bindValue(QLatin1Char(':') + ToQt(name), v);
}

int TQtSqlQuery::Execute() {
    if (!RunStatement()) Fail(query_->lastError());
    return query_->numRowsAffected();
}

void TQtSqlQuery::Open() {
    columns_.clear();
    if (!RunStatement()) Fail(query_->lastError());
    // Read once: building the record is costly, values are read column by column.
    const QSqlRecord record = query_->record();
    for (int c = 0; c < record.count(); ++c)
        columns_.push_back(record.fieldName(c).toStdString());
}

bool TQtSqlQuery::Next() {
    if (query_->next()) return true;
    if (query_->lastError().isValid()) Fail(query_->lastError());
    return false;
}

int TQtSqlQuery::ColumnCount() const {
    return static_cast<int>(columns_.size());
}

std::string TQtSqlQuery::ColumnName(int column) const {
    if (column < 0 || column >= ColumnCount()) return {};
    return columns_[static_cast<std::size_t>(column)];
}

TSqlValue TQtSqlQuery::Value(int column) const {
    TSqlValue value;
    if (column < 0 || column >= ColumnCount())
        throw EMdbError("no column " + std::to_string(column));
    if (query_->isNull(column)) return value;
    const QVariant v = query_->value(column);
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool:
        value.Kind = TSqlValue::TKind::Integer;
        value.Int = v.toLongLong();
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        value.Kind = TSqlValue::TKind::Float;
        value.Number = v.toDouble();
        break;
    case QMetaType::QDate:
        value.Kind = TSqlValue::TKind::Date;
        value.Number = static_cast<double>(kDayZero.daysTo(v.toDate()));
        break;
    case QMetaType::QDateTime: {
        const QDateTime at = v.toDateTime();
        value.Kind = TSqlValue::TKind::Date;
        value.Number = static_cast<double>(kDayZero.daysTo(at.date())) +
                       at.time().msecsSinceStartOfDay() / kMsecsPerDay;
        break;
    }
    case QMetaType::QByteArray:
        value.Kind = TSqlValue::TKind::Text;
        value.Text = v.toByteArray().toStdString();
        break;
    default:
        value.Kind = TSqlValue::TKind::Text;
        value.Text = v.toString().toStdString();
        break;
    }
    return value;
}

void TQtSqlQuery::Close() noexcept {
    columns_.clear();
    query_->finish();
    query_->clear();
    statement_.clear();
}

void TQtSqlQuery::BeginTransaction() {
    query_->finish();
    if (!database_.transaction()) Fail(database_.lastError());
    inTransaction_ = true;
}

void TQtSqlQuery::Commit() {
    query_->finish();
    inTransaction_ = false;
    if (!database_.commit()) Fail(database_.lastError());
}

void TQtSqlQuery::Rollback() noexcept {
    if (!inTransaction_) return;
    inTransaction_ = false;
    query_->finish();
    database_.rollback();
}

void TQtSqlQuery::Run(const std::string& sql) {
    query_->finish();
    statement_.clear();
    if (!query_->exec(ToQt(sql))) Fail(query_->lastError());
}

} // namespace corvane
