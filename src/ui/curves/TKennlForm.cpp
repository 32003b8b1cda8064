#include "ui/curves/TKennlForm.h"

#include "catalogue/TCatalogue.h"
#include "i18n/Language.h"
#include "measurements/TMdbMw.h"
#include "model/CurveKinds.h"
#include "model/TMessAuswahl.h"
#include "render/curves/CurvePalette.h"
#include "render/curves/TCurveDiagramData.h"
#include "render/diagram/DiagramText.h"
#include "selection/PointListEdit.h"
#include "settings/TSettings.h"
#include "ui/curves/CurveOutput.h"
#include "ui/curves/KennlTexts.h"
#include "ui/curves/TCurvePanel.h"
#include "ui/curves/TKennlSetting.h"
#include "ui/curves/TPointMenu.h"
#include "ui/curves/TPointTableModel.h"
#include "ui/curves/TPrintLanguage.h"
#include "ui/reports/TBemerkungForm.h"
#include "ui/reports/TRemarkHistory.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

namespace corvane {

namespace {

constexpr const char* kWindowClass = "TKennlForm";
constexpr int kMinGridHeight = TKennlSetting::kMinGridHeight;

// The busy flag while copying or printing, cleared again on every way out.
class TBusy {
public:
    explicit TBusy(bool& flag) : flag_(flag) { flag_ = true; }
    ~TBusy() { flag_ = false; }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

private:
    bool& flag_;
};

// The hourglass while output is being drawn.
class TWaitCursor {
public:
    TWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

std::optional<QString> AskRemark(QWidget* parent) {
    TBemerkungForm form(TRemarkHistory::Shared(), QString(), parent);
    if (form.exec() != QDialog::Accepted) return std::nullopt;
    return form.Text();
}

bool ChoosePrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

TKennlForm::TKennlForm(const TCurveWindowContext& context, int index, bool selectionMode,
                       bool listModeFlag, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), index_(index), code_(index),
      selectionMode_(selectionMode), listModeFlag_(listModeFlag),
      picker_(context.Settings.SelectedFlows, context.Settings.ParabolaFlows),
      remarkPrompt_(AskRemark), printerSetup_(ChoosePrinter),
      popupRunner_([](QMenu& menu, QPoint at) { menu.exec(at); }) {
    setObjectName(QStringLiteral("TKennlForm%1").arg(index));
    setAttribute(Qt::WA_DeleteOnClose);
    BuildWidgets();
    RestoreSetting();
    ApplyTexts();
    FillAuswahlBox();
    Reload();
}

TKennlForm::~TKennlForm() = default;

void TKennlForm::BuildWidgets() {
    auswahlBox_ = new QComboBox(this);
    auswahlBox_->setObjectName(QStringLiteral("AuswahlBox"));
    // Wide enough for the longest kind with its axis, as far as the buttons leave room.
    auswahlBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auswahlBox_->setVisible(selectionMode_);
    copyBtn_ = new QPushButton(this);
    printBtn_ = new QPushButton(this);
    closeBtn_ = new QPushButton(this);
    copyBtn_->setObjectName(QStringLiteral("CopyBtn"));
    printBtn_->setObjectName(QStringLiteral("PrintBtn"));
    closeBtn_->setObjectName(QStringLiteral("CloseBtn"));

    auto* top = new QHBoxLayout;
    top->addWidget(auswahlBox_, 0);
    top->addStretch(1);
    for (QPushButton* button : {copyBtn_, printBtn_, closeBtn_}) {
        top->addSpacing(16);
        top->addWidget(button);
    }
    top->addSpacing(16);

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("AnzeigeGrid"));
    model_ = new TPointTableModel(this);
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(std::max(17, grid_->fontMetrics().height() + 4));
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    panel_ = new TCurvePanel(this);
    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setObjectName(QStringLiteral("Splitter"));
    splitter_->addWidget(grid_);
    splitter_->addWidget(panel_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addLayout(top);
    layout->addWidget(splitter_, 1);

    auto* copy = new QAction(this);
    copy->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    copy->setShortcutContext(Qt::WindowShortcut);
    addAction(copy);
    connect(copy, &QAction::triggered, this, &TKennlForm::CopyToClipboard);
    connect(copyBtn_, &QPushButton::clicked, this, &TKennlForm::CopyToClipboard);
    connect(printBtn_, &QPushButton::clicked, this, &TKennlForm::PrintDiagram);
    connect(closeBtn_, &QPushButton::clicked, this, &QWidget::close);
    connect(auswahlBox_, &QComboBox::activated, this,
            [this](int item) { SetDiagramCode(auswahlBox_->itemData(item).toInt()); });
    connect(panel_, &TCurvePanel::Pressed, this, &TKennlForm::OnPanelPressed);
    connect(panel_, &TCurvePanel::Moved, this, &TKennlForm::OnPanelMoved);
    connect(panel_, &TCurvePanel::Released, this, &TKennlForm::OnPanelReleased);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { OnGridRowChanged(current.row()); });
    connect(splitter_, &QSplitter::splitterMoved, this,
            [this] { gridHeight_ = std::max(kMinGridHeight, grid_->height()); });
    for (QWidget* child : {static_cast<QWidget*>(grid_), static_cast<QWidget*>(panel_),
                           static_cast<QWidget*>(auswahlBox_)})
        child->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);
}

void TKennlForm::ApplyTexts() {
    setWindowTitle(DiagramText(CurveKindCaption(code_, TextLanguage())));
    copyBtn_->setText(KennlText(EKennlText::CopyBtn));
    printBtn_->setText(KennlText(EKennlText::PrintBtn));
    closeBtn_->setText(KennlText(EKennlText::CloseBtn));
}

void TKennlForm::FillAuswahlBox() {
    const int language = TextLanguage();
    const TMdbMw& mw = context_.Catalogue.Mw();
    auswahlBox_->clear();
    for (const int code : kSelectionDiagrams) {
        const int xField = FieldsForCurveKind(code).XField;
        const std::string text = std::string(CurveKindCaption(code, language)) + " / " +
                                 mw.Field(xField).LongCaptionIn(language);
        auswahlBox_->addItem(DiagramText(text), code);
    }
    auswahlBox_->setCurrentIndex(auswahlBox_->findData(code_));
}

void TKennlForm::RestoreSetting() {
    resize(800, 600);
    const TKennlSetting setting = TKennlSetting::Restore(
        *this, context_.Settings.Store, kWindowClass, index_, TKennlSetting{gridHeight_, 0});
    gridHeight_ = setting.GridHeight;
    picker_.SetShowMode(setting.ShowMode);
}

void TKennlForm::SaveSetting() {
    if (grid_->isVisible()) gridHeight_ = std::max(TKennlSetting::kMinGridHeight, grid_->height());
    TKennlSetting{gridHeight_, ShowMode()}.Save(*this, context_.Settings.Store, kWindowClass,
                                                index_);
}

void TKennlForm::Reload() {
    set_ = TCurveSet::ForKind(code_);
    BuildCurveSet(set_, context_.Selection, context_.Settings.PolynomGrad);
    Refresh();
}

void TKennlForm::ApplyLanguage() {
    ApplyTexts();
    FillAuswahlBox();
    Reload();
}

void TKennlForm::SetDiagramCode(int code) {
    if (code < kFirstCurveKind || code > kLastCurveKind) return;
    code_ = code;
    auswahlBox_->setCurrentIndex(auswahlBox_->findData(code_));
    setWindowTitle(DiagramText(CurveKindCaption(code_, TextLanguage())));
    Reload();
}

void TKennlForm::SetShowMode(int mode) {
    picker_.SetShowMode(mode);
    if (TPointList* list = picker_.ActiveList()) SortPoints(*list);
    Refresh();
}

bool TKennlForm::PointsShown() const {
    return ShowMode() > 0 && !CurveKindOverCoefficient(code_);
}

TCurveDiagramData TKennlForm::Snapshot() const {
    return TCurveDiagramData::Make(set_, context_.Catalogue.Mw(), context_.Settings, selectionMode_,
                                   ShowMode());
}

void TKennlForm::Refresh() {
    const bool shown = PointsShown();
    if (!shown && grid_->isVisible()) gridHeight_ = std::max(kMinGridHeight, grid_->height());
    std::vector<std::string> names;
    if (context_.SlotName) {
        for (int slot = 1; slot <= context_.Selection.Count(); ++slot)
            names.push_back(context_.SlotName(*context_.Selection.Slot(slot)));
    }
    table_.Build(context_.Catalogue, context_.Selection, set_, shown ? ShowMode() : 0,
                 context_.Settings.SelectedFlows, context_.Settings.ParabolaFlows, selectionMode_,
                 ScreenUnitSystem(), names);
    updatingGrid_ = true;
    model_->SetTable(table_, context_.Catalogue.Mw(), selectionMode_, TextLanguage(),
                     ScreenUnitSystem());
    const TPointList* list = picker_.ActiveList();
    const int row = list != nullptr ? model_->FirstRowOfPoint(list->Current) : -1;
    if (row >= 0) grid_->selectRow(row);
    updatingGrid_ = false;
    const bool appearing = shown && grid_->isHidden();
    grid_->setVisible(shown);
    if (appearing) {
        // The splitter lays out a newly shown child later; the height is set after that.
        ApplyGridHeight();
        QTimer::singleShot(0, this, &TKennlForm::ApplyGridHeight);
    }
    panel_->SetData(Snapshot());
}

void TKennlForm::ApplyGridHeight() {
    splitter_->setSizes({gridHeight_, std::max(1, splitter_->height() - gridHeight_)});
}

void TKennlForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The splitter has its real height only now.
    if (grid_->isVisible()) ApplyGridHeight();
}

