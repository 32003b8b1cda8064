#include "ui/catalogue/TTexteEditForm.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbTexte.h"
#include "ui/common/QtText.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace corvane {

TTexteEditForm::TTexteEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew,
                               TIniFile& settings, QWidget* parent)
    : TRecordEditForm(catalogue.Texte(), record, isNew, settings, parent) {
    using T = TMdbTexte;
    setWindowTitle(ShownText("Texte zur Messung bearbeiten"));
    AddFields(SinglePage(), 0, {T::F_TEXTNR, T::F_TEXTINHALT}, 1);
    Open();
}

} // namespace corvane
