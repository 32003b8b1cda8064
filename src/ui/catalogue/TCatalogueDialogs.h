#pragma once

#include "mdb/TRecordEditor.h"

#include <memory>

class QWidget;

namespace corvane {

class TCatalogue;
class TIniFile;
class TRecordEditForm;

// The edit dialogs of the catalogue's tables, installed as the tables' record editor for its
// lifetime: EditRecord of any table opens that table's dialog modally.
class TCatalogueDialogs : public TRecordEditor {
public:
    TCatalogueDialogs(TCatalogue& catalogue, TIniFile& settings);
    ~TCatalogueDialogs() override;
    TCatalogueDialogs(const TCatalogueDialogs&) = delete;
    TCatalogueDialogs& operator=(const TCatalogueDialogs&) = delete;

    // The dialog of `table` for `record`, not yet shown; nullptr for a table without one.
    std::unique_ptr<TRecordEditForm> CreateDialog(TMdb& table, TMdbRecord* record, bool isNew,
                                                  QWidget* parent) const;

    bool ShowEditDialog(TMdb& table, TMdbRecord* record, bool isNew, TMdbBrowser* owner) override;

private:
    TCatalogue& catalogue_;
    TIniFile& settings_;
    TRecordEditor* previous_;
};

} // namespace corvane