TPointPicker::TTarget TKennlForm::Target() const {
    TPointPicker::TTarget target;
    target.Diagram = &panel_->Layout().Diagram;
    target.OverFlow = !CurveKindOverCoefficient(code_);
    target.Pressure = panel_->Data().PressureDiagram();
    target.Units = PrintUnitSystem();
    return target;
}

void TKennlForm::OnPanelPressed(QPoint pixel, Qt::MouseButton button) {
    if (CurveKindOverCoefficient(code_)) return;
    if (button == Qt::RightButton) {
        picker_.Pick(Target(), pixel);
        panel_->SetData(Snapshot());
        RunPointMenu(panel_->mapToGlobal(pixel), true);
    } else if (button == Qt::LeftButton && picker_.Press(Target(), pixel)) {
        Refresh();
    }
}

void TKennlForm::OnPanelMoved(QPoint pixel) {
    if (!picker_.Move(Target(), pixel)) return;
    panel_->setCursor(Qt::SizeHorCursor);
    Refresh();
}

void TKennlForm::OnPanelReleased(QPoint pixel, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    const std::optional<int> x = picker_.Release(Target(), pixel);
    panel_->unsetCursor();
    if (!x) return;
    const QPoint back(std::clamp(*x, 0, panel_->width() - 1),
                      std::clamp(pixel.y(), 0, panel_->height() - 1));
    QCursor::setPos(panel_->mapToGlobal(back));
    Refresh();
}

