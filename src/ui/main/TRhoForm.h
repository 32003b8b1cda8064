#pragma once

#include "physics/TDensityInput.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace corvane {

class TIniFile;

// The density dialog: the density typed directly, worked out from air pressure and
// temperature, or reset to the standard density. Pressure and temperature are remembered
// between uses with the window placement.
class TRhoForm : public QDialog {
    Q_OBJECT
public:
    // `store` keeps the placement and the remembered values.
    TRhoForm(TIniFile& store, double density, QWidget* parent = nullptr);

    // Shows the dialog; true with the new density in `density` when the user confirmed a
    // change, false with `density` unchanged otherwise.
    static bool EditDensity(QWidget* owner, TIniFile& store, double& density);

    double Density() const { return input_.Density(); }
    bool Modified() const { return input_.Modified(); }

    QLineEdit* DensityEdit() const { return aktRhoEdit_; }
    QLineEdit* PressureEdit() const { return aktPedit_; }
    QLineEdit* TemperatureEdit() const { return aktTedit_; }
    QPushButton* StandardDensityButton() const { return normdichteBtn_; }
    QPushButton* OkButton() const { return okBtn_; }

    void done(int result) override;

private:
    void BuildControls();
    void ApplyTexts();
    void ShowValues();
    void DensityTyped();
    void AirStateTyped();
    void UseStandardDensity();
    void Confirm();

    TIniFile& store_;
    TDensityInput input_;
    int units_;
    QLabel* dichteLabel_ = nullptr;
    QLabel* druckLabel_ = nullptr;
    QLabel* tempLabel_ = nullptr;
    QLabel* dichteEinhLabel_ = nullptr;
    QLabel* druckEinhLabel_ = nullptr;
    QLabel* tempEinhLabel_ = nullptr;
    QLineEdit* aktRhoEdit_ = nullptr;
    QLineEdit* aktPedit_ = nullptr;
    QLineEdit* aktTedit_ = nullptr;
    QPushButton* normdichteBtn_ = nullptr;
    QPushButton* okBtn_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
};

} // namespace corvane
