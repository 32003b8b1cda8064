#pragma once

#include "setup/TInstallation.h"

#include <QDialog>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace corvane {

// The set-up window: target folder, language/unit entry and three ways out.
//  OkBtn "Corvane installieren": installs with a progress bar, then closes with OK (also
//      after a failure, whose text Error() then holds), so that the caller ends the program.
//  CancelBtn "Corvane von CD starten": closes with Cancel; the program runs from where it is.
//  AbortBtn "Abbrechen": closes with OK without installing; the caller ends the program.
// Choosing a language/unit entry switches the process-wide text language and unit system at
// once and shows the window's texts in that language.
class TInstallForm : public QDialog {
    Q_OBJECT

public:
    TInstallForm(TInstallSource source, TUserFolders user, int languageIndex,
                 QWidget* parent = nullptr);

    int LanguageIndex() const { return m_languageIndex; }
    QString Folder() const;
    void SetFolder(const QString& folder);
    // True once an installation ran to its end.
    bool Installed() const { return m_installed; }
    // The failure that ended an installation; empty when none.
    const std::string& Error() const { return m_error; }
    // The resolved installation folder after a run.
    const std::string& InstalledFolder() const { return m_installedFolder; }

private:
    void ApplyTexts();
    void ChooseLanguage(int comboIndex);
    void ChooseFolder();
    void Install();

    TInstallSource m_source;
    TUserFolders m_user;
    int m_languageIndex;
    bool m_installed = false;
    std::string m_error;
    std::string m_installedFolder;

    QLabel* m_zielLabel;
    QLineEdit* m_zielEdit;
    QToolButton* m_zielButton;
    QComboBox* m_unitCombo;
    QProgressBar* m_progress;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QPushButton* m_abortButton;
};

} // namespace corvane
