// The table browser: construction, menus, opening and closing.
#include "ui/mdb/TMdbForm.h"

#include "mdb/ColumnLayout.h"
#include "mdb/TMdb.h"
#include "ui/common/QtText.h"
#include "ui/common/WindowPlacement.h"
#include "ui/mdb/TMdbHeaderView.h"
#include "ui/mdb/TMdbTableModel.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace corvane {

namespace {

constexpr int kDefaultWidth = 960;
constexpr int kDefaultHeight = 640;
constexpr int kOkRightMargin = 16; // OK sits 16 pixels from the panel's right edge
constexpr int kCancelGap = 8;      // Cancel 8 pixels left of OK

QAction* NewAction(QObject* owner, const char* name, const char* text) {
    auto* action = new QAction(QString::fromUtf8(text), owner);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

TMdbForm::TMdbForm(TMdb& table, std::int32_t key, TIniFile& settings, QWidget* parent)
    : QDialog(parent), table_(table), settings_(settings), currentKey_(key) {
    BuildControls();
    BuildMenus();
    UpdateActions();
    resize(kDefaultWidth, kDefaultHeight);
    const std::string layout =
        RestoreWindowPlacement(settings_, *this, static_cast<int>(table_.MdbNo()));
    ApplyColumnLayout(table_, layout);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
    SetupColumns();
    table_.PrepareBrowser(*this);
    active_ = true;
}

TMdbForm::~TMdbForm() = default;

bool TMdbForm::Browse(QWidget* owner, TMdb& table, std::int32_t& key, TIniFile& settings) {
    TMdbForm form(table, key, settings, owner);
    if (form.exec() != QDialog::Accepted) return false;
    key = form.CurrentKey();
    return true;
}

void TMdbForm::BuildControls() {
    model_ = new TMdbTableModel(table_, this);
    header_ = new TMdbHeaderView(this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("gr"));
    grid_->setHorizontalHeader(header_);
    grid_->setModel(model_);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setWordWrap(false);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid_->installEventFilter(this);

    suchLabel_ = new QLabel(QStringLiteral("suchen"), this);
    suchLabel_->setObjectName(QStringLiteral("SuchLabel"));
    suchEdit_ = new QLineEdit(this);
    suchEdit_->setObjectName(QStringLiteral("SuchEdit"));
    okBtn_ = new QPushButton(QStringLiteral("OK"), this);
    okBtn_->setObjectName(QStringLiteral("OkBtn"));
    okBtn_->setDefault(true);
    cancelBtn_ = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));

    auto* panel = new QHBoxLayout;
    panel->setContentsMargins(8, 4, kOkRightMargin, 8);
    panel->setSpacing(kCancelGap);
    panel->addWidget(suchLabel_);
    panel->addWidget(suchEdit_, 1);
    panel->addStretch(2);
    panel->addWidget(cancelBtn_);
    panel->addWidget(okBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(grid_, 1);
    layout->addLayout(panel);

    connect(okBtn_, &QPushButton::clicked, this, &TMdbForm::accept);
    connect(cancelBtn_, &QPushButton::clicked, this, &TMdbForm::reject);
    connect(suchEdit_, &QLineEdit::textEdited, this, &TMdbForm::Search);
    connect(header_, &QHeaderView::sectionClicked, this, [this](int section) {
        if (!columnEditing_) SortBy(section);
    });
    connect(header_, &QHeaderView::sectionMoved, this, &TMdbForm::OnSectionMoved);
    connect(header_, &TMdbHeaderView::SectionMenuRequested, this, &TMdbForm::OnSectionMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this, &TMdbForm::OnGridMenu);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { OnRowChanged(current.row()); });
}

