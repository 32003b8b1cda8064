#pragma once

#include "ui/curves/TCurveWindowContext.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QFont;
class QPushButton;
class QWidget;

namespace corvane {

class TCorvaneMainForm;
class TCurveWindows;
class TMessAuswahl;

// The main window's curve windows: the button "Kennlinien anzeigen" (KennlBtn) opens the
// diagram window of code 1 on the marked result rows, the settings menu's font item (FontMen)
// chooses the evaluation font. The open windows follow the result list, the marks, the font
// and the language, and close when the main window is hidden. The series selection they show
// is built from the marked rows, also for the evaluation window (PrepareSelection).
class TCurveCommands : public QObject {
    Q_OBJECT
public:
    // The font dialog: the chosen font, nullopt when cancelled.
    using TFontChooser = std::function<std::optional<QFont>(QWidget* parent, const QFont& font)>;

    explicit TCurveCommands(TCorvaneMainForm& form);
    ~TCurveCommands() override;

    QPushButton* KennlBtn() const { return kennlBtn_; }
    QAction* FontMen() const { return fontMen_; }
    TCurveWindows& Windows() const { return *windows_; }
    const TCurveWindowContext& Context() const { return *context_; }
    void SetFontChooser(TFontChooser chooser) { chooseFont_ = std::move(chooser); }

    // Fills the series selection from the marked result rows with the request's duty point.
    void PrepareSelection();

public Q_SLOTS:
    void OpenCurves();
    void EditFont();

private:
    void ResultsChanged();
    void ApplyTexts();
    std::string SlotName(int displayNo) const;

    TCorvaneMainForm& form_;
    std::unique_ptr<TMessAuswahl> selection_;
    std::unique_ptr<TCurveWindowContext> context_;
    std::unique_ptr<TCurveWindows> windows_;
    QPushButton* kennlBtn_;
    QAction* fontMen_;
    TFontChooser chooseFont_;
};

} // namespace corvane
