#include "ui/measurements/TMessungEditForm.h"

#include "catalogue/TCatalogue.h"
#include "measurements/TMdbMessung.h"
#include "ui/catalogue/TQtDialogControl.h"
#include "ui/common/QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace corvane {

using M = TMdbMessung;

TMessungEditForm::TMessungEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew,
                                   TIniFile& settings, QWidget* parent)
    : TRecordEditForm(catalogue.Messung(), record, isNew, settings, parent),
      series_(catalogue.Messung()) {
    setWindowTitle(ShownText("Messreihe bearbeiten"));
    BuildSeriesPage();
    BuildImpellerPage();
    BuildRigPage();
    QPushButton* copy = AddButton(ShownText("einfügen"), "InsBtn");
    connect(copy, &QPushButton::clicked, this, [this] { CopyFromOther(); });
    Open();
    ConnectRules();
}

QLineEdit* TMessungEditForm::AddNamedEdit(QGridLayout* grid, int row, int column,
                                          const char* name) {
    auto* edit = new QLineEdit(grid->parentWidget());
    edit->setObjectName(QString::fromLatin1(name));
    grid->addWidget(edit, row, column);
    Bind(edit, 0);
    return edit;
}

QLabel* TMessungEditForm::AddNamedLabel(QGridLayout* grid, int row, int column, const char* name,
                                        const QString& text) {
    auto* label = new QLabel(text, grid->parentWidget());
    label->setObjectName(QString::fromLatin1(name));
    grid->addWidget(label, row, column);
    Bind(label, 0);
    return label;
}

void TMessungEditForm::AddPickRow(QGridLayout* grid, int row, int numberField, const char* nameBox,
                                  const char* button) {
    AddLabel(grid, row, 0, numberField);
    auto* boxes = new QHBoxLayout;
    auto* number = new QLineEdit(grid->parentWidget());
    number->hide();
    Bind(number, numberField);
    auto* name = new QLineEdit(grid->parentWidget());
    name->setObjectName(QString::fromLatin1(nameBox));
    name->setReadOnly(true);
    name->installEventFilter(this);
    Bind(name, 0);
    auto* pick = new QPushButton(QStringLiteral("..."), grid->parentWidget());
    pick->setObjectName(QString::fromLatin1(button));
    pick->setMaximumWidth(32);
    connect(pick, &QPushButton::clicked, this, [this, numberField] { Pick(numberField); });
    // The hidden number box hands a refusal's focus on to its name box.
    number->setFocusProxy(name);
    boxes->addWidget(number);
    boxes->addWidget(name, 1);
    boxes->addWidget(pick);
    grid->addLayout(boxes, row, 1, 1, 3);
}

QGridLayout* TMessungEditForm::BuildSeriesPage() {
    QGridLayout* grid = AddPage(ShownText("Angaben zur Messreihe"));
    int row = AddFields(grid, 0, {M::F_MESSNR}, 1);
    BoundWidget(M::F_MESSNR)->setObjectName(QStringLiteral("MessNrEdit"));
    AddReference(grid, row++, M::F_AUFTRAGSNR, M::F_KUNDE, "AuftragBtn");
    row = AddFields(grid, row,
                    {M::F_AUFTMESSZ, M::F_BEARBEITER, M::F_DBTYP, M::F_MESSTYP, M::F_KENNLTYP,
                     M::F_ZEIT_IST, M::F_MESSDATUM, M::F_AENDDATUM});
    BoundWidget(M::F_DBTYP)->setObjectName(QStringLiteral("DbCombo"));
    BoundWidget(M::F_MESSTYP)->setObjectName(QStringLiteral("MessCombo"));
    BoundWidget(M::F_KENNLTYP)->setObjectName(QStringLiteral("KennlCombo"));
    AddPickRow(grid, row++, M::F_MOTORNR, M::kMotorName, "MotorBtn");
    // The two free texts take the whole width beside their captions.
    for (const int field : {M::F_INFOTEXT, M::F_BEWERTUNG}) {
        AddLabel(grid, row, 0, field);
        auto* edit = new QLineEdit(grid->parentWidget());
        grid->addWidget(edit, row, 1, 1, 3);
        Bind(edit, field);
        ++row;
    }
    grid->setRowStretch(row, 1);
    return grid;
}

