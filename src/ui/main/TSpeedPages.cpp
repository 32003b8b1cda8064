#include "ui/main/TSpeedPages.h"

#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "ui/common/QtText.h"
#include "ui/main/Controls.h"
#include "units/Units.h"
#include "util/Numbers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace corvane {

namespace {

QWidget* NewPage(const char* name) {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(name));
    return page;
}

// A row of controls kept at its left end.
QHBoxLayout* LeftRow(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch();
    return row;
}

} // namespace

TSpeedPages::TSpeedPages(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("AuswahlPage"));
    addTab(BuildComputedPage(), QString());
    addTab(BuildFixedPage(), QString());
    addTab(BuildCartPage(), QString());
    tabBar()->setExpanding(true);
    tabBar()->setElideMode(Qt::ElideRight);
    Connect();
    ShowManualControls(false);
}

QWidget* TSpeedPages::BuildComputedPage() {
    QWidget* page = NewPage("NvarTab");
    nMaxLabel_ = NewLabel(page, "NmaxLabel");
    nMaxEdit_ = NewNumberEdit(page, "nMaxEdit");
    nMaxEinhLabel_ = NewLabel(page, "NmaxEinhLabel");
    verstCheck_ = NewCheck(page, "VerstCheck");
    nvarLabel_ = NewLabel(page, "NvarLabel");
    nvarLabel_->setWordWrap(true);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(LeftRow({nMaxLabel_, nMaxEdit_, nMaxEinhLabel_}));
    layout->addWidget(verstCheck_);
    layout->addWidget(nvarLabel_);
    layout->addStretch();
    return page;
}

QWidget* TSpeedPages::BuildFixedPage() {
    QWidget* page = NewPage("NfixTab");
    nfixLabel_ = NewLabel(page, "NfixLabel");
    nEdit_ = NewNumberEdit(page, "nEdit");
    nfixEinhLabel_ = NewLabel(page, "NfixEinhLabel");
    nvarCheck_ = NewCheck(page, "NvarCheck");

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(LeftRow({nfixLabel_, nEdit_, nfixEinhLabel_}));
    layout->addWidget(nvarCheck_);
    layout->addWidget(BuildDeviation(page));
    layout->addWidget(BuildSlider(page));
    layout->addStretch();
    return page;
}

QWidget* TSpeedPages::BuildDeviation(QWidget* parent) {
    deviationBox_ = new QWidget(parent);
    zulAbwLabel_ = NewLabel(deviationBox_, "ZulAbwLabel");
    dartCombo_ = NewCombo(deviationBox_, "DartCombo");
    abwLabel_ = NewLabel(deviationBox_, "AbwLabel");
    dprozCombo_ = NewCombo(deviationBox_, "DprozCombo", true);
    dprozCombo_->setMinimumWidth(70);
    auto* deviation = new QVBoxLayout(deviationBox_);
    deviation->setContentsMargins(0, 0, 0, 0);
    deviation->addWidget(zulAbwLabel_);
    deviation->addWidget(dartCombo_);
    deviation->addLayout(
        LeftRow({abwLabel_, dprozCombo_, new QLabel(QStringLiteral("%"), deviationBox_)}));
    return deviationBox_;
}

QWidget* TSpeedPages::BuildSlider(QWidget* parent) {
    sliderBox_ = new QWidget(parent);
    nTrackBar_ = new QSlider(Qt::Horizontal, sliderBox_);
    nTrackBar_->setObjectName(QStringLiteral("nTrackBar"));
    nTrackBar_->setMinimum(0);
    sliderMaxLabel_ = NewLabel(sliderBox_, "SliderMaxLabel");
    sliderMaxCombo_ = NewCombo(sliderBox_, "SliderMaxCombo", true);
    sliderMaxCombo_->setMinimumWidth(80);
    for (const char* value : {"1000", "1500", "2000", "3000", "4000", "5000", "6000", "8000"})
        sliderMaxCombo_->addItem(QLatin1String(value));
    sliderEinhLabel_ = NewLabel(sliderBox_, "SliderEinhLabel");
    auto* slider = new QVBoxLayout(sliderBox_);
    slider->setContentsMargins(0, 0, 0, 0);
    slider->addWidget(nTrackBar_);
    slider->addLayout(LeftRow({sliderMaxLabel_, sliderMaxCombo_, sliderEinhLabel_}));
    return sliderBox_;
}

