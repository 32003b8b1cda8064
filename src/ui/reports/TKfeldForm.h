#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

namespace corvane {

struct TMapLines;
struct TMapSettings;

// "Kennlinienfeld": the settings of the characteristic map. Shows the settings given, refills
// the speed lists when the speed series changes, and on OK parses every field (typed numbers
// with "," or "."), clamps them and writes them back.
class TKfeldForm : public QDialog {
    Q_OBJECT
public:
    // `last`, when given, is the last computed map: its efficiencies at the left end, the best
    // point and the right end are shown.
    TKfeldForm(TMapSettings& settings, const TMapLines* last, QWidget* parent = nullptr);

    void accept() override;

    QComboBox* EtaStepCombo() const { return etaStep_; }
    QComboBox* EtaMin0Combo() const { return etaMin0_; }
    QComboBox* EtaMin1Combo() const { return etaMin1_; }
    QComboBox* NReiheCombo() const { return nReihe_; }
    QComboBox* NMinCombo() const { return nMin_; }
    QComboBox* NMaxCombo() const { return nMax_; }
    QComboBox* NBetrCombo() const { return nBetr_; }
    QComboBox* DbStepCombo() const { return dbStep_; }
    QLabel* EtaLabel() const { return etaLabel_; }

private:
    void FillSpeeds();
    static QComboBox* Combo(QWidget* parent, const QString& name, bool editable);

    TMapSettings& settings_;
    QComboBox* etaStep_;
    QComboBox* etaMin0_;
    QComboBox* etaMin1_;
    QComboBox* nReihe_;
    QComboBox* nPoly_;
    QComboBox* nMin_;
    QComboBox* nMax_;
    QComboBox* nBetr_;
    QComboBox* reiheP_;
    QComboBox* pPoly_;
    QComboBox* dbStep_;
    QComboBox* dbPoly_;
    QLabel* etaLabel_;
};

} // namespace corvane
