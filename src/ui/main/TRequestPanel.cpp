#include "ui/main/TRequestPanel.h"

#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "session/TRequestInput.h"
#include "session/TRequestView.h"
#include "ui/common/QtText.h"
#include "ui/main/Controls.h"
#include "ui/main/TSpeedPages.h"
#include "units/Units.h"

#include <QCheckBox>
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
    auto report = [this](ERequestInput which) {
        return [this, which] { Q_EMIT inputChanged(which); };
    };
    connect(d2MinCombo_, &QComboBox::activated, this, [this](int index) {
        if (d2MaxCombo_->currentIndex() < index) d2MaxCombo_->setCurrentIndex(index);
        Q_EMIT inputChanged(ERequestInput::D2Min);
    });
    connect(d2MaxCombo_, &QComboBox::activated, this, [this](int index) {
        if (d2MinCombo_->currentIndex() > index) d2MinCombo_->setCurrentIndex(index);
        Q_EMIT inputChanged(ERequestInput::D2Max);
    });
    connect(flutCombo_, &QComboBox::activated, this, report(ERequestInput::FanLayout));
    connect(typNrCombo_, &QComboBox::activated, this, report(ERequestInput::TypeGroup));
    connect(gehWinkelCombo_, &QComboBox::activated, this, report(ERequestInput::HousingAngle));
    connect(flutCombo_, &QComboBox::currentIndexChanged, this, [this](int layout) {
        gehWinkelLabel_->setEnabled(layout >= 1);
        gehWinkelCombo_->setEnabled(layout >= 1);
    });
    connect(vEdit_, &QLineEdit::textChanged, this, report(ERequestInput::Flow));
    connect(pEdit_, &QLineEdit::textChanged, this, report(ERequestInput::Pressure));
    connect(rhoEdit_, &QLineEdit::textChanged, this, report(ERequestInput::Density));
    connect(einbhMinEdit_, &QLineEdit::textChanged, this, report(ERequestInput::WidthMin));
    connect(einbhMaxEdit_, &QLineEdit::textChanged, this, report(ERequestInput::WidthMax));
    connect(rhoBtn_, &QToolButton::clicked, this, [this] { Q_EMIT densityDialogRequested(); });
    connect(auswahlPage_, &TSpeedPages::inputChanged, this, &TRequestPanel::inputChanged);
    connect(auswahlPage_, &TSpeedPages::emptyCartRequested, this,
            &TRequestPanel::emptyCartRequested);
}

void TRequestPanel::ApplyTexts() {
    const int units = ScreenUnitSystem();
    const QString length = ToQString(UnitLabel(kQuantityLength, units));
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
    vEinheitLabel_->setText(ToQString(UnitLabel(kQuantityFlow, units)));
    pEinheitLabel_->setText(ToQString(UnitLabel(kQuantityPressure, units)));
    dichteEinhLabel_->setText(ToQString(UnitLabel(kQuantityDensity, units)));
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

namespace corvane {

namespace {

void FillList(QComboBox* combo, const std::vector<std::string>& items, int position) {
    combo->clear();
    for (const std::string& item : items)
        combo->addItem(ShownText(item));
    combo->setCurrentIndex(position);
}

} // namespace

TRequestInput TRequestPanel::Input() const {
    const TSpeedPages& pages = *auswahlPage_;
    TRequestInput input;
    input.D2Min = ToUtf8(d2MinCombo_->currentText());
    input.D2Max = ToUtf8(d2MaxCombo_->currentText());
    input.WidthMin = ToUtf8(einbhMinEdit_->text());
    input.WidthMax = ToUtf8(einbhMaxEdit_->text());
    input.Flow = ToUtf8(vEdit_->text());
    input.Pressure = ToUtf8(pEdit_->text());
    input.Density = ToUtf8(rhoEdit_->text());
    input.Tolerance = ToUtf8(pages.DprozCombo()->currentText());
    input.Speed = ToUtf8(pages.Nedit()->text());
    input.MaxSpeed = ToUtf8(pages.NmaxEdit()->text());
    input.SliderMax = ToUtf8(pages.SliderMaxCombo()->currentText());
    input.HousingAngle = ToUtf8(gehWinkelCombo_->currentText());
    const QVariant group = typNrCombo_->currentData();
    input.TypeGroup = group.isValid() ? group.toInt() : -1;
    input.FanLayout = flutCombo_->currentIndex();
    input.FixedQuantity = pages.DartCombo()->currentIndex();
    input.SearchMode =
        SearchModeOf(static_cast<ESpeedPage>(pages.currentIndex()), pages.VerstCheck()->isChecked(),
                     pages.NvarCheck()->isChecked());
    return input;
}

void TRequestPanel::Show(const TRequestView& view) {
    TSpeedPages& pages = *auswahlPage_;
    FillList(d2MinCombo_, view.Diameters, view.D2MinPosition);
    FillList(d2MaxCombo_, view.Diameters, view.D2MaxPosition);
    einbhMinEdit_->setText(ToQString(view.WidthMin));
    einbhMaxEdit_->setText(ToQString(view.WidthMax));
    vEdit_->setText(ToQString(view.Flow));
    pEdit_->setText(ToQString(view.Pressure));
    rhoEdit_->setText(ToQString(view.Density));
    flutCombo_->setCurrentIndex(view.FanLayout);
    FillList(gehWinkelCombo_, view.HousingAngles, view.HousingAnglePosition);
    gehWinkelLabel_->setEnabled(view.HousingAngleEnabled);
    gehWinkelCombo_->setEnabled(view.HousingAngleEnabled);
    typNrCombo_->clear();
    for (const TTypeGroupEntry& entry : view.TypeGroups)
        typNrCombo_->addItem(ShownText(entry.Name), entry.Group);
    typNrCombo_->setCurrentIndex(view.TypeGroupPosition);
    pages.setCurrentIndex(static_cast<int>(view.Page));
    pages.VerstCheck()->setChecked(view.Reinforced);
    pages.NvarCheck()->setChecked(view.ManualSpeed);
    pages.DartCombo()->setCurrentIndex(view.FixedQuantity);
    pages.DprozCombo()->setEditText(ToQString(view.Tolerance));
    pages.NmaxEdit()->setText(ToQString(view.MaxSpeed));
    ShowSpeed(view);
}

void TRequestPanel::ShowSpeed(const TRequestView& view) {
    TSpeedPages& pages = *auswahlPage_;
    pages.SliderMaxCombo()->setEditText(ToQString(view.SliderMax));
    pages.SetSlider(std::max(ToQString(view.SliderMax).toInt(), 1), view.SliderPosition);
    pages.Nedit()->setText(ToQString(view.Speed));
}

} // namespace corvane