QWidget* TSpeedPages::BuildCartPage() {
    QWidget* page = NewPage("WarenkorbTab");
    warenkorbDelBtn_ = new QPushButton(page);
    warenkorbDelBtn_->setObjectName(QStringLiteral("WarenkorbDelBtn"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(warenkorbDelBtn_, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

void TSpeedPages::Connect() {
    auto report = [this](ERequestInput which) {
        return [this, which] { Q_EMIT inputChanged(which); };
    };
    connect(this, &QTabWidget::currentChanged, this, report(ERequestInput::SpeedPage));
    connect(dartCombo_, &QComboBox::activated, this, report(ERequestInput::FixedQuantity));
    connect(dprozCombo_, &QComboBox::currentTextChanged, this, report(ERequestInput::Tolerance));
    connect(verstCheck_, &QCheckBox::clicked, this, report(ERequestInput::Reinforced));
    connect(nvarCheck_, &QCheckBox::toggled, this, &TSpeedPages::ShowManualControls);
    connect(nvarCheck_, &QCheckBox::clicked, this, report(ERequestInput::ManualSpeed));
    connect(nMaxEdit_, &QLineEdit::textChanged, this, report(ERequestInput::MaxSpeed));
    connect(nEdit_, &QLineEdit::textEdited, this, &TSpeedPages::SpeedTyped);
    connect(nEdit_, &QLineEdit::textChanged, this, report(ERequestInput::Speed));
    // Programmatic moves block the slider's signals: a change arriving here is the user's.
    connect(nTrackBar_, &QSlider::valueChanged, this,
            [this](int position) { nEdit_->setText(QString::number(position)); });
    // A new slider end counts once it is chosen or typed completely: taken at each keystroke,
    // typing "1000" would pull the speed down to 1 on the way.
    connect(sliderMaxCombo_, &QComboBox::activated, this, report(ERequestInput::SliderMax));
    connect(sliderMaxCombo_->lineEdit(), &QLineEdit::editingFinished, this,
            report(ERequestInput::SliderMax));
    connect(warenkorbDelBtn_, &QPushButton::clicked, this, [this] { Q_EMIT emptyCartRequested(); });
}

void TSpeedPages::SpeedTyped() {
    // The slider follows the typed speed without writing it back.
    const double speed = ParseNumber(ToUtf8(nEdit_->text()));
    const QSignalBlocker block(nTrackBar_);
    nTrackBar_->setValue(static_cast<int>(std::clamp(std::round(speed), 0.0, 1.0e9)));
}

void TSpeedPages::ShowManualControls(bool manual) {
    deviationBox_->setVisible(!manual);
    sliderBox_->setVisible(manual);
}

void TSpeedPages::SetSlider(int maximum, int position) {
    const QSignalBlocker block(nTrackBar_);
    nTrackBar_->setMaximum(maximum);
    nTrackBar_->setValue(position);
}

void TSpeedPages::ApplyTexts() {
    const QString speed = ToQString(UnitLabel(kQuantitySpeed, ScreenUnitSystem()));
    setTabText(PageComputed, QTxt(TextId::NvarTab));
    setTabText(PageFixed, QTxt(TextId::NfixTab));
    setTabText(PageCart, QTxt(TextId::WarenkorbTab));
    for (QLabel* label : {nMaxEinhLabel_, nfixEinhLabel_, sliderEinhLabel_})
        label->setText(speed);
    nMaxLabel_->setText(QTxt(TextId::NmaxLabel));
    sliderMaxLabel_->setText(QTxt(TextId::NmaxLabel));
    verstCheck_->setText(QTxt(TextId::VerstCheck));
    nvarLabel_->setText(QTxt(TextId::NvarLabel));
    nfixLabel_->setText(QTxt(TextId::NfixLabel));
    nvarCheck_->setText(QTxt(TextId::NvarCheck));
    zulAbwLabel_->setText(QTxt(TextId::ZulAbwLabel));
    abwLabel_->setText(QTxt(TextId::AbwLabel));
    warenkorbDelBtn_->setText(QTxt(TextId::WarenkorbDelBtn));
    FillLists();
}

void TSpeedPages::FillLists() {
    const QSignalBlocker blockDart(dartCombo_);
    const QSignalBlocker blockDproz(dprozCombo_);
    const int dart = dartCombo_->currentIndex();
    dartCombo_->clear();
    dartCombo_->addItem(QTxt(TextId::DartFlow));
    dartCombo_->addItem(QTxt(TextId::DartPressure));
    dartCombo_->setCurrentIndex(std::max(dart, 0));
    const QString tolerance = dprozCombo_->currentText();
    dprozCombo_->clear();
    for (const int percent : {5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 60, 70, 80, 90})
        dprozCombo_->addItem(QString::number(percent));
    dprozCombo_->setEditText(tolerance);
}

void TSpeedPages::resizeEvent(QResizeEvent* event) {
    QTabWidget::resizeEvent(event);
    // Each tab takes a third of the page width.
    const int tabWidth = std::max(width() / 3 - 4, 40);
    if (tabWidth == tabWidth_) return;
    tabWidth_ = tabWidth;
    tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { width: %1px; }").arg(tabWidth));
}

} // namespace corvane
