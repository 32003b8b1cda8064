#include "ui/catalogue/TRecordEditForm.h"

#include "mdb/EDialogError.h"
#include "mdb/TConfirmation.h"
#include "mdb/TMdb.h"
#include "mdb/TMessage.h"
#include "mdb/TRecordSnapshot.h"
#include "settings/TIniFile.h"
#include "ui/catalogue/TChoiceGroup.h"
#include "ui/catalogue/TQtDialogControl.h"
#include "ui/common/QtText.h"
#include "ui/common/WindowPlacement.h"
#include "ui/mdb/TMdbForm.h"
#include "util/Numbers.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace corvane {

namespace {

constexpr int kOkMargin = 16; // OK from the right edge of the button panel
constexpr int kButtonGap = 8; // Cancel left of OK
constexpr int kNameChars = 24; // a reference's name box shows names up to this long in full
constexpr int kBoxPadding = 12; // frame and margins of a line edit around its text

} // namespace

TRecordEditForm::TRecordEditForm(TMdb& table, TMdbRecord* record, bool isNew, TIniFile& settings,
                                 QWidget* parent)
    : QDialog(parent), table_(table), record_(record), isNew_(isNew), settings_(settings) {
    auto* layout = new QVBoxLayout(this);
    body_ = new QWidget(this);
    layout->addWidget(body_, 1);
    auto* panel = new QHBoxLayout;
    panel->setContentsMargins(0, 0, kOkMargin - layout->contentsMargins().right(), 0);
    panel->setSpacing(kButtonGap);
    panel->addStretch(1);
    auto* cancel = new QPushButton(ShownText("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    panel->addWidget(cancel);
    panel->addWidget(ok);
    layout->addLayout(panel);
    connect(ok, &QPushButton::clicked, this, &TRecordEditForm::accept);
    connect(cancel, &QPushButton::clicked, this, &TRecordEditForm::reject);
}

TRecordEditForm::~TRecordEditForm() = default;

std::vector<TDialogControl*> TRecordEditForm::Controls() const {
    std::vector<TDialogControl*> all;
    all.reserve(controls_.size());
    for (const auto& control : controls_)
        all.push_back(control.get());
    return all;
}

void TRecordEditForm::Open() {
    RestoreWindowPosition(settings_, *this);
    Quietly([this] { table_.RecordToDialog(*this, record_); });
    for (const auto& control : controls_)
        control->MarkFilled();
    if (pages_ != nullptr) pages_->setCurrentIndex(0);
    changed_ = false;
}

// ---- layout -----------------------------------------------------------------------------

QGridLayout* TRecordEditForm::AddPage(const QString& title) {
    if (pages_ == nullptr) {
        pages_ = new QTabWidget(body_);
        pages_->setObjectName(QStringLiteral("Pages"));
        auto* layout = new QVBoxLayout(body_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(pages_);
    }
    auto* page = new QWidget(pages_);
    pages_->addTab(page, title);
    return new QGridLayout(page);
}

QGridLayout* TRecordEditForm::SinglePage() {
    auto* grid = new QGridLayout(body_);
    grid->setContentsMargins(0, 0, 0, 0);
    return grid;
}

TQtDialogControl& TRecordEditForm::Bind(QWidget* widget, int field) {
    widget->setProperty(TQtDialogControl::kFieldProperty, field);
    TControlKind kind = TControlKind::Other;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        kind = TControlKind::Edit;
        connect(edit, &QLineEdit::textChanged, this, [this] { SetChanged(); });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        kind = TControlKind::Combo;
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { SetChanged(); });
        connect(combo, &QComboBox::editTextChanged, this, [this] { SetChanged(); });
    } else if (auto* group = qobject_cast<TChoiceGroup*>(widget)) {
        kind = TControlKind::Choice;
        connect(group, &TChoiceGroup::ItemChanged, this, [this] { SetChanged(); });
    } else if (qobject_cast<QLabel*>(widget) != nullptr) {
        kind = TControlKind::Label;
    }
    controls_.push_back(std::make_unique<TQtDialogControl>(widget, kind));
    return *controls_.back();
}

QLabel* TRecordEditForm::AddLabel(QGridLayout* grid, int row, int column, int field) {
    auto* label = new QLabel(grid->parentWidget());
    grid->addWidget(label, row, column);
    Bind(label, field);
    return label;
}

QLineEdit* TRecordEditForm::AddEdit(QGridLayout* grid, int row, int column, int field) {
    auto* edit = new QLineEdit(grid->parentWidget());
    grid->addWidget(edit, row, column);
    Bind(edit, field);
    return edit;
}

QComboBox* TRecordEditForm::AddCombo(QGridLayout* grid, int row, int column, int field,
                                     const QStringList& items) {
    auto* combo = new QComboBox(grid->parentWidget());
    combo->addItems(items);
    grid->addWidget(combo, row, column);
    Bind(combo, field);
    return combo;
}

TChoiceGroup* TRecordEditForm::AddChoice(QGridLayout* grid, int row, int column, int field,
                                         const QStringList& items) {
    auto* group = new TChoiceGroup(grid->parentWidget());
    group->SetItems(items);
    grid->addWidget(group, row, column, 1, 2);
    Bind(group, field);
    return group;
}

int TRecordEditForm::AddFields(QGridLayout* grid, int row, std::initializer_list<int> fields,
                               int columns) {
    int column = 0;
    for (const int field : fields) {
        AddLabel(grid, row, 2 * column, field);
        if (table_.Field(field).FieldType == ftCode)
            AddCombo(grid, row, 2 * column + 1, field);
        else
            AddEdit(grid, row, 2 * column + 1, field);
        if (++column == columns) {
            column = 0;
            ++row;
        }
    }
    return column == 0 ? row : row + 1;
}

void TRecordEditForm::AddReference(QGridLayout* grid, int row, int numberField, int textField,
                                   const char* pickName, const char* clearName) {
    AddLabel(grid, row, 0, numberField);
    QWidget* owner = grid->parentWidget();
    auto* boxes = new QHBoxLayout;
    auto* number = new QLineEdit(owner);
    number->setMaximumWidth(80);
    Bind(number, numberField);
    boxes->addWidget(number);
    number->installEventFilter(this);
    if (textField > 0) {
        auto* text = new QLineEdit(owner);
        text->setReadOnly(true);
        // Wide enough for the referenced record's whole name, however narrow the page.
        const int chars = std::min(table_.Field(textField).Width, kNameChars);
        text->setMinimumWidth(
            text->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) + kBoxPadding);
        Bind(text, textField);
        text->installEventFilter(this);
        boxes->addWidget(text, 1);
    }
    auto* pick = new QPushButton(QStringLiteral("..."), owner);
    pick->setObjectName(QString::fromLatin1(pickName));
    pick->setMaximumWidth(32);
    connect(pick, &QPushButton::clicked, this, [this, numberField] { Pick(numberField); });
    boxes->addWidget(pick);
    if (clearName != nullptr) {
        auto* clear = new QPushButton(QStringLiteral("X"), owner);
        clear->setObjectName(QString::fromLatin1(clearName));
        clear->setMaximumWidth(32);
        connect(clear, &QPushButton::clicked, this, [this, numberField] { Clear(numberField); });
        boxes->addWidget(clear);
    }
    // Without a text box the buttons stay beside the number instead of spreading out.
    if (textField <= 0) boxes->addStretch(1);
    grid->addLayout(boxes, row, 1, 1, 3);
}

