#pragma once

#include "ui/mdb/TMdbForm.h"

#include <QObject>
#include <cstdint>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace corvane {

class TCatalogue;
class TCatalogueStore;
class TIniFile;
class TMdb;

// The master-data menu ("&Stammdaten", StammMen) of the main window: one item per catalogue
// table opening the table browser on the shared catalogue. The customer and order items
// exist but stay hidden. The impeller and series browsers reopen at the record last shown
// (the position is kept for the whole process).
class TMasterDataMenu : public QObject {
    Q_OBJECT
public:
    // Adds the menu to `bar`; `settings` keeps the browsers' placements and column layouts.
    TMasterDataMenu(QMenuBar& bar, TCatalogue& catalogue, TIniFile& settings, QWidget* owner);
    // Fills `menu`, a master-data menu that the window already has.
    TMasterDataMenu(QMenu& menu, TCatalogue& catalogue, TIniFile& settings, QWidget* owner);

    // The "Messwerte" commands of the series browser.
    void SetPointsHandler(TMdbForm::TPointsHandler handler) { pointsHandler_ = std::move(handler); }

    // Edit mode: the item "Datei speichern" (SpeichernMen) writes the data file through
    // `store` (not owned); shown only when the catalogue is edited in the data file.
    void AttachStore(TCatalogueStore& store);

    // Item texts in the current text language.
    void ApplyLanguage();
    QMenu* Menu() const { return menu_; }
    // The item with this object name ("MotorMen", ...), nullptr for none.
    QAction* Item(const char* name) const;

    // Record positions of the impeller and the series browser.
    static std::int32_t& LastImpeller();
    static std::int32_t& LastSeries();

private:
    void Open(TMdb& table, std::int32_t* remembered);
    void SaveDataFile();

    TCatalogue& catalogue_;
    TIniFile& settings_;
    QWidget* owner_;
    QMenu* menu_;
    TCatalogueStore* store_ = nullptr;
    TMdbForm::TPointsHandler pointsHandler_;
};

} // namespace corvane
