#include "ui/catalogue/TCatalogueDialogs.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbAuftrag.h"
#include "catalogue/TMdbBild.h"
#include "catalogue/TMdbDuese.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbKunde.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "catalogue/TMdbMotor.h"
#include "catalogue/TMdbTexte.h"
#include "mdb/TMdbBrowser.h"
#include "measurements/TMdbMessung.h"
#include "ui/catalogue/TAuftragEditForm.h"
#include "ui/catalogue/TBildEditForm.h"
#include "ui/catalogue/TDueseEditForm.h"
#include "ui/catalogue/TGehaeuseEditForm.h"
#include "ui/catalogue/TKundeEditForm.h"
#include "ui/catalogue/TLaufradEditForm.h"
#include "ui/catalogue/TLrTypEditForm.h"
#include "ui/catalogue/TMotorEditForm.h"
#include "ui/catalogue/TTexteEditForm.h"
#include "ui/measurements/TMessungEditForm.h"

#include <QWidget>

namespace corvane {

TCatalogueDialogs::TCatalogueDialogs(TCatalogue& catalogue, TIniFile& settings)
    : catalogue_(catalogue), settings_(settings), previous_(TRecordEditor::Installed()) {
    TRecordEditor::Install(this);
}

TCatalogueDialogs::~TCatalogueDialogs() {
    if (TRecordEditor::Installed() == this) TRecordEditor::Install(previous_);
}

std::unique_ptr<TRecordEditForm> TCatalogueDialogs::CreateDialog(TMdb& table, TMdbRecord* record,
                                                                 bool isNew,
                                                                 QWidget* parent) const {
    TCatalogue& c = catalogue_;
    TIniFile& s = settings_;
    if (&table == static_cast<TMdb*>(&c.Laufrad()))
        return std::make_unique<TLaufradEditForm>(c, record, isNew, s, parent);
    if (&table == static_cast<TMdb*>(&c.Gehaeuse()))
        return std::make_unique<TGehaeuseEditForm>(c, record, isNew, s, parent);
    if (&table == static_cast<TMdb*>(&c.Duese()))
        return std::make_unique<TDueseEditForm>(c, record, isNew, s, parent);
    if (&table == static_cast<TMdb*>(&c.LrTyp()))
        return std::make_unique<TLrTypEditForm>(c, record, isNew, s, parent);
    if (&table == static_cast<TMdb*>(&c.Motor()))
        return std::make_unique<TMotorEditForm>(c, record, isNew, s, parent);
    if (&table == static_cast<TMdb*>(&c.Kunde()))
        return std::make_unique<TKundeEditForm>(c, record, isNew, s, parent);
    if (&table == static_cast<TMdb*>(&c.Auftrag()))
        return std::make_unique<TAuftragEditForm>(c, record, isNew, s, parent);
    if (&table == static_cast<TMdb*>(&c.Texte()))
        return std::make_unique<TTexteEditForm>(c, record, isNew, s, parent);
    if (&table == static_cast<TMdb*>(&c.Bild()))
        return std::make_unique<TBildEditForm>(c, record, isNew, s, parent);
    if (&table == static_cast<TMdb*>(&c.Messung()))
        return std::make_unique<TMessungEditForm>(c, record, isNew, s, parent);
    return nullptr;
}

bool TCatalogueDialogs::ShowEditDialog(TMdb& table, TMdbRecord* record, bool isNew,
                                       TMdbBrowser* owner) {
    auto dialog = CreateDialog(table, record, isNew, dynamic_cast<QWidget*>(owner));
    return dialog != nullptr && dialog->exec() == QDialog::Accepted;
}

} // namespace corvane