QGridLayout* TMessungEditForm::BuildImpellerPage() {
    QGridLayout* grid = AddPage(ShownText("Angaben zum Laufrad"));
    grid->addWidget(new QLabel(ShownText("Messreihe Nr."), grid->parentWidget()), 0, 0);
    AddNamedEdit(grid, 0, 1, M::kNumberCopy2)->setReadOnly(true);
    AddPickRow(grid, 1, M::F_LFRDNR, M::kImpellerName, "LaufradBtn");
    AddPickRow(grid, 2, M::F_GEHSNR, M::kHousingName, "GehaeuseBtn");
    int row = AddFields(grid, 3, {M::F_TANDEM, M::F_DLr, M::F_phiTyp});
    BoundWidget(M::F_TANDEM)->setObjectName(QStringLiteral("NwegeCombo"));
    BoundWidget(M::F_DLr)->setObjectName(QStringLiteral("D2Edit"));
    BoundWidget(M::F_phiTyp)->setObjectName(QStringLiteral("PhiTypCombo"));
    AddNamedLabel(grid, row, 2, M::kWidthLabel);
    AddNamedEdit(grid, row++, 3, M::kWidthBox);
    row = AddFields(grid, row, {M::F_A0, M::F_phiF, M::F_AXIALSP, M::F_SEHNENW});
    BoundWidget(M::F_A0)->setObjectName(QStringLiteral("A0Edit"));
    BoundWidget(M::F_AXIALSP)->setObjectName(QStringLiteral("AxialspaltEdit"));
    grid->setRowStretch(row, 1);
    return grid;
}

QGridLayout* TMessungEditForm::BuildRigPage() {
    QGridLayout* grid = AddPage(ShownText("Prüfstandsdaten"));
    grid->addWidget(new QLabel(ShownText("Messreihe Nr."), grid->parentWidget()), 0, 0);
    AddNamedEdit(grid, 0, 1, M::kNumberCopy3)->setReadOnly(true);
    int row = AddFields(grid, 1, {M::F_PRUEFSTAND}, 1);
    BoundWidget(M::F_PRUEFSTAND)->setObjectName(QStringLiteral("PruefstandCombo"));
    AddNamedLabel(grid, row, 0, M::kRigSizeLabel);
    AddEdit(grid, row++, 1, M::F_PRUEFSTMASS)->setObjectName(QStringLiteral("PruefstMassEdit"));
    row = AddFields(grid, row, {M::F_MESSMETHODE, M::F_DPENTNAHME, M::F_Ab}, 1);
    BoundWidget(M::F_MESSMETHODE)->setObjectName(QStringLiteral("MessMethCombo"));
    BoundWidget(M::F_DPENTNAHME)->setObjectName(QStringLiteral("DpEntCombo"));
    for (const auto& [label, combo] :
         {std::pair{M::kNozzleLabel, M::kNozzleCombo}, std::pair{M::kPipeLabel, M::kPipeCombo},
          std::pair{M::kOrificeLabel, M::kOrificeCombo}}) {
        AddNamedLabel(grid, row, 0, label);
        auto* box = new QComboBox(grid->parentWidget());
        box->setObjectName(QString::fromLatin1(combo));
        grid->addWidget(box, row++, 1);
        Bind(box, 0);
    }
    grid->setRowStretch(row, 1);
    return grid;
}

// The rules run on every change the user makes; they set other boxes without looping.
void TMessungEditForm::ConnectRules() {
    auto combo = [this](int field) { return qobject_cast<QComboBox*>(BoundWidget(field)); };
    auto edit = [this](int field) { return qobject_cast<QLineEdit*>(BoundWidget(field)); };
    connect(combo(M::F_PRUEFSTAND), &QComboBox::currentIndexChanged, this,
            [this] { M::ApplyRigRule(*this); });
    connect(combo(M::F_MESSMETHODE), &QComboBox::currentIndexChanged, this,
            [this] { M::ApplyMethodRule(*this); });
    connect(edit(M::F_MESSNR), &QLineEdit::textChanged, this,
            [this] { M::ShowNumberCopies(*this); });
    for (const int field : {M::F_AUFTRAGSNR, M::F_LFRDNR, M::F_GEHSNR, M::F_MOTORNR})
        connect(edit(field), &QLineEdit::textChanged, this,
                [this] { series_.ShowReferenceNames(*this); });
    auto* width = findChild<QLineEdit*>(QString::fromLatin1(M::kWidthBox));
    connect(width, &QLineEdit::textEdited, this, [this] { series_.PhiDimensionsChanged(*this); });
    connect(edit(M::F_DLr), &QLineEdit::textEdited, this,
            [this] { series_.PhiDimensionsChanged(*this); });
    connect(edit(M::F_A0), &QLineEdit::textEdited, this, [this] { series_.PhiAreaChanged(*this); });
    connect(combo(M::F_phiTyp), &QComboBox::activated, this,
            [this] { series_.PhiAreaChanged(*this); });
}

} // namespace corvane
