#pragma once

#include "ui/common/TMessageBoxUser.h"

#include <QStringList>
#include <memory>
#include <string>

class QWidget;

namespace corvane {

class TCatalogue;
class TCatalogueDialogs;
class TCatalogueStore;
class TIniFile;
class TQtSqlQuery;

// How the program opens the catalogue, from its command line: without options read-only from
// the data file (the selection program never writes the catalogue); "--edit" opens it writable;
// "--db URL" reads it from a database instead of the data file; "--data FILE" names another
// data file.
struct TCatalogueOptions {
    bool Edit = false;
    std::string DatabaseUrl; // empty: the data file
    std::string DataFile;    // empty: Corvane.mem in the program folder
    std::string Error;       // a malformed option, for the user; empty when all was understood

    // Other arguments are left for the rest of the program.
    static TCatalogueOptions FromArguments(const QStringList& arguments);
};

// The opened catalogue with its store and, in edit mode, the installed edit dialogs. The
// database connection lives as long as the session; so do message boxes for the questions
// and messages of the catalogue's tables (unless another handler is installed).
class TCatalogueSession {
public:
    TCatalogueSession(TCatalogue& catalogue, TIniFile& settings);
    ~TCatalogueSession();
    TCatalogueSession(const TCatalogueSession&) = delete;
    TCatalogueSession& operator=(const TCatalogueSession&) = delete;

    // Opens the catalogue as `options` ask. Raises EMdbError (database or data file).
    void Open(const TCatalogueOptions& options);
    TCatalogueStore& Store() { return *store_; }

    // Asks before `window` closes while the catalogue holds unsaved changes (see
    // TCatalogueStore::MayClose); the close is refused unless the answer lets it go on.
    void GuardClose(QWidget& window);

private:
    TCatalogue& catalogue_;
    TIniFile& settings_;
    TMessageBoxUser user_;
    std::unique_ptr<TQtSqlQuery> query_; // outlives the store bound to it
    std::unique_ptr<TCatalogueStore> store_;
    std::unique_ptr<TCatalogueDialogs> dialogs_;
};

} // namespace corvane
