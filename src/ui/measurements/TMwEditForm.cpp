#include "ui/measurements/TMwEditForm.h"

#include "acquisition/TMwEditor.h"
#include "acquisition/TSimulatedAnalyser.h"
#include "acquisition/TSteadyClock.h"
#include "catalogue/TCatalogue.h"
#include "i18n/Texts.h"
#include "mdb/EMdbError.h"
#include "settings/TInstallationSettings.h"
#include "ui/measurements/TMwGridModel.h"
#include "ui/measurements/TQtRigProgram.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace corvane {

namespace {

QString T(TextId id) {
    return QString::fromUtf8(Txt(id));
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct TLook {
    TextId Text;
    const char* Background;
    const char* Foreground;
};

// Status line of the modes 1..5.
const TLook kModeLooks[] = {
    {TextId::MwStatusStarting, "#ffff00", "#000000"},
    {TextId::MwStatusRunning, "#00a000", "#ffffff"},
    {TextId::MwStatusDisturbed, "#e00000", "#ffffff"},
    {TextId::MwStatusEditing, "#00ffff", "#000000"},
    {TextId::MwStatusSeries, "#0000ff", "#ffffff"},
};
// Sound panel of the states 1..5.
const TLook kSoundLooks[] = {
    {TextId::MwSoundStarting, "#ffff00", "#000000"},
    {TextId::MwSoundStarting, "#ffff00", "#000000"},
    {TextId::MwSoundRunning, "#00a000", "#ffffff"},
    {TextId::MwSoundDone, "#0000ff", "#ffffff"},
    {TextId::MwSoundTimedOut, "#e00000", "#ffffff"},
};

// Narrowest point column of the grid.
constexpr int kColumnWidth = 80;

void Paint(QWidget& widget, const TLook* look) {
    widget.setStyleSheet(
        look == nullptr
            ? QString()
            : QStringLiteral("background-color: %1; color: %2; padding: 3px;")
                  .arg(QLatin1String(look->Background), QLatin1String(look->Foreground)));
}

} // namespace

TMwEditForm::TMwEditForm(TCatalogue& catalogue, const TInstallationSettings& installation,
                         int openMode, QWidget* parent, const TClock* clock)
    : QDialog(parent), ownClock_(clock ? nullptr : std::make_unique<TSteadyClock>()),
      clock_(clock ? clock : ownClock_.get()) {
    if (installation.SimulatedAnalyser)
        analyser_ = std::make_unique<TSimulatedAnalyser>(*clock_, installation.SimulatedDurationMs);
    editor_ = std::make_unique<TMwEditor>(catalogue, catalogue.Mw(), installation, *clock_);
    rig_ = new TQtRigProgram(this);
    editor_->SetRigProgram(rig_);
    editor_->SetAnalyser(analyser_.get());
    model_ = new TMwGridModel(*editor_, this);
    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &TMwEditForm::TimerTick);
    errorHandler_ = [this](const QString& text) {
        QMessageBox::warning(this, windowTitle(), text);
    };
    BuildWindow();
    Run([&] { editor_->Open(openMode); });
    UpdateView();
}

TMwEditForm::~TMwEditForm() {
    timer_->stop();
    // The view asks its model while the dialog is torn down; the model asks the editor.
    grid_->setModel(nullptr);
    editor_.reset(); // ends a measurement while the rig program is still there
}

void TMwEditForm::SetSeriesEditor(std::function<bool(std::int32_t)> editor) {
    seriesBtn_->setEnabled(static_cast<bool>(editor) && editor_->CanChange());
    editor_->SetSeriesEditor(std::move(editor));
}

void TMwEditForm::SetErrorHandler(std::function<void(const QString&)> handler) {
    errorHandler_ = std::move(handler);
}

QToolButton* TMwEditForm::ModeButton(const char* name, TextId text, int mode) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setText(T(text));
    button->setCheckable(true);
    connect(button, &QToolButton::clicked, this,
            [this, mode](bool checked) { ModeButtonClicked(mode, checked); });
    return button;
}

