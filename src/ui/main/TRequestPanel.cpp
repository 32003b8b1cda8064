#include "ui/main/TRequestPanel.h"

#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "ui/common/QtText.h"
#include "ui/main/Controls.h"
#include "ui/main/TSpeedPages.h"
#include "units/Units.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace corvane {

TRequestPanel::TRequestPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AuswahlPanel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 2);
    layout->setSpacing(16);
    layout->addWidget(BuildLimits(), 0, Qt::AlignTop);
    layout->addWidget(BuildDutyPoint(), 0, Qt::AlignTop);
    auswahlPage_ = new TSpeedPages(this);
    auswahlPage_->setMinimumWidth(380);
    layout->addWidget(auswahlPage_, 1);
    Connect();
}

QWidget* TRequestPanel::BuildLimits() {
    auto* box = new QWidget(this);
    auswahlLabel_ = NewHeading(box, "AuswahlLabel");
    d2Label_ = NewLabel(box, "D2Label");
    min1Label_ = NewLabel(box, "Min1Label");
    max1Label_ = NewLabel(box, "Max1Label");
    d2MinCombo_ = NewCombo(box, "D2MinCombo");
    d2MaxCombo_ = NewCombo(box, "D2MaxCombo");
    einbhLabel_ = NewLabel(box, "EinbhLabel");
    min2Label_ = NewLabel(box, "Min2Label");
    max2Label_ = NewLabel(box, "Max2Label");
    einbhMinEdit_ = NewNumberEdit(box, "EinbhMinEdit");
    einbhMaxEdit_ = NewNumberEdit(box, "EinbhMaxEdit");
    bauartLabel_ = NewLabel(box, "BauartLabel");
    flutCombo_ = NewCombo(box, "FlutCombo");
    typNrCombo_ = NewCombo(box, "TypNrCombo");
    gehWinkelLabel_ = NewLabel(box, "GehWinkelLabel");
    gehWinkelCombo_ = NewCombo(box, "GehWinkelCombo");

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    grid->addWidget(auswahlLabel_, 0, 0, 1, 4);
    grid->addWidget(d2Label_, 1, 0, 1, 4);
    grid->addWidget(min1Label_, 2, 0);
    grid->addWidget(d2MinCombo_, 2, 1);
    grid->addWidget(max1Label_, 2, 2);
    grid->addWidget(d2MaxCombo_, 2, 3);
    grid->addWidget(einbhLabel_, 3, 0, 1, 4);
    grid->addWidget(min2Label_, 4, 0);
    grid->addWidget(einbhMinEdit_, 4, 1);
    grid->addWidget(max2Label_, 4, 2);
    grid->addWidget(einbhMaxEdit_, 4, 3);
    grid->addWidget(bauartLabel_, 5, 0, 1, 4);
    grid->addWidget(flutCombo_, 6, 0, 1, 4);
    grid->addWidget(typNrCombo_, 7, 0, 1, 4);
    grid->addWidget(gehWinkelLabel_, 8, 0, 1, 2);
    grid->addWidget(gehWinkelCombo_, 8, 2, 1, 2);
    return box;
}

QWidget* TRequestPanel::BuildDutyPoint() {
    auto* box = new QWidget(this);
    betrPunktLabel_ = NewHeading(box, "BetrPunktLabel");
    vNameLabel_ = NewLabel(box, "VnameLabel");
    vEdit_ = NewNumberEdit(box, "Vedit");
    vEinheitLabel_ = NewLabel(box, "VeinheitLabel");
    pName1Label_ = NewLabel(box, "Pname1Label");
    pName2Label_ = NewLabel(box, "Pname2Label");
    pEdit_ = NewNumberEdit(box, "Pedit");
    pEinheitLabel_ = NewLabel(box, "PeinheitLabel");
    dichteLabel_ = NewLabel(box, "DichteLabel");
    rhoEdit_ = NewNumberEdit(box, "RhoEdit");
    dichteEinhLabel_ = NewLabel(box, "DichteEinhLabel");
    rhoBtn_ = new QToolButton(box);
    rhoBtn_->setObjectName(QStringLiteral("RhoBtn"));
    rhoBtn_->setText(QStringLiteral("..."));

    auto* pressureName = new QVBoxLayout;
    pressureName->setSpacing(0);
    pressureName->addWidget(pName1Label_);
    pressureName->addWidget(pName2Label_);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(6);
    grid->addWidget(betrPunktLabel_, 0, 0, 1, 4);
    grid->addWidget(vNameLabel_, 1, 0);
    grid->addWidget(vEdit_, 1, 1);
    grid->addWidget(vEinheitLabel_, 1, 2, 1, 2);
    grid->addLayout(pressureName, 2, 0);
    grid->addWidget(pEdit_, 2, 1);
    grid->addWidget(pEinheitLabel_, 2, 2, 1, 2);
    grid->addWidget(dichteLabel_, 3, 0);
    grid->addWidget(rhoEdit_, 3, 1);
    grid->addWidget(dichteEinhLabel_, 3, 2);
    grid->addWidget(rhoBtn_, 3, 3);
    grid->setRowStretch(4, 1);
    return box;
}