void TKennlForm::OnGridRowChanged(int row) {
    if (updatingGrid_) return;
    TPointList* list = picker_.ActiveList();
    const int point = model_->PointOfRow(row);
    if (list == nullptr || point < 1 || point > static_cast<int>(list->Values.size())) return;
    list->Current = point;
    panel_->SetData(Snapshot());
}

void TKennlForm::RunPointMenu(QPoint globalPosition, bool insertAllowed) {
    TPointMenu menu(ShowMode(), insertAllowed && picker_.CanInsert(), picker_.CanDelete(), this);
    connect(menu.PointsAction(), &QAction::triggered, this,
            [this] { SetShowMode(ShowMode() == 1 ? 0 : 1); });
    connect(menu.ParabolasAction(), &QAction::triggered, this,
            [this] { SetShowMode(ShowMode() == 2 ? 0 : 2); });
    connect(menu.InsertAction(), &QAction::triggered, this, [this] {
        picker_.InsertClicked();
        Refresh();
    });
    connect(menu.DeleteAction(), &QAction::triggered, this, [this] {
        picker_.DeleteCurrent();
        Refresh();
    });
    connect(menu.CopyAction(), &QAction::triggered, this, &TKennlForm::CopyToClipboard);
    popupRunner_(menu, globalPosition);
}

bool TKennlForm::HandlePointKey(QKeyEvent* event) {
    const QString text = event->text();
    const int delta = text == QStringLiteral("+") ? 1 : text == QStringLiteral("-") ? -1 : 0;
    TPointList* list = picker_.ActiveList();
    if (delta == 0 || list == nullptr || !PointsShown()) return false;
    StepCurrentPoint(*list, delta);
    Refresh();
    return true;
}

void TKennlForm::keyPressEvent(QKeyEvent* event) {
    if (!HandlePointKey(event)) QWidget::keyPressEvent(event);
}

bool TKennlForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && HandlePointKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = grid_->indexAt(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && index.isValid() &&
            model_->PointOfRow(index.row()) > 0)
            RunPointMenu(mouse->globalPosition().toPoint(), false);
    }
    return QWidget::eventFilter(watched, event);
}

void TKennlForm::CopyToClipboard() {
    if (busy_) return;
    TBusy busy(busy_);
    TWaitCursor wait;
    TPrintLanguage language;
    QGuiApplication::clipboard()->setImage(CurveImage(Snapshot()));
}

bool TKennlForm::PrintDiagram() {
    if (busy_) return false;
    // Printing, its dialogs included, keeps the window open.
    TBusy busy(busy_);
    const std::optional<QString> remark = remarkPrompt_(this);
    if (!remark) return false;
    remark_ = *remark;
    QPrinter printer(QPrinter::HighResolution);
    if (!printerSetup_(printer, this)) return false;
    TWaitCursor wait;
    TPrintLanguage language;
    return PrintCurveDiagram(printer, Snapshot(), remark_);
}

void TKennlForm::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    SaveSetting();
    event->accept();
}

} // namespace corvane
