#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>

class QAbstractButton;
class QFrame;
class QLabel;
class QPushButton;
class QTableView;
class QTimer;
class QToolButton;

namespace corvane {

class AcousticAnalyser;
class TCatalogue;
class TClock;
class TMwEditor;
class TMwGridModel;
class TQtRigProgram;
enum class TextId : int;
struct TInstallationSettings;

// The measured-values editor window: the points of the series loaded in the catalogue's
// measured-points table as a grid, the mode buttons, the status line in the mode's colour,
// the sound panel, and the once-a-second timer while measuring. All logic lives in
// TMwEditor; the window shows its state and passes the user's actions on.
class TMwEditForm : public QDialog {
    Q_OBJECT
public:
    // `openMode` 2 starts measuring, 3 editing. `clock` (not owned) replaces the system's
    // clock for tests.
    TMwEditForm(TCatalogue& catalogue, const TInstallationSettings& installation, int openMode,
                QWidget* parent = nullptr, const TClock* clock = nullptr);
    ~TMwEditForm() override;

    // Edits the series record for "Messreihe bearbeiten"; without one the button is off.
    void SetSeriesEditor(std::function<bool(std::int32_t)> editor);
    // Shows refusals (validation errors); by default in a message box.
    void SetErrorHandler(std::function<void(const QString&)> handler);

    TMwEditor& Editor() { return *editor_; }
    TQtRigProgram& RigProgram() { return *rig_; }
    QTimer& Timer() { return *timer_; }
    TMwGridModel& Model() { return *model_; }

    void accept() override;
    void reject() override;

public Q_SLOTS:
    // One timer step (also what the timer calls).
    void TimerTick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Point columns share the grid's width, so that scrolled to the newest points no column
    // is cut off at the captions.
    void FitColumns();
    void BuildWindow();
    QToolButton* ModeButton(const char* name, TextId text, int mode);
    void ModeButtonClicked(int mode, bool checked);
    // Runs an action of the editor; a refusal is shown and its cell selected.
    bool Run(const std::function<void()>& action);
    void UpdateView();
    void UpdateStatus();
    void UpdateSoundPanel();
    void ShowGridMenu(const QPoint& position);
    void CopyTable();
    int CurrentGridColumn() const;

    std::unique_ptr<const TClock> ownClock_;
    const TClock* clock_;
    std::unique_ptr<AcousticAnalyser> analyser_;
    std::unique_ptr<TMwEditor> editor_;
    TQtRigProgram* rig_;
    TMwGridModel* model_;
    QTimer* timer_;
    std::function<void(const QString&)> errorHandler_;
    std::uint64_t shownColumns_ = 0; // the editor's column revision the view has scrolled to

    QToolButton* startBtn_ = nullptr;
    QToolButton* editBtn_ = nullptr;
    QToolButton* seriesBtn_ = nullptr;
    QPushButton* stopBtn_ = nullptr;
    QPushButton* showBtn_ = nullptr;
    QLabel* status_ = nullptr;
    QFrame* soundPanel_ = nullptr;
    QLabel* soundLabel_ = nullptr;
    QPushButton* repeatBtn_ = nullptr;
    QPushButton* noSoundBtn_ = nullptr;
    QTableView* grid_ = nullptr;
};

} // namespace corvane
