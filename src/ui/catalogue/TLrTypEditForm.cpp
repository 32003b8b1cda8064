#include "ui/catalogue/TLrTypEditForm.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLrTyp.h"
#include "ui/common/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace corvane {

TLrTypEditForm::TLrTypEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew,
                               TIniFile& settings, QWidget* parent)
    : TRecordEditForm(catalogue.LrTyp(), record, isNew, settings, parent) {
    using T = TMdbLrTyp;
    setWindowTitle(ShownText("Laufrad-Typ bearbeiten"));
    QGridLayout* grid = SinglePage();
    const int row = AddFields(grid, 0, {T::F_TYPNR, T::F_TYPBEZ}, 1);
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QString::fromLatin1(T::kDescriptionBox));
    // Four parts of 250 characters hold the description.
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo] {
        if (memo->toPlainText().size() > 1000) {
            QString text = memo->toPlainText();
            text.truncate(1000);
            memo->setPlainText(text);
        }
        SetChanged();
    });
    grid->addWidget(new QLabel(ShownText("Beschreibung"), this), row, 0, Qt::AlignTop);
    grid->addWidget(memo, row, 1);
    Bind(memo, 0);
    Open();
}

} // namespace corvane
