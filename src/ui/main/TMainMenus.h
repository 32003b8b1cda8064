#pragma once

#include <QObject>
#include <QVector>

class QAction;
class QMenu;
class QMenuBar;

namespace corvane {

// The menus of the main window: file (installation, open and save selections, exit), master
// data, settings (options), language and help (manual, about). Windows of other parts add their own
// items to these menus; a menu without a visible item hides itself, so nothing is shown that does
// nothing.
class TMainMenus : public QObject {
    Q_OBJECT
public:
    explicit TMainMenus(QMenuBar& bar);

    // Captions of the current text language; checks the entry of `languageIndex`.
    void ApplyTexts(int languageIndex);

    QMenu* FileMenu() const { return fileMenu_; }
    QMenu* MasterDataMenu() const { return stammMenu_; }
    QMenu* SettingsMenu() const { return einstMenu_; }
    QMenu* LanguageMenu() const { return langMenu_; }
    QMenu* HelpMenu() const { return helpMenu_; }
    QAction* InstallAction() const { return instMen_; }
    QAction* LoadAction() const { return loadMen_; }
    QAction* LoadMarksAction() const { return loadSelMen_; }
    QAction* SaveAction() const { return saveMen_; }
    QAction* ExitAction() const { return exitMen_; }
    QAction* OptionsAction() const { return optMen_; }
    QAction* AboutAction() const { return aboutMen_; }
    QAction* ManualAction() const { return anleitungMen_; }
    QAction* LanguageAction(int index) const;
    int LanguageCount() const { return static_cast<int>(languages_.size()); }

Q_SIGNALS:
    // The user chose a language/unit entry.
    void languageChosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenu* AddMenu(QMenuBar& bar, const char* name);
    QAction* AddAction(QMenu* menu, const char* name);
    static void UpdateVisibility(QMenu* menu);

    QMenu* fileMenu_ = nullptr;
    QMenu* stammMenu_ = nullptr;
    QMenu* einstMenu_ = nullptr;
    QMenu* langMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* instMen_ = nullptr;
    QAction* loadMen_ = nullptr;
    QAction* loadSelMen_ = nullptr;
    QAction* saveMen_ = nullptr;
    QAction* exitMen_ = nullptr;
    QAction* optMen_ = nullptr;
    QAction* aboutMen_ = nullptr;
    QAction* anleitungMen_ = nullptr;
    QVector<QAction*> languages_;
};

} // namespace corvane