void TRequestPanel::Connect() {
    auto changed = [this] { Q_EMIT searchInputChanged(); };
    auto edited = [this] { Q_EMIT valueEdited(); };
    connect(d2MinCombo_, &QComboBox::activated, this, [this](int index) {
        if (d2MaxCombo_->currentIndex() < index) d2MaxCombo_->setCurrentIndex(index);
        Q_EMIT searchInputChanged();
    });
    connect(d2MaxCombo_, &QComboBox::activated, this, [this](int index) {
        if (d2MinCombo_->currentIndex() > index) d2MinCombo_->setCurrentIndex(index);
        Q_EMIT searchInputChanged();
    });
    for (QComboBox* combo : {flutCombo_, typNrCombo_, gehWinkelCombo_})
        connect(combo, &QComboBox::activated, this, changed);
    connect(flutCombo_, &QComboBox::currentIndexChanged, this, [this](int layout) {
        gehWinkelLabel_->setEnabled(layout >= 1);
        gehWinkelCombo_->setEnabled(layout >= 1);
    });
    for (QLineEdit* edit : {vEdit_, pEdit_, einbhMinEdit_, einbhMaxEdit_, rhoEdit_})
        connect(edit, &QLineEdit::textChanged, this, edited);
    connect(rhoBtn_, &QToolButton::clicked, this, [this] { Q_EMIT densityDialogRequested(); });
    connect(auswahlPage_, &TSpeedPages::searchInputChanged, this, changed);
    connect(auswahlPage_, &TSpeedPages::valueEdited, this, edited);
}

void TRequestPanel::ApplyTexts() {
    const int units = ScreenUnitSystem();
    const QString length = ToQString(UnitLabel(kLengthQuantity, units));
    auswahlLabel_->setText(QTxt(TextId::AuswahlLabel));
    d2Label_->setText(QTxt(TextId::D2Label).replace(QStringLiteral("%s"), length));
    einbhLabel_->setText(QTxt(TextId::EinbhLabel).replace(QStringLiteral("%s"), length));
    for (QLabel* label : {min1Label_, min2Label_})
        label->setText(QTxt(TextId::MinLabel));
    for (QLabel* label : {max1Label_, max2Label_})
        label->setText(QTxt(TextId::MaxLabel));
    bauartLabel_->setText(QTxt(TextId::BauartLabel));
    gehWinkelLabel_->setText(QTxt(TextId::GehWinkelLabel));
    betrPunktLabel_->setText(QTxt(TextId::BetrPunktLabel));
    vNameLabel_->setText(QTxt(TextId::VnameLabel));
    pName1Label_->setText(QTxt(TextId::Pname1Label));
    pName2Label_->setText(QTxt(TextId::Pname2Label));
    dichteLabel_->setText(QTxt(TextId::DichteLabel));
    vEinheitLabel_->setText(ToQString(UnitLabel(kFlowQuantity, units)));
    pEinheitLabel_->setText(ToQString(UnitLabel(kPressureQuantity, units)));
    dichteEinhLabel_->setText(ToQString(UnitLabel(kDensityQuantity, units)));
    FillLayouts();
    auswahlPage_->ApplyTexts();
}

void TRequestPanel::FillLayouts() {
    const QSignalBlocker block(flutCombo_);
    const int layout = flutCombo_->currentIndex();
    flutCombo_->clear();
    for (const TextId id :
         {TextId::FlutSingleNoHousing, TextId::FlutSingleHousing, TextId::FlutDouble})
        flutCombo_->addItem(QTxt(id));
    flutCombo_->setCurrentIndex(std::max(layout, 0));
}

} // namespace corvane
