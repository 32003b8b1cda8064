// corvane-browse: the catalogue's table browsers on their own, from the data file or from a
// database. With a table name the browser of that table opens as a record picker and the
// chosen record number is printed; without one a window offers the master-data menu. With
// --edit the catalogue may be changed through the edit dialogs.
#include "catalogue/TCatalogue.h"
#include "mdb/EMdbError.h"
#include "mdb/TMdb.h"
#include "model/TCatalogueStore.h"
#include "settings/TIniFile.h"
#include "settings/TSettings.h"
#include "ui/catalogue/TCatalogueSession.h"
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
    parser.addOption({QStringLiteral("edit"), QStringLiteral("open the catalogue writable")});
    parser.addOption(
        {QStringLiteral("home"), QStringLiteral("program folder"), QStringLiteral("DIR")});
    parser.process(app);
    if (parser.isSet(QStringLiteral("home")))
        SetProgramFolder(ToUtf8(parser.value(QStringLiteral("home"))));

    // A missing settings file gives the default placements and columns.
    TIniFile settings;
    static_cast<void>(settings.Load(SettingsPath()));
    TCatalogue catalogue;
    TCatalogueSession session(catalogue, settings);
    try {
        session.Open(TCatalogueOptions::FromArguments(QApplication::arguments()));
    } catch (const EMdbError& e) {
        QMessageBox::critical(nullptr, QStringLiteral("corvane-browse"),
                              QStringLiteral("Daten-Fehler:\n") + ToQString(e.what()));
        return 1;
    }

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
        auto* menu = new TMasterDataMenu(*window.menuBar(), catalogue, settings, &window);
        menu->AttachStore(session.Store());
        session.GuardClose(window);
        window.resize(640, 400);
        window.show();
        status = app.exec();
    }
    if (const TOutcome saved = settings.Save(SettingsPath()); !saved)
        std::cerr << "corvane-browse: " << saved.Message() << '\n';
    return status;
}
