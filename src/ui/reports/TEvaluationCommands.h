#pragma once

#include "ui/curves/TCurveWindowContext.h"

#include <QObject>
#include <functional>
#include <memory>

class QAction;
class QPrinter;
class QPushButton;
class QWidget;

namespace corvane {

// The main window's commands of the printouts: the button "Druckvorschau anzeigen" (PrintBtn)
// that opens the evaluation window for the current selection, "Drucker &einrichten"
// (PrintSetupMen) and the hidden "&Drucken" (PrintMen) on the program's printer, which the
// evaluation window prints on. The main window places the button and the two menu items;
// `prepare` is called before the evaluation window opens (it fills the series selection from
// the marked results).
class TEvaluationCommands : public QObject {
    Q_OBJECT
public:
    TEvaluationCommands(const TCurveWindowContext& context, std::function<void()> prepare,
                        QWidget* window);
    ~TEvaluationCommands() override;

    QPushButton* PrintBtn() const { return printBtn_; }
    QAction* PrintSetupMen() const { return printSetupMen_; }
    QAction* PrintMen() const { return printMen_; }
    QPrinter& Printer() const { return *printer_; }

    // The button's command: the evaluation window, modal. True when it closed with printing
    // or "Auswahl beenden".
    bool ShowPreview();
    // Texts in the current language.
    void ApplyTexts();

private:
    TCurveWindowContext context_;
    std::function<void()> prepare_;
    QWidget* window_;
    std::unique_ptr<QPrinter> printer_;
    QPushButton* printBtn_;
    QAction* printSetupMen_;
    QAction* printMen_;
};

} // namespace corvane
