#include "ui/main/TOptForm.h"

#include "i18n/Language.h"
#include "i18n/LanguageTable.h"
#include "i18n/Texts.h"
#include "settings/SoundDistanceSetting.h"
#include "settings/TSettings.h"
#include "ui/common/QtText.h"
#include "ui/common/WindowPlacement.h"
#include "ui/measurements/TInstallationDialog.h"
#include "units/Units.h"
#include "util/Numbers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

namespace {

constexpr TextId kPolyTexts[] = {
    TextId::PolyNone,    TextId::PolyHorizontal, TextId::PolyStraight, TextId::PolyDegree2,
    TextId::PolyDegree3, TextId::PolyDegree4,    TextId::PolyDegree5,  TextId::PolyDegree6,
    TextId::PolyDegree7, TextId::PolyDegree8,    TextId::PolyDegree9,  TextId::PolyPointToPoint};

} // namespace

TOptForm::TOptForm(TSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), units_(ScreenUnitSystem()),
      installation_(settings.Installation) {
    setObjectName(QStringLiteral("OptForm"));
    BuildControls();
    RestoreWindowPosition(settings_.Store, *this);
    FillTexts();
    ShowSettings();
}

void TOptForm::BuildControls() {
    bearbeiterLabel_ = new QLabel(this);
    bearbEdit_ = new QLineEdit(this);
    bearbEdit_->setObjectName(QStringLiteral("BearbEdit"));
    polyLabel_ = new QLabel(this);
    polyCombo_ = new QComboBox(this);
    polyCombo_->setObjectName(QStringLiteral("PolyCombo"));
    punkteBox_ = new QCheckBox(this);
    punkteBox_->setObjectName(QStringLiteral("PunkteBox"));
    langLabel_ = new QLabel(this);
    unitCombo_ = new QComboBox(this);
    unitCombo_->setObjectName(QStringLiteral("UnitCombo"));
    lpAbstandBox_ = new QCheckBox(this);
    lpAbstandBox_->setObjectName(QStringLiteral("LpAbstandBox"));
    distLabel_ = new QLabel(this);
    lpAbstandEdit_ = new QLineEdit(this);
    lpAbstandEdit_->setObjectName(QStringLiteral("LpAbstandEdit"));
    lpAbstandEdit_->setAlignment(Qt::AlignRight);
    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName(QStringLiteral("OkBtn"));
    okBtn_->setDefault(true);
    cancelBtn_ = new QPushButton(this);
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
    rigBtn_ = new QPushButton(this);
    rigBtn_->setObjectName(QStringLiteral("RigBtn"));
    rigBtn_->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(bearbeiterLabel_, bearbEdit_);
    form->addRow(polyLabel_, polyCombo_);
    form->addRow(QString(), punkteBox_);
    form->addRow(langLabel_, unitCombo_);
    form->addRow(QString(), lpAbstandBox_);
    form->addRow(distLabel_, lpAbstandEdit_);

    // OK sits 16 pixels from the right edge, cancel 8 pixels left of it.
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 8, 16 - 9, 0);
    buttons->setSpacing(8);
    buttons->addWidget(rigBtn_);
    buttons->addStretch();
    buttons->addWidget(cancelBtn_);
    buttons->addWidget(okBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(okBtn_, &QPushButton::clicked, this, &TOptForm::Confirm);
    connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
    connect(rigBtn_, &QPushButton::clicked, this, &TOptForm::EditInstallation);
}

void TOptForm::FillTexts() {
    setWindowTitle(QTxt(TextId::OptTitle));
    bearbeiterLabel_->setText(QTxt(TextId::BearbeiterLabel));
    polyLabel_->setText(QTxt(TextId::PolyLabel));
    punkteBox_->setText(QTxt(TextId::PunkteBox));
    langLabel_->setText(QTxt(TextId::LangLabel));
    lpAbstandBox_->setText(QTxt(TextId::LpAbstandBox));
    const std::string oneMetre = FormatQuantity(1, kQuantityDistance, units_, 1.0) + " " +
                                 UnitLabel(kQuantityDistance, units_);
    distLabel_->setText(QTxt(TextId::DistLabel).replace(QStringLiteral("%s"), ToQString(oneMetre)));
    okBtn_->setText(QTxt(TextId::OkBtn));
    cancelBtn_->setText(QTxt(TextId::CancelBtn));
    rigBtn_->setText(QTxt(TextId::RigSettingsTitle) + QStringLiteral("..."));
    for (const TextId id : kPolyTexts)
        polyCombo_->addItem(QTxt(id));
    for (int i = 0; i < OfferedLanguageEntries(); ++i)
        unitCombo_->addItem(ToQString(LanguageEntry(i).MenuText));
}

void TOptForm::ShowSettings() {
    bearbEdit_->setText(ToQString(settings_.Bearbeiter));
    polyCombo_->setCurrentIndex(settings_.PolynomGrad);
    punkteBox_->setChecked(settings_.PolynomPunkte == 1);
    unitCombo_->setCurrentIndex(ClampLanguageIndex(settings_.PrintUnit));
    lpAbstandBox_->setChecked(SoundDistanceOn(settings_.LpAbstand));
    lpAbstandEdit_->setText(ToQString(
        FormatQuantity(1, kQuantityDistance, units_, SoundDistanceShown(settings_.LpAbstand))));
}

void TOptForm::Confirm() {
    SaveWindowPlacement(settings_.Store, *this);
    settings_.Bearbeiter = ToUtf8(bearbEdit_->text());
    settings_.PolynomGrad = std::max(polyCombo_->currentIndex(), 0);
    settings_.PolynomPunkte = punkteBox_->isChecked() ? 1 : 0;
    settings_.PrintUnit = ClampLanguageIndex(unitCombo_->currentIndex());
    const double metres =
        FromDisplay(kQuantityDistance, units_, ParseNumber(ToUtf8(lpAbstandEdit_->text())));
    settings_.LpAbstand = SoundDistanceStored(metres, lpAbstandBox_->isChecked());
    settings_.Installation = installation_;
    accept();
}

void TOptForm::EditInstallation() {
    TInstallationDialog::Edit(this, installation_);
}

bool TOptForm::OpenOptions(QWidget* owner, TSettings& settings) {
    TOptForm form(settings, owner);
    return form.exec() == QDialog::Accepted;
}

} // namespace corvane
