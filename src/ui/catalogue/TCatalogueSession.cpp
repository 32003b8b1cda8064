#include "ui/catalogue/TCatalogueSession.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TDuplicateKey.h"
#include "mdb/EMdbError.h"
#include "model/TCatalogueStore.h"
#include "sql/TDatabaseUrl.h"
#include "sql/TQtSqlQuery.h"
#include "ui/catalogue/TCatalogueDialogs.h"
#include "ui/common/QtText.h"
#include "util/ProgramFolder.h"
#include "util/TUserMessage.h"

#include <QCloseEvent>
#include <QWidget>

namespace corvane {

namespace {

// Turns a close event down while the store does not let the window go.
class TCloseGuard : public QObject {
public:
    TCloseGuard(TCatalogueStore& store, QObject* parent) : QObject(parent), store_(store) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && !store_.MayClose()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TCatalogueStore& store_;
};

} // namespace

TCatalogueOptions TCatalogueOptions::FromArguments(const QStringList& arguments) {
    TCatalogueOptions options;
    const auto valueOf = [&](qsizetype& i, const QString& name, std::string& value) {
        const QString& argument = arguments[i];
        const QString joined = name + QLatin1Char('=');
        if (argument.startsWith(joined)) {
            value = ToUtf8(argument.mid(joined.size()));
        } else if (i + 1 < arguments.size()) {
            value = ToUtf8(arguments[++i]);
        }
        if (value.empty() && options.Error.empty())
            options.Error = ToUtf8(name) + " braucht einen Wert";
    };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--edit"))
            options.Edit = true;
        else if (argument == QStringLiteral("--db") || argument.startsWith(QStringLiteral("--db=")))
            valueOf(i, QStringLiteral("--db"), options.DatabaseUrl);
        else if (argument == QStringLiteral("--data") ||
                 argument.startsWith(QStringLiteral("--data=")))
            valueOf(i, QStringLiteral("--data"), options.DataFile);
    }
    return options;
}

TCatalogueSession::TCatalogueSession(TCatalogue& catalogue, TIniFile& settings)
    : catalogue_(catalogue), settings_(settings),
      store_(std::make_unique<TCatalogueStore>(catalogue)) {}

TCatalogueSession::~TCatalogueSession() {
    // The dialogs and the store let go of the catalogue before the connection closes.
    dialogs_.reset();
    store_.reset();
    query_.reset();
}

void TCatalogueSession::Open(const TCatalogueOptions& options) {
    if (!options.Error.empty()) throw EMdbError(options.Error);
    dialogs_.reset();
    if (!options.DatabaseUrl.empty()) {
        // A connection opened before stays until the tables are bound to the new one.
        const std::unique_ptr<TQtSqlQuery> previous = std::move(query_);
        query_ = std::make_unique<TQtSqlQuery>(TDatabaseUrl::Parse(options.DatabaseUrl),
                                               TQtSqlQuery::TOpen::MustExist);
        store_->OpenDatabase(*query_, options.Edit);
    } else {
        catalogue_.SetFolder(ProgramFolder());
        store_->OpenFile(options.DataFile.empty() ? ProgramFile("Corvane.mem") : options.DataFile,
                         options.Edit);
    }
    if (options.Edit) dialogs_ = std::make_unique<TCatalogueDialogs>(catalogue_, settings_);
    // Whoever maintains the catalogue learns which records were dropped for a repeated key
    // before a save makes the loss permanent.
    const std::string duplicates = DuplicateKeysWarning(catalogue_.DuplicateKeys());
    if (!duplicates.empty()) TUserMessage::Post(duplicates);
}

void TCatalogueSession::GuardClose(QWidget& window) {
    window.installEventFilter(new TCloseGuard(*store_, &window));
}

} // namespace corvane
