#include "ui/main/TRhoForm.h"

#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "selection/TAuswahlParam.h"
#include "ui/common/QtText.h"
#include "ui/common/WindowPlacement.h"
#include "units/Units.h"
#include "util/Numbers.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

namespace {

constexpr int kQuantityTemperature = 6; // °C

double Typed(const QLineEdit* edit, int quantity, int units) {
    return FromDisplay(quantity, units, ParseNumber(ToUtf8(edit->text())));
}

} // namespace

TRhoForm::TRhoForm(TIniFile& store, double density, QWidget* parent)
    : QDialog(parent), store_(store), input_(density), units_(ScreenUnitSystem()) {
    setObjectName(QStringLiteral("RhoForm"));
    BuildControls();
    ApplyTexts();
    input_.Remember(RestoreWindowPosition(store_, *this));
    ShowValues();
}

void TRhoForm::BuildControls() {
    auto makeEdit = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setAlignment(Qt::AlignRight);
        edit->setMinimumWidth(100);
        return edit;
    };
    aktRhoEdit_ = makeEdit("AktRhoEdit");
    aktPedit_ = makeEdit("AktPedit");
    aktTedit_ = makeEdit("AktTedit");
    dichteLabel_ = new QLabel(this);
    druckLabel_ = new QLabel(this);
    tempLabel_ = new QLabel(this);
    dichteEinhLabel_ = new QLabel(this);
    druckEinhLabel_ = new QLabel(this);
    tempEinhLabel_ = new QLabel(this);
    normdichteBtn_ = new QPushButton(this);
    normdichteBtn_->setObjectName(QStringLiteral("NormdichteBtn"));
    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName(QStringLiteral("OkBtn"));
    okBtn_->setDefault(true);
    cancelBtn_ = new QPushButton(this);
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));

    auto* grid = new QGridLayout;
    grid->addWidget(dichteLabel_, 0, 0);
    grid->addWidget(aktRhoEdit_, 0, 1);
    grid->addWidget(dichteEinhLabel_, 0, 2);
    grid->addWidget(druckLabel_, 1, 0);
    grid->addWidget(aktPedit_, 1, 1);
    grid->addWidget(druckEinhLabel_, 1, 2);
    grid->addWidget(tempLabel_, 2, 0);
    grid->addWidget(aktTedit_, 2, 1);
    grid->addWidget(tempEinhLabel_, 2, 2);
    grid->addWidget(normdichteBtn_, 3, 1, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okBtn_);
    buttons->addWidget(cancelBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(aktRhoEdit_, &QLineEdit::textEdited, this, &TRhoForm::DensityTyped);
    connect(aktPedit_, &QLineEdit::textEdited, this, &TRhoForm::AirStateTyped);
    connect(aktTedit_, &QLineEdit::textEdited, this, &TRhoForm::AirStateTyped);
    connect(normdichteBtn_, &QPushButton::clicked, this, &TRhoForm::UseStandardDensity);
    connect(okBtn_, &QPushButton::clicked, this, &TRhoForm::Confirm);
    connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
}

void TRhoForm::ApplyTexts() {
    setWindowTitle(QTxt(TextId::DichteLabel));
    dichteLabel_->setText(QTxt(TextId::DichteLabel));
    druckLabel_->setText(QTxt(TextId::RhoDruckLabel));
    tempLabel_->setText(QTxt(TextId::RhoTempLabel));
    normdichteBtn_->setText(QTxt(TextId::NormdichteBtn));
    okBtn_->setText(QTxt(TextId::OkBtn));
    cancelBtn_->setText(QTxt(TextId::CancelBtn));
    dichteEinhLabel_->setText(ToQString(UnitLabel(kQuantityDensity, units_)));
    druckEinhLabel_->setText(ToQString(UnitLabel(kQuantityPressure, units_)));
    tempEinhLabel_->setText(ToQString(UnitLabel(kQuantityTemperature, units_)));
}

void TRhoForm::ShowValues() {
    aktRhoEdit_->setText(ToQString(FormatQuantity(3, kQuantityDensity, units_, input_.Density())));
    aktTedit_->setText(
        input_.Temperature() > 0
            ? ToQString(FormatQuantity(0, kQuantityTemperature, units_, input_.Temperature()))
            : QString());
    aktPedit_->setText(input_.Pressure() > 0 ? ToQString(FormatQuantity(0, kQuantityPressure,
                                                                        units_, input_.Pressure()))
                                             : QString());
}

void TRhoForm::DensityTyped() {
    input_.TypeDensity(Typed(aktRhoEdit_, kQuantityDensity, units_));
    aktPedit_->clear();
    aktTedit_->clear();
}

void TRhoForm::AirStateTyped() {
    input_.TypeAirState(Typed(aktPedit_, kQuantityPressure, units_),
                        Typed(aktTedit_, kQuantityTemperature, units_));
    aktRhoEdit_->setText(ToQString(FormatQuantity(3, kQuantityDensity, units_, input_.Density())));
}

void TRhoForm::UseStandardDensity() {
    // The standard density itself, not the rounded text read back: in lb/ft³ the shown four
    // decimals would give 1.2046 kg/m³.
    input_.TypeDensity(kStandardDensity);
    aktRhoEdit_->setText(ToQString(FormatQuantity(3, kQuantityDensity, units_, input_.Density())));
    aktPedit_->clear();
    aktTedit_->clear();
}

void TRhoForm::Confirm() {
    if (!input_.Modified()) {
        reject();
        return;
    }
    input_.ResetModified();
    accept();
}

void TRhoForm::done(int result) {
    SaveWindowPlacement(store_, *this, input_.RememberedText());
    QDialog::done(result);
}

bool TRhoForm::EditDensity(QWidget* owner, TIniFile& store, double& density) {
    TRhoForm form(store, density, owner);
    if (form.exec() != QDialog::Accepted) return false;
    density = form.Density();
    return true;
}

} // namespace corvane
