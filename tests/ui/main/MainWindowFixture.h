#pragma once

// A main window on the demo catalogue of the program folder, with its files in a temporary
// folder, scripted file choices and recorded messages, driven as a user would.

#include "mdb/TConfirmation.h"
#include "ui/main/TCorvaneMainForm.h"
#include "util/TUserMessage.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;

namespace corvane {

class TRequestPanel;
class TSpeedPages;

// Records the messages the program shows instead of showing them.
class TMessageRecorder : public TUserMessage {
public:
    void Show(const std::string& text) override { Messages.push_back(text); }
    std::vector<std::string> Messages;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates (and shows) the main window; `data` empty: the demo catalogue.
    TCorvaneMainForm& Open(const std::string& data = {}, bool show = true);
    // Destroys the window as at shut-down (writes the settings when it was shown).
    void Close();

    TRequestPanel& Panel() const;
    TSpeedPages& Pages() const;
    int Rows() const;
    void Type(QLineEdit* edit, const QString& text) const;
    // Chooses an entry of a list by the keyboard, as a user would.
    void Choose(QComboBox* combo, int index) const;
    void ClickSearch() const;
    // Clicks column 0 of a result row (toggles its chart mark).
    void ClickMarkCell(int row) const;
    // The right button on a row and the context-menu request that follows it.
    void OpenContextMenu(int row) const;
    // Opens the context menu on a row and triggers its cart command.
    void CartCommand(int row) const;
    std::vector<int> Marks() const;

    QTemporaryDir folder_;
    std::string settings_;
    std::string demoData_;
    QString chosenFile_;    // the file the scripted open and save dialogs choose
    QStringList arguments_; // the command line of the next window
    TMessageRecorder messages_;
    std::unique_ptr<TCorvaneMainForm> window_;
    std::vector<std::string> openedUrls_;
};

} // namespace corvane
