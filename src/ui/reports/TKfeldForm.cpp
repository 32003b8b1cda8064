#include "ui/reports/TKfeldForm.h"

#include "model/TMapLines.h"
#include "model/TMapSettings.h"
#include "render/reports/ReportTexts.h"
#include "util/Numbers.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace corvane {

namespace {

const QStringList kSeries{QStringLiteral("R20"), QStringLiteral("R10"), QStringLiteral("R5")};

QString Whole(double value) {
    return QString::number(value, 'f', 0);
}

double Parse(const QComboBox* combo) {
    return ParseNumber(combo->currentText().toStdString());
}

void FillPolynomials(QComboBox* combo, int order) {
    for (int n = 2; n <= 9; ++n)
        combo->addItem(RepText(ERep::PolyItem).arg(n));
    combo->setCurrentIndex(std::clamp(order, 2, 9) - 2);
}

void SetText(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    if (index >= 0)
        combo->setCurrentIndex(index);
    else
        combo->setEditText(text);
}

} // namespace

QComboBox* TKfeldForm::Combo(QWidget* parent, const QString& name, bool editable) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(editable);
    return combo;
}

TKfeldForm::TKfeldForm(TMapSettings& settings, const TMapLines* last, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("TKfeldForm"));
    setWindowTitle(RepText(ERep::KfeldTitle));
    etaStep_ = Combo(this, QStringLiteral("EtaStepCombo"), true);
    etaMin0_ = Combo(this, QStringLiteral("EtaMin0Combo"), true);
    etaMin1_ = Combo(this, QStringLiteral("EtaMin1Combo"), true);
    nReihe_ = Combo(this, QStringLiteral("nReiheCombo"), false);
    nPoly_ = Combo(this, QStringLiteral("nPolyCombo"), false);
    nMin_ = Combo(this, QStringLiteral("nMinCombo"), true);
    nMax_ = Combo(this, QStringLiteral("nMaxCombo"), true);
    nBetr_ = Combo(this, QStringLiteral("nBetrCombo"), true);
    reiheP_ = Combo(this, QStringLiteral("ReihePcombo"), false);
    pPoly_ = Combo(this, QStringLiteral("pPolyCombo"), false);
    dbStep_ = Combo(this, QStringLiteral("DbStepCombo"), true);
    dbPoly_ = Combo(this, QStringLiteral("DbPolyCombo"), false);

    etaStep_->addItems({QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("10")});
    for (int eta = 10; eta <= 90; eta += 5) {
        etaMin0_->addItem(QString::number(eta));
        etaMin1_->addItem(QString::number(eta));
    }
    nReihe_->addItems(kSeries);
    reiheP_->addItems(kSeries);
    nBetr_->addItems({QStringLiteral("0"), QStringLiteral("450"), QStringLiteral("600"),
                      QStringLiteral("900"), QStringLiteral("1450"), QStringLiteral("2900")});
    for (int db = 2; db <= 10; ++db)
        dbStep_->addItem(QString::number(db));
    FillPolynomials(nPoly_, settings.SpeedPoly);
    FillPolynomials(pPoly_, settings.PowerPoly);
    FillPolynomials(dbPoly_, settings.SoundPoly);

    SetText(etaStep_, QString::number(settings.EtaStep));
    SetText(etaMin0_, QString::number(settings.EtaMin0));
    SetText(etaMin1_, QString::number(settings.EtaMin1));
    nReihe_->setCurrentIndex(std::clamp(settings.SpeedSeries, 0, 2));
    reiheP_->setCurrentIndex(std::clamp(settings.PowerSeries, 0, 2));
    SetText(nBetr_, Whole(settings.OpSpeed));
    SetText(dbStep_, QString::number(settings.SoundStep));
    FillSpeeds();
    connect(nReihe_, &QComboBox::currentIndexChanged, this, [this] { FillSpeeds(); });

    etaLabel_ = new QLabel(this);
    etaLabel_->setObjectName(QStringLiteral("EtaLabel"));
    if (last != nullptr && !last->Empty())
        etaLabel_->setText(RepText(ERep::MapEfficiency) + QStringLiteral("  =  ") +
                           Whole(last->LeftEfficiency) + QStringLiteral("  ...  ") +
                           Whole(last->BestEfficiency) + QStringLiteral("  ...  ") +
                           Whole(last->RightEfficiency));

    auto* form = new QFormLayout;
    form->addRow(RepText(ERep::EtaStepLabel), etaStep_);
    form->addRow(RepText(ERep::EtaMin0Label), etaMin0_);
    form->addRow(RepText(ERep::EtaMin1Label), etaMin1_);
    form->addRow(etaLabel_);
    form->addRow(RepText(ERep::NReiheLabel), nReihe_);
    form->addRow(RepText(ERep::PolyGroupSpeed), nPoly_);
    form->addRow(RepText(ERep::NMinLabel), nMin_);
    form->addRow(RepText(ERep::NMaxLabel), nMax_);
    form->addRow(RepText(ERep::NBetrLabel), nBetr_);
    form->addRow(RepText(ERep::ReihePLabel), reiheP_);
    form->addRow(RepText(ERep::PolyGroupPower), pPoly_);
    form->addRow(RepText(ERep::DbStepLabel), dbStep_);
    form->addRow(RepText(ERep::PolyGroupSound), dbPoly_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(RepText(ERep::OkBtn));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setText(RepText(ERep::CancelBtn));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TKfeldForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TKfeldForm::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void TKfeldForm::FillSpeeds() {
    const double lo = nMin_->count() > 0 ? Parse(nMin_) : settings_.MinSpeed;
    const double hi = nMax_->count() > 0 ? Parse(nMax_) : settings_.MaxSpeed;
    nMin_->clear();
    nMax_->clear();
    nMin_->addItem(QStringLiteral("min"));
    nMax_->addItem(QStringLiteral("max"));
    for (const double speed : SeriesSpeeds(nReihe_->currentIndex())) {
        nMin_->addItem(Whole(speed));
        nMax_->addItem(Whole(speed));
    }
    SetText(nMin_, lo < 1 ? QStringLiteral("min") : Whole(lo));
    SetText(nMax_, hi < 1 ? QStringLiteral("max") : Whole(hi));
}

void TKfeldForm::accept() {
    settings_.EtaStep = std::clamp(Parse(etaStep_), 2.0, 100.0);
    settings_.EtaMin0 = std::clamp(Parse(etaMin0_), 0.0, 100.0);
    settings_.EtaMin1 = std::clamp(Parse(etaMin1_), 0.0, 100.0);
    settings_.SpeedSeries = std::max(0, nReihe_->currentIndex());
    settings_.PowerSeries = std::max(0, reiheP_->currentIndex());
    settings_.SpeedPoly = nPoly_->currentIndex() + 2;
    settings_.PowerPoly = pPoly_->currentIndex() + 2;
    settings_.SoundPoly = dbPoly_->currentIndex() + 2;
    // "min" and "max" parse as 0: the ends of the series.
    settings_.MinSpeed = Parse(nMin_);
    settings_.MaxSpeed = Parse(nMax_);
    settings_.OpSpeed = Parse(nBetr_);
    settings_.SoundStep = std::clamp(static_cast<int>(Parse(dbStep_)), 2, 10);
    QDialog::accept();
}

} // namespace corvane
