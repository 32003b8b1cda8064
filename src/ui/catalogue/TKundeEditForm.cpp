#include "ui/catalogue/TKundeEditForm.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbKunde.h"
#include "ui/common/QtText.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace corvane {

TKundeEditForm::TKundeEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew,
                               TIniFile& settings, QWidget* parent)
    : TRecordEditForm(catalogue.Kunde(), record, isNew, settings, parent) {
    using K = TMdbKunde;
    setWindowTitle(ShownText("Kunde bearbeiten"));
    AddFields(SinglePage(), 0,
              {K::F_KUNDENNR, K::F_NAME, K::F_STRASSE, K::F_PLZ, K::F_ORT, K::F_LAND, K::F_TEL,
               K::F_FAX, K::F_ANSPRPARTN, K::F_EMAIL},
              1);
    Open();
}

} // namespace corvane
