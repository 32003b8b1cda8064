#pragma once

#include "selection/TLayoutSeiteAusw.h"
#include "ui/curves/TCurveWindowContext.h"
#include "ui/reports/ReportOutput.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class QAbstractButton;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class QScrollArea;
class QStackedWidget;

namespace corvane {

class TPagePreview;
class TPdfs;
class TReportBuilder;
struct TMapLines;
struct TMapSettings;

// "Druckerausgabe mit Vorschau": the evaluation window. Composes the pages of five layouts
// (diagrams stacked on a page, or one whole-page evaluation), previews the current page at
// paper proportions, prints page ranges, copies a page to the clipboard and keeps a remark per
// page. Works on a copy of the layouts; only printing and "Auswahl beenden" write them back
// into the settings.
class TAuswertungForm : public QDialog {
    Q_OBJECT
public:
    // Stand-ins for the modal parts, so that nothing blocks when no one is there to answer.
    using TPrintPrompt = std::function<std::optional<TPrintRequest>(
        QPrinter& printer, int pageCount, int currentPage, QWidget* parent)>;
    using TRemarkPrompt =
        std::function<std::optional<QString>(const QString& text, QWidget* parent)>;
    using TMapPrompt =
        std::function<bool(TMapSettings& settings, const TMapLines* last, QWidget* parent)>;
    using TPopupRunner = std::function<void(QMenu& menu, QPoint globalPosition)>;

    explicit TAuswertungForm(const TCurveWindowContext& context, QWidget* parent = nullptr);
    ~TAuswertungForm() override;

    int CurrentLayout() const { return layout_; } // 1..5
    int CurrentPage() const { return page_; }     // 1..count + 1
    const TLayoutSeiteAusw& Layouts() const { return layouts_; }
    const TLayout& Layout() const;
    bool Busy() const { return busy_; }
    TPagePreview* Preview() const { return preview_; }

    void SelectLayout(int layout);
    void NextPage();
    void PreviousPage();
    // 0 full page, 1 double, 2 fourfold size.
    void SetZoom(int index);

    // The page menu's operations on the current page; `band` is the clicked diagram (1-based).
    void AddEvaluation(int code);
    void DeleteEvaluation(int band);
    void DeletePage();
    void EditRemark();
    void EditMap();
    void CopyToClipboard();
    // Asks for printer and range, prints, writes the layouts back and closes with OK. False
    // when cancelled or the printer failed (the window stays open).
    bool Print();
    // "Auswahl beenden": writes the layouts back and closes with OK.
    void Finish();
    // Opens the page menu for a click at a preview point.
    void ShowPageMenu(QPoint position);

    void SetPrintPrompt(TPrintPrompt prompt) { printPrompt_ = std::move(prompt); }
    void SetPrinter(QPrinter* printer) { printer_ = printer; }
    void SetRemarkPrompt(TRemarkPrompt prompt) { remarkPrompt_ = std::move(prompt); }
    void SetMapPrompt(TMapPrompt prompt) { mapPrompt_ = std::move(prompt); }
    void SetPopupRunner(TPopupRunner runner) { popupRunner_ = std::move(runner); }

    QAbstractButton* SpeedButton(int layout) const;
    QPushButton* DruckBtn() const { return druckBtn_; }
    QPushButton* ExitAuswBtn() const { return exitBtn_; }
    QPushButton* CancelBtn() const { return cancelBtn_; }
    QPushButton* PlusBtn() const { return plusBtn_; }
    QPushButton* MinusBtn() const { return minusBtn_; }
    QLabel* SeitePanel() const { return seitePanel_; }
    QLabel* PdfLabel() const { return pdfLabel_; }
    TPdfs* PdfView() const { return pdfs_; }

public Q_SLOTS:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildWidgets();
    // The current page built again and shown (after every change).
    void Refresh();
    void WriteBack();
    TLayout& EditLayout();
    TReportBuilder Builder() const;
    void FillMenu(QMenu& menu, int band);

    TCurveWindowContext context_;
    TLayoutSeiteAusw layouts_;
    int layout_ = 1;
    int page_ = 1;
    int zoom_ = 0;
    bool busy_ = false;

    TPrintPrompt printPrompt_;
    QPrinter* printer_ = nullptr; // the printer to use instead of a new one (tests)
    TRemarkPrompt remarkPrompt_;
    TMapPrompt mapPrompt_;
    TPopupRunner popupRunner_;

    std::array<QAbstractButton*, kLayoutCount> speedButtons_{};
    QPushButton* minusBtn_ = nullptr;
    QPushButton* plusBtn_ = nullptr;
    QLabel* seitePanel_ = nullptr;
    QLabel* pdfLabel_ = nullptr;
    QPushButton* druckBtn_ = nullptr;
    QPushButton* exitBtn_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    TPagePreview* preview_ = nullptr;
    TPdfs* pdfs_ = nullptr;
};

} // namespace corvane
