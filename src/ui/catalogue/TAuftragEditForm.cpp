#include "ui/catalogue/TAuftragEditForm.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbAuftrag.h"
#include "ui/common/QtText.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace corvane {

TAuftragEditForm::TAuftragEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew,
                                   TIniFile& settings, QWidget* parent)
    : TRecordEditForm(catalogue.Auftrag(), record, isNew, settings, parent) {
    using A = TMdbAuftrag;
    setWindowTitle(ShownText("Auftrag bearbeiten"));
    QGridLayout* grid = SinglePage();
    int row = AddFields(grid, 0, {A::F_AUFTRAGSNR}, 1);
    AddReference(grid, row++, A::F_KUNDENNR, A::F_KUNDENNAME, "KundeBtn");
    AddFields(grid, row, {A::F_ZEIT_SOLL, A::F_BEARBEITER, A::F_INFOTEXT}, 1);
    Open();
}

} // namespace corvane
