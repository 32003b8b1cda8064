#pragma once

#include "settings/TInstallationSettings.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace corvane {

// The installation settings of the test rig: exchange files, the acquisition program of each
// rig code, the acoustic analyser. Reached from the options dialog.
class TInstallationDialog : public QDialog {
    Q_OBJECT
public:
    explicit TInstallationDialog(const TInstallationSettings& settings, QWidget* parent = nullptr);

    void Load(const TInstallationSettings& settings);
    TInstallationSettings Settings() const;

    // Shows the dialog; on OK the settings take the entered values. True on OK.
    static bool Edit(QWidget* parent, TInstallationSettings& settings);

private:
    QLineEdit* input_;
    QLineEdit* output_;
    std::array<QLineEdit*, TInstallationSettings::kRigCodes> rigs_{};
    QLineEdit* project_;
    QCheckBox* simulated_;
    QSpinBox* duration_;
};

} // namespace corvane