QPushButton* TRecordEditForm::AddButton(const QString& text, const char* name) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    auto* panel = static_cast<QBoxLayout*>(layout()->itemAt(1)->layout());
    panel->insertWidget(0, button);
    return button;
}

// ---- references and copying -------------------------------------------------------------

void TRecordEditForm::Pick(int numberField) {
    const TMdb::TDialogReference reference = table_.DialogReference(numberField);
    if (reference.Table == nullptr) return;
    std::int32_t key = ClampRoundInt(ParseNumber(Bound(numberField)->Text()));
    if (!TMdbForm::Browse(this, *reference.Table, key, settings_)) return;
    table_.ReferencePicked(*this, numberField, key);
}

void TRecordEditForm::Clear(int numberField) {
    table_.ReferenceCleared(*this, numberField);
}

void TRecordEditForm::CopyFromOther() {
    try {
        table_.CopyIntoDialog(*this);
    } catch (const EMdbError& e) {
        ShowMessage(e.what());
    }
}

bool TRecordEditForm::eventFilter(QObject* watched, QEvent* event) {
    // A double click on a reference's number or text box picks, as its button does.
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (const auto& control : controls_) {
            if (control->Widget() != watched) continue;
            const int field = control->Tag();
            for (const auto& other : controls_) {
                const int numberField = other->Tag();
                const TMdb::TDialogReference reference = table_.DialogReference(numberField);
                if (reference.Table != nullptr &&
                    (numberField == field ||
                     (reference.TextField > 0 && reference.TextField == field))) {
                    Pick(numberField);
                    return true;
                }
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- OK, cancel, close ------------------------------------------------------------------

void TRecordEditForm::accept() {
    if (!changed_) {
        QDialog::reject();
        return;
    }
    try {
        table_.ValidateDialog(*this, record_);
    } catch (const EDialogError& e) {
        ShowMessage(e.what());
        Focus(FocusTarget(e.Field, e.ControlName));
        return;
    } catch (const EMdbError& e) {
        ShowMessage(e.what());
        return;
    }
    const TRecordSnapshot before(table_, record_);
    try {
        table_.DialogToRecord(*this, record_);
        table_.StoreRecord(record_, true, true);
    } catch (const EMdbError& e) {
        // Nothing of the input is lost: the record is as it was, the dialog stays open.
        before.Restore(table_, record_);
        ShowMessage(e.what());
        return;
    }
    changed_ = false;
    Stored();
    SaveWindowPlacement(settings_, *this);
    QDialog::accept();
}

void TRecordEditForm::reject() {
    if (MayDiscard()) QDialog::reject();
}

void TRecordEditForm::closeEvent(QCloseEvent* event) {
    if (MayDiscard())
        event->accept();
    else
        event->ignore();
}

bool TRecordEditForm::MayDiscard() {
    if (!changed_) return true;
    if (TConfirmation::AskChoice(kDiscardQuestion, false) != TConfirmation::TAnswer::Yes)
        return false;
    changed_ = false;
    return true;
}

QWidget* TRecordEditForm::BoundWidget(int field) const {
    return FocusTarget(field, {});
}

QWidget* TRecordEditForm::FocusTarget(int field, const std::string& name) const {
    const TDialogControl* control = name.empty() ? Bound(field) : Named(name);
    for (const auto& c : controls_)
        if (c.get() == control) return c->Widget();
    return nullptr;
}

void TRecordEditForm::Focus(QWidget* widget) {
    if (widget == nullptr) return;
    if (pages_ != nullptr) {
        for (int i = 0; i < pages_->count(); ++i)
            if (pages_->widget(i)->isAncestorOf(widget)) pages_->setCurrentIndex(i);
    }
    widget->setFocus(Qt::OtherFocusReason);
}

void TRecordEditForm::ShowMessage(const std::string& text) {
    if (TMessage::Installed() != nullptr)
        TMessage::Post(text);
    else
        QMessageBox::warning(this, windowTitle(), ShownText(text));
}

} // namespace corvane
