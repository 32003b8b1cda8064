#pragma once

#include "model/TCurveSet.h"
#include "render/curves/TPointPicker.h"
#include "selection/TPointTable.h"
#include "ui/curves/TCurveWindowContext.h"

#include <QWidget>
#include <functional>
#include <optional>

class QComboBox;
class QMenu;
class QPrinter;
class QPushButton;
class QSplitter;
class QTableView;

namespace corvane {

class TCurvePanel;
class TPointTableModel;
struct TCurveDiagramData;

// A characteristic-curve window: the curves of the series selection as one diagram of a
// curve kind (its index 1..28), with the operating point, the selected flows or system
// parabolas and the table of every curve at those points. The window only presents: the
// curve set, point lists and table values come from core.
class TKennlForm : public QWidget {
    Q_OBJECT
public:
    // Stand-ins for the modal parts, so that nothing blocks when no one is there to answer:
    // the remark dialog (nullopt: cancelled), the printer dialog (false: cancelled) and the
    // context menus (the default runs them with exec).
    using TRemarkPrompt = std::function<std::optional<QString>(QWidget* parent)>;
    using TPrinterSetup = std::function<bool(QPrinter& printer, QWidget* parent)>;
    using TPopupRunner = std::function<void(QMenu& menu, QPoint globalPosition)>;

    TKennlForm(const TCurveWindowContext& context, int index, bool selectionMode, bool listModeFlag,
               QWidget* parent = nullptr);
    ~TKennlForm() override;

    int Index() const { return index_; }
    int DiagramCode() const { return code_; }
    int ShowMode() const { return picker_.ShowMode(); }
    bool SelectionMode() const { return selectionMode_; }
    bool ListModeFlag() const { return listModeFlag_; }
    bool Busy() const { return busy_; }
    const TCurveSet& CurveSet() const { return set_; }
    const QString& Remark() const { return remark_; }

    // Builds the curve set again from the selection and repaints (after every result change).
    void Reload();
    // Texts in the current language, then Reload.
    void ApplyLanguage();
    // Shows another curve kind in this window.
    void SetDiagramCode(int code);
    // 0 nothing extra, 1 selected points, 2 system parabolas.
    void SetShowMode(int mode);
    // The diagram at 800 × 600 pixels in the print language onto the clipboard.
    void CopyToClipboard();
    // Asks for the remark, then the printer, and prints the diagram. False when cancelled
    // or the printer failed.
    bool PrintDiagram();

    void SetRemarkPrompt(TRemarkPrompt prompt) { remarkPrompt_ = std::move(prompt); }
    void SetPrinterSetup(TPrinterSetup setup) { printerSetup_ = std::move(setup); }
    void SetPopupRunner(TPopupRunner runner) { popupRunner_ = std::move(runner); }

    QComboBox* AuswahlBox() const { return auswahlBox_; }
    QTableView* AnzeigeGrid() const { return grid_; }
    TCurvePanel* Panel() const { return panel_; }
    QPushButton* CopyBtn() const { return copyBtn_; }
    QPushButton* PrintBtn() const { return printBtn_; }
    QPushButton* CloseBtn() const { return closeBtn_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWidgets();
    void ApplyTexts();
    void FillAuswahlBox();
    void RestoreSetting();
    void SaveSetting();
    // After a change of the point lists or the mode: table, current row, repaint.
    void Refresh();
    void ApplyGridHeight();
    TCurveDiagramData Snapshot() const;
    TPointPicker::TTarget Target() const;
    bool PointsShown() const;
    bool HandlePointKey(QKeyEvent* event);
    void OnPanelPressed(QPoint pixel, Qt::MouseButton button);
    void OnPanelMoved(QPoint pixel);
    void OnPanelReleased(QPoint pixel, Qt::MouseButton button);
    void OnGridRowChanged(int row);
    void RunPointMenu(QPoint globalPosition, bool insertAllowed);

    TCurveWindowContext context_;
    int index_;
    int code_;
    bool selectionMode_;
    bool listModeFlag_;
    bool busy_ = false;
    bool updatingGrid_ = false;
    int gridHeight_ = 150;
    QString remark_;
    TCurveSet set_;
    TPointTable table_;
    TPointPicker picker_;

    TRemarkPrompt remarkPrompt_;
    TPrinterSetup printerSetup_;
    TPopupRunner popupRunner_;

    QComboBox* auswahlBox_ = nullptr;
    QPushButton* copyBtn_ = nullptr;
    QPushButton* printBtn_ = nullptr;
    QPushButton* closeBtn_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QTableView* grid_ = nullptr;
    TPointTableModel* model_ = nullptr;
    TCurvePanel* panel_ = nullptr;
};

} // namespace corvane