void TMwEditForm::BuildWindow() {
    setWindowTitle(FromUtf8(editor_->Caption()));
    auto* layout = new QVBoxLayout(this);

    auto* buttons = new QHBoxLayout;
    startBtn_ = ModeButton("StartBtn", TextId::MwStartBtn, TMwEditor::Starting);
    editBtn_ = ModeButton("EditBtn", TextId::MwEditBtn, TMwEditor::Editing);
    seriesBtn_ = ModeButton("SeriesBtn", TextId::MwSeriesBtn, TMwEditor::Series);
    seriesBtn_->setEnabled(false);
    stopBtn_ = new QPushButton(T(TextId::MwStopBtn), this);
    stopBtn_->setObjectName(QStringLiteral("StopBtn"));
    stopBtn_->setAutoDefault(false);
    connect(stopBtn_, &QPushButton::clicked, this,
            [this] { Run([this] { editor_->SetMode(TMwEditor::Idle); }); });
    showBtn_ = new QPushButton(T(TextId::MwShowBtn), this);
    showBtn_->setObjectName(QStringLiteral("ShowBtn"));
    showBtn_->setAutoDefault(false);
    connect(showBtn_, &QPushButton::clicked, this, [this] { rig_->Show(); });
    for (QWidget* w : {static_cast<QWidget*>(startBtn_), static_cast<QWidget*>(editBtn_),
                       static_cast<QWidget*>(seriesBtn_), static_cast<QWidget*>(stopBtn_),
                       static_cast<QWidget*>(showBtn_)})
        buttons->addWidget(w);
    buttons->addStretch();
    layout->addLayout(buttons);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusLabel"));
    status_->setMinimumHeight(status_->fontMetrics().height() + 8);
    QFont bold = status_->font();
    bold.setBold(true);
    status_->setFont(bold);
    layout->addWidget(status_);

    soundPanel_ = new QFrame(this);
    soundPanel_->setObjectName(QStringLiteral("SoundPanel"));
    auto* sound = new QHBoxLayout(soundPanel_);
    sound->setContentsMargins(0, 0, 0, 0);
    soundLabel_ = new QLabel(soundPanel_);
    soundLabel_->setObjectName(QStringLiteral("SoundLabel"));
    repeatBtn_ = new QPushButton(T(TextId::MwRepeatBtn), soundPanel_);
    repeatBtn_->setObjectName(QStringLiteral("RepeatBtn"));
    noSoundBtn_ = new QPushButton(T(TextId::MwNoSoundBtn), soundPanel_);
    noSoundBtn_->setObjectName(QStringLiteral("NoSoundBtn"));
    for (QPushButton* b : {repeatBtn_, noSoundBtn_})
        b->setAutoDefault(false);
    connect(repeatBtn_, &QPushButton::clicked, this, [this] {
        editor_->RepeatSound();
        UpdateView();
    });
    connect(noSoundBtn_, &QPushButton::clicked, this, [this] {
        editor_->SkipSound();
        UpdateView();
    });
    sound->addWidget(soundLabel_, 1);
    sound->addWidget(repeatBtn_);
    sound->addWidget(noSoundBtn_);
    layout->addWidget(soundPanel_);

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("Grid"));
    grid_->setModel(model_);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid_->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem); // whole points in sight
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
    grid_->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    grid_->viewport()->installEventFilter(this);
    connect(grid_, &QWidget::customContextMenuRequested, this, &TMwEditForm::ShowGridMenu);
    layout->addWidget(grid_, 1);

    for (const QKeySequence& keys :
         {QKeySequence(QKeySequence::Copy), QKeySequence(Qt::CTRL | Qt::Key_Minus)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &TMwEditForm::CopyTable);
    }

    auto* box = new QDialogButtonBox(this);
    QPushButton* ok = box->addButton(T(TextId::OkBtn), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OkBtn"));
    box->addButton(T(TextId::CancelBtn), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("CancelBtn"));
    connect(box, &QDialogButtonBox::accepted, this, &TMwEditForm::accept);
    connect(box, &QDialogButtonBox::rejected, this, &TMwEditForm::reject);
    layout->addWidget(box);
    resize(1000, 700);
}

bool TMwEditForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport() && event->type() == QEvent::Resize) FitColumns();
    return QDialog::eventFilter(watched, event);
}

void TMwEditForm::FitColumns() {
    QHeaderView* header = grid_->horizontalHeader();
    const int width = grid_->viewport()->width();
    const int shown = std::max(1, width / kColumnWidth);
    const int column = std::max(width / shown, 1);
    header->setDefaultSectionSize(column); // every column, also one resized before
    // The last point takes the pixels left over: scrolled to the end, the first column in
    // sight starts right at the captions.
    if (const int last = header->count() - 1; last >= 0)
        header->resizeSection(last, column + width % shown);
}

