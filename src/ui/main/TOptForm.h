#pragma once

#include "settings/TInstallationSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace corvane {

struct TSettings;

// The options dialog ("Einstellungen"): operator name, curve smoothing, marking of measured
// points, language and units, and the distance sound levels are converted to; its button
// "Messwerterfassung" opens the test rig's installation settings. OK writes the choices into
// the settings; cancel changes nothing, also not what the rig dialog took.
class TOptForm : public QDialog {
    Q_OBJECT
public:
    explicit TOptForm(TSettings& settings, QWidget* parent = nullptr);

    // Shows the dialog; true when it was closed with OK.
    static bool OpenOptions(QWidget* owner, TSettings& settings);

    QLineEdit* BearbEdit() const { return bearbEdit_; }
    QComboBox* PolyCombo() const { return polyCombo_; }
    QCheckBox* PunkteBox() const { return punkteBox_; }
    QComboBox* UnitCombo() const { return unitCombo_; }
    QCheckBox* LpAbstandBox() const { return lpAbstandBox_; }
    QLineEdit* LpAbstandEdit() const { return lpAbstandEdit_; }
    QLabel* DistLabel() const { return distLabel_; }
    QPushButton* OkButton() const { return okBtn_; }
    QPushButton* CancelButton() const { return cancelBtn_; }
    QPushButton* RigButton() const { return rigBtn_; }

private:
    void BuildControls();
    void FillTexts();
    void ShowSettings();
    void Confirm();
    void EditInstallation();

    TSettings& settings_;
    int units_;
    QLabel* bearbeiterLabel_ = nullptr;
    QLineEdit* bearbEdit_ = nullptr;
    QLabel* polyLabel_ = nullptr;
    QComboBox* polyCombo_ = nullptr;
    QCheckBox* punkteBox_ = nullptr;
    QLabel* langLabel_ = nullptr;
    QComboBox* unitCombo_ = nullptr;
    QCheckBox* lpAbstandBox_ = nullptr;
    QLabel* distLabel_ = nullptr;
    QLineEdit* lpAbstandEdit_ = nullptr;
    QPushButton* okBtn_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
    QPushButton* rigBtn_ = nullptr;
    TInstallationSettings installation_; // what the rig dialog took, written on OK
};

} // namespace corvane