void TMdbForm::BuildMenus() {
    insertAct_ = NewAction(this, "InsertMen", "&neuen Datensatz einfügen");
    editAct_ = NewAction(this, "EditMen", "Datensatz &bearbeiten");
    deleteAct_ = NewAction(this, "DeleteMen", "Datensatz &löschen");
    copyAct_ = NewAction(this, "CopyMen", "Tabelle in Zwischenablage &kopieren");
    copyAct_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    showPointsAct_ = NewAction(this, "ShowPointsMen", "Messwerte &anzeigen");
    measureAct_ = NewAction(this, "MeasureMen", "&Messung durchführen");
    editPointsAct_ = NewAction(this, "EditPointsMen", "Messwerte &bearbeiten");
    columnEditAct_ = NewAction(this, "SpaltenMen", "&Spalten bearbeiten");
    columnEditAct_->setCheckable(true);
    QAction* defaultAct = NewAction(this, "GrundMen", "&Grundeinstellung wiederherstellen");
    addAction(copyAct_);

    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&Datei"));
    file->addAction(QStringLiteral("&Abbrechen"), this, &TMdbForm::reject);
    file->addAction(QStringLiteral("&Beenden"), this, &TMdbForm::accept);
    QMenu* edit = bar->addMenu(QStringLiteral("&Bearbeiten"));
    edit->addActions({insertAct_, editAct_, deleteAct_});
    editSeparator_ = edit->addSeparator();
    edit->addAction(copyAct_);
    messwerteMenu_ = bar->addMenu(QStringLiteral("&Messwerte"));
    messwerteMenu_->addActions({showPointsAct_, measureAct_, editPointsAct_});
    QMenu* settingsMenu = bar->addMenu(QStringLiteral("&Einstellungen"));
    settingsMenu->addActions({columnEditAct_, defaultAct});
    layout()->setMenuBar(bar);

    editPop_ = new QMenu(this);
    editPop_->setObjectName(QStringLiteral("EditPop"));
    editPop_->addActions(
        {insertAct_, editAct_, deleteAct_, showPointsAct_, measureAct_, editPointsAct_, copyAct_});
    spaltePop_ = new QMenu(this);
    spaltePop_->setObjectName(QStringLiteral("SpaltePop"));
    spaltePop_->addAction(QStringLiteral("Spalte aus der Anzeige &entfernen"), this,
                          [this] { RemoveColumn(menuColumn_); });
    spaltePop_->addAction(defaultAct);
    spaltePop_->addAction(QStringLiteral("Spaltenbearbeitung &beenden"), this,
                          [this] { SetColumnEditing(false); });

    connect(insertAct_, &QAction::triggered, this, &TMdbForm::InsertRecord);
    connect(editAct_, &QAction::triggered, this, [this] { EditRecord(kEditFlag); });
    connect(deleteAct_, &QAction::triggered, this, &TMdbForm::DeleteRecord);
    connect(copyAct_, &QAction::triggered, this, &TMdbForm::CopyToClipboard);
    connect(showPointsAct_, &QAction::triggered, this, [this] { EditRecord(kShowPointsFlag); });
    connect(measureAct_, &QAction::triggered, this, [this] { EditRecord(kMeasureFlag); });
    connect(editPointsAct_, &QAction::triggered, this, [this] { EditRecord(kEditPointsFlag); });
    connect(columnEditAct_, &QAction::triggered, this, &TMdbForm::SetColumnEditing);
    connect(defaultAct, &QAction::triggered, this, &TMdbForm::RestoreDefaultColumns);
}

void TMdbForm::UpdateActions() {
    const bool writable = !table_.ReadOnly();
    insertAct_->setVisible(writable);
    editAct_->setVisible(writable);
    deleteAct_->setVisible(writable);
    editSeparator_->setVisible(writable);
    messwerteMenu_->menuAction()->setVisible(measuredValuesShown_);
    showPointsAct_->setVisible(measuredValuesShown_);
    measureAct_->setVisible(measuredValuesShown_ && writable);
    editPointsAct_->setVisible(measuredValuesShown_ && writable);
}

void TMdbForm::SetCaption(const std::string& caption) {
    setWindowTitle(ShownText(caption));
}

void TMdbForm::ShowMeasuredValuesMenu(bool visible) {
    measuredValuesShown_ = visible;
    UpdateActions();
}

void TMdbForm::accept() {
    if (!table_.BrowserCloseAllowed(*this)) return;
    SaveWindowPlacement(settings_, *this, LayoutText(), static_cast<int>(table_.MdbNo()));
    QDialog::accept();
}

// Typing into the grid types into the search box.
bool TMdbForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
        if (plain && !key->text().isEmpty() && key->text().at(0).isPrint()) {
            suchEdit_->setFocus();
            QCoreApplication::sendEvent(suchEdit_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TMdbForm::OnRowChanged(int row) {
    if (!active_ || columnEditing_) return;
    currentKey_ = model_->KeyAt(row);
}

void TMdbForm::OnGridMenu(const QPoint& pos) {
    if (columnEditing_) return;
    const int row = grid_->rowAt(pos.y());
    if (row < 0) return;
    grid_->selectionModel()->setCurrentIndex(
        model_->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    editPop_->popup(grid_->viewport()->mapToGlobal(pos));
}

void TMdbForm::OnSectionMenu(int section, const QPoint& globalPos) {
    if (!columnEditing_) return;
    menuColumn_ = section;
    spaltePop_->popup(globalPos);
}

} // namespace corvane