void TMwEditForm::ModeButtonClicked(int mode, bool checked) {
    Run([&] { editor_->SetMode(checked ? mode : TMwEditor::Idle); });
}

bool TMwEditForm::Run(const std::function<void()>& action) {
    bool done = true;
    try {
        action();
    } catch (const EMdbError& e) {
        done = false;
        UpdateView();
        const TMwGrid& grid = editor_->Grid();
        if (grid.ErrorRow() >= 0 && grid.ErrorColumn() >= 1) {
            const QModelIndex cell = model_->index(grid.ErrorRow(), grid.ErrorColumn() - 1);
            grid_->setCurrentIndex(cell);
            grid_->scrollTo(cell);
        }
        errorHandler_(QString::fromUtf8(e.what()));
    }
    UpdateView();
    return done;
}

void TMwEditForm::TimerTick() {
    editor_->Tick(); // the editor ignores a tick that arrives while one is running
    UpdateView();
}

void TMwEditForm::UpdateView() {
    const int mode = editor_->Mode();
    const std::pair<QToolButton*, int> buttons[] = {{startBtn_, TMwEditor::Starting},
                                                    {editBtn_, TMwEditor::Editing},
                                                    {seriesBtn_, TMwEditor::Series}};
    for (const auto& [button, buttonMode] : buttons) {
        button->setChecked(buttonMode == mode ||
                           (buttonMode == TMwEditor::Starting && editor_->IsMeasuring()));
        if (!editor_->CanChange()) button->setEnabled(false);
    }
    stopBtn_->setEnabled(editor_->CanChange());
    showBtn_->setVisible(editor_->IsMeasuring());
    if (editor_->IsMeasuring() != timer_->isActive()) {
        if (editor_->IsMeasuring())
            timer_->start();
        else
            timer_->stop();
    }
    UpdateStatus();
    UpdateSoundPanel();
    model_->Refresh();
    // While measuring, the newest points (the open one is the last column) stay in sight.
    if (editor_->ColumnsRevision() != shownColumns_) {
        shownColumns_ = editor_->ColumnsRevision();
        FitColumns();
        // After the view has laid out the new columns.
        if (editor_->IsMeasuring())
            QTimer::singleShot(
                0, grid_, [bar = grid_->horizontalScrollBar()] { bar->setValue(bar->maximum()); });
    }
}

void TMwEditForm::UpdateStatus() {
    const int mode = editor_->Mode();
    const TLook* look = mode >= 1 && mode <= 5 ? &kModeLooks[mode - 1] : nullptr;
    status_->setText(look ? T(look->Text) : QString());
    Paint(*status_, look);
}

void TMwEditForm::UpdateSoundPanel() {
    const int state = editor_->SoundState();
    const TLook* look = state >= 1 && state <= 5 ? &kSoundLooks[state - 1] : nullptr;
    soundPanel_->setVisible(look != nullptr);
    if (look == nullptr) return;
    soundLabel_->setText(T(look->Text));
    Paint(*soundPanel_, look);
    repeatBtn_->setVisible(state == 5);
    noSoundBtn_->setVisible(state == 5);
}

int TMwEditForm::CurrentGridColumn() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? current.column() + 1 : 0;
}

void TMwEditForm::ShowGridMenu(const QPoint& position) {
    const bool editing = editor_->Mode() == TMwEditor::Editing;
    QMenu menu(this);
    QAction* add = menu.addAction(T(TextId::MwAddColumn));
    QAction* remove = menu.addAction(T(TextId::MwDeleteColumn));
    QAction* copy = menu.addAction(T(TextId::MwCopyTable));
    add->setEnabled(editing);
    remove->setEnabled(editing && CurrentGridColumn() > 0);
    QAction* chosen = menu.exec(grid_->viewport()->mapToGlobal(position));
    if (chosen == add)
        Run([this] { editor_->AddColumn(); });
    else if (chosen == remove)
        Run([this] { editor_->DeleteColumn(CurrentGridColumn()); });
    else if (chosen == copy)
        CopyTable();
}

void TMwEditForm::CopyTable() {
    QApplication::clipboard()->setText(FromUtf8(editor_->ClipboardText()));
}

void TMwEditForm::accept() {
    if (Run([this] { editor_->CloseOk(); })) QDialog::accept();
}

void TMwEditForm::reject() {
    bool close = false;
    Run([&] { close = editor_->CloseCancel(); });
    if (close) QDialog::reject();
}

} // namespace corvane
