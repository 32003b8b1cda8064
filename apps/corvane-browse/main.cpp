// corvane-browse: the catalogue's table browsers on their own, from the data file or from a
// database. With a table name the browser of that table opens as a record picker and the
// chosen record number is printed; without one a window offers the master-data menu.
#include "catalogue/TCatalogue.h"
#include "catalogue/TCatalogueDatabase.h"
#include "mdb/EMdbError.h"
#include "mdb/TMdb.h"
#include "settings/TIniFile.h"
#include "settings/TSettings.h"
#include "sql/TDatabaseUrl.h"
#include "sql/TQtSqlQuery.h"
#include "ui/common/QtText.h"
#include "ui/mdb/TMasterDataMenu.h"
#include "ui/mdb/TMdbForm.h"
#include "util/Outcome.h"
#include "util/ProgramFolder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <iostream>
#include <memory>

using namespace corvane;

namespace {

TMdb* TableByName(TCatalogue& catalogue, const QString& name) {
    for (int position = 1; position <= TCatalogue::kTableCount; ++position) {
        TMdb* table = catalogue.TableInFileOrder(position);
        if (ToQString(table->TableName()).compare(name, Qt::CaseInsensitive) == 0) return table;
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The catalogue's table browsers."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("table"), QStringLiteral("LAUFRAD, HDRMAIN, ..."));
    parser.addOption({QStringLiteral("data"), QStringLiteral("data file"), QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("db"), QStringLiteral("database URL"), QStringLiteral("URL")});
    parser.addOption(
        {QStringLiteral("home"), QStringLiteral("program folder"), QStringLiteral("DIR")});
    parser.process(app);
    if (parser.isSet(QStringLiteral("home")))
        SetProgramFolder(ToUtf8(parser.value(QStringLiteral("home"))));

    TCatalogue catalogue;
    std::unique_ptr<TQtSqlQuery> query;
    std::unique_ptr<TCatalogueDatabase> database;
    try {
        if (parser.isSet(QStringLiteral("db"))) {
            query = std::make_unique<TQtSqlQuery>(
                TDatabaseUrl::Parse(ToUtf8(parser.value(QStringLiteral("db")))),
                TQtSqlQuery::TOpen::MustExist);
            database = std::make_unique<TCatalogueDatabase>(catalogue, *query);
            database->Import();
        } else {
            const QString data = parser.value(QStringLiteral("data"));
            catalogue.SetFolder(ProgramFolder());
            catalogue.Open(data.isEmpty() ? ProgramFile("Corvane.mem") : ToUtf8(data));
        }
    } catch (const EMdbError& e) {
        QMessageBox::critical(nullptr, QStringLiteral("corvane-browse"),
                              QStringLiteral("Daten-Fehler:\n") + ToQString(e.what()));
        return 1;
    }

    // A missing settings file gives the default placements and columns.
    TIniFile settings;
    static_cast<void>(settings.Load(SettingsPath()));
    int status = 0;
    if (!parser.positionalArguments().isEmpty()) {
        TMdb* table = TableByName(catalogue, parser.positionalArguments().front());
        if (table == nullptr) {
            std::cerr << "corvane-browse: no such table\n";
            return 2;
        }
        std::int32_t key = 0;
        if (TMdbForm::Browse(nullptr, *table, key, settings))
            std::cout << key << '\n';
        else
            status = 1;
    } else {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("Corvane"));
        auto* hint = new QLabel(ShownText("Stammdaten: Tabellen des Katalogs"), &window);
        hint->setAlignment(Qt::AlignCenter);
        window.setCentralWidget(hint);
        new TMasterDataMenu(*window.menuBar(), catalogue, settings, &window);
        window.resize(640, 400);
        window.show();
        status = app.exec();
    }
    if (const TOutcome saved = settings.Save(SettingsPath()); !saved)
        std::cerr << "corvane-browse: " << saved.Message() << '\n';
    return status;
}
