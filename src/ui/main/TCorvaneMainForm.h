#pragma once

#include "session/TSelectionSession.h"
#include "setup/InstallOffer.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

class QAbstractButton;
class QHBoxLayout;
class QMenu;
class QPushButton;
class QToolButton;
class QUrl;

namespace corvane {

class TCatalogue;
class TCurveCommands;
class TEvaluationCommands;
class TMasterDataMenu;
class TMainMenus;
class TQtConfirmation;
class TQtUserMessage;
class TRequestPanel;
class TResultContextMenu;
class TResultPanel;
class TStatusLine;
struct TRequestInput;

// Where the main window finds its files and how it reaches the desktop. Empty paths take the
// program's own: the program folder of the running executable, the user's settings file, the
// data file "Corvane.mem" in the program folder.
struct TMainFormOptions {
    std::string SettingsPath;
    std::string DataFile;
    QStringList Arguments; // the command line without the program
    // Opens a document with the desktop's program (data sheets); QDesktopServices by default.
    std::function<bool(const QUrl&)> OpenUrl;
    // Chooses a selection file to open (save = false) or to save; an empty text cancels. The
    // file dialogs by default.
    std::function<QString(QWidget* owner, const QString& preset, bool save)> ChooseFile;
};

// The main window: the search inputs, the result grid with its context menu, the cart page,
// the status line and the menus. It shows what the selection session holds and reports what
// the user did; the session decides. Creating the window reads the settings and the data file
// (a data error is shown, the window appears once and the program then ends); closing it
// stores its placement, destroying it writes the settings when it had been shown.
//
// Other windows hook in without changing it: they add items to the menus and the context
// menu, buttons to the button bar, and follow the signals below.
class TCorvaneMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TCorvaneMainForm(TMainFormOptions options = {}, QWidget* parent = nullptr);
    ~TCorvaneMainForm() override;

    TSelectionSession& Session() { return *session_; }
    TCatalogue& Catalogue() { return *catalogue_; }

    // ---- hooks for the other windows --------------------------------------------------
    QMenu* FileMenu() const;
    QMenu* MasterDataMenu() const;
    QMenu* SettingsMenu() const;
    QMenu* HelpMenu() const;
    TResultContextMenu* ResultContextMenu() const { return contextMenu_; }
    // The curve windows with their button and font item.
    TCurveCommands* CurveCommands() const { return curves_.get(); }
    // The print preview button and the printer items of the file menu.
    TEvaluationCommands* EvaluationCommands() const { return evaluation_; }
    // The table browsers of the master-data menu.
    TMasterDataMenu* MasterData() const { return masterData_; }
    // Adds a button to the bar beside the search button (curve window, print preview, ...).
    void AddButton(QAbstractButton* button);
    // The evaluation font was changed (font dialog): tells the windows that draw with it.
    void NotifyFontChanged();

    // ---- state ---------------------------------------------------------------------------
    // True when the data file could not be read: the program ends once the window was shown.
    bool DataError() const { return dataError_; }
    // What the command line asked: the installation offered in the menu, run at start-up.
    const TInstallOffer& InstallOffer() const { return install_; }
    // The last selection file chosen in the open or save dialog.
    const QString& SelectionFile() const { return selectionFile_; }
    // The result row under the grid's selection, -1 when none.
    int SelectedRow() const;

    // ---- parts, by role (tests drive them) ----------------------------------------------
    TRequestPanel* RequestPanel() const { return requestPanel_; }
    TResultPanel* ResultPanel() const { return resultPanel_; }
    TStatusLine* StatusLine() const { return statusLine_; }
    TMainMenus* Menus() const { return menus_; }
    QPushButton* SearchButton() const { return suchBtn_; }
    QToolButton* SaveButton() const { return saveBtn_; }
    QToolButton* LoadMarksButton() const { return loadSelBtn_; }
    QPushButton* HelpButton() const { return helpBtn_; }

public Q_SLOTS:
    // The commands of buttons and menus.
    void SearchClicked();
    void SaveSelection();
    void SaveQuickSelection();
    void OpenSelection();
    void OpenQuickSelectionMarks();
    void ChooseLanguage(int index);
    void EditOptions();
    void EditDensity();
    void ShowAbout();
    void ShowManual();
    // The installation command; ends the program when the set-up window closed with OK.
    void Install();
    void ToggleChartMark(int row);
    void ToggleCart(int row);
    void EmptyCart();
    void ShowContextMenu(int row, const QPoint& globalPos);
    void OpenDataSheet(const QString& file);
    void ShowPicture();

Q_SIGNALS:
    // The result rows, their chart marks or the cart changed (curve window, print preview).
    void resultsChanged();
    // Texts and units were applied again (every open window follows).
    void languageChanged();
    // The evaluation font changed.
    void fontChanged();
    // The main window was hidden.
    void mainWindowHidden();
    // A data sheet is about to be opened with the desktop's program.
    void dataSheetOpening(const QString& file);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    QWidget* BuildButtonBar();
    void Connect();
    // The windows of the other parts: curves, evaluation (MainFormWindows.cpp).
    void AttachWindows();
    void LoadSettings();
    void LoadDataFile();
    void TakeCommandLine();
    void FormShow();
    void ShowStartupWarning();

    // Texts of every control, the language menu's check mark and the request in the controls.
    void ApplyLanguage();
    void ShowRequest();
    // Grid, sort list, annotation lines, status line and search button from the session.
    void RefreshResults();
    void InputChanged(ERequestInput which);
    TRequestInput CurrentInput() const;
    // Shows the message of a failed operation; then refreshes the results.
    void Report(const TOutcome& outcome);
    QString ChooseFile(const QString& preset, bool save);

    TMainFormOptions options_;
    std::string settingsPath_;
    std::unique_ptr<TCatalogue> catalogue_;
    std::unique_ptr<TSelectionSession> session_;
    std::unique_ptr<TQtConfirmation> confirmation_;
    std::unique_ptr<TQtUserMessage> messages_;
    TMainMenus* menus_ = nullptr;
    TRequestPanel* requestPanel_ = nullptr;
    QHBoxLayout* buttonBar_ = nullptr;
    QPushButton* suchBtn_ = nullptr;
    QToolButton* saveBtn_ = nullptr;
    QToolButton* loadSelBtn_ = nullptr;
    QPushButton* helpBtn_ = nullptr;
    TResultPanel* resultPanel_ = nullptr;
    TStatusLine* statusLine_ = nullptr;
    TResultContextMenu* contextMenu_ = nullptr;
    QString selectionFile_;
    int contextRow_ = -1;             // the row the context menu was opened on
    std::int32_t contextPicture_ = 0; // its picture
    bool everShown_ = false;
    bool dataError_ = false;
    TInstallOffer install_;
    TEvaluationCommands* evaluation_ = nullptr;
    TMasterDataMenu* masterData_ = nullptr;
    // Last: the curve windows go before the catalogue and the session they show.
    std::unique_ptr<TCurveCommands> curves_;
};

} // namespace corvane
