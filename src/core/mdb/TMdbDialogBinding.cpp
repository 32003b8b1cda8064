// The generic record binding of the edit dialogs: filling the bound controls from a record,
// checking them against the field bounds and storing them back, and the edit flow around a
// dialog (new record, dialog, indexes, observer).

#include "i18n/Language.h"
#include "mdb/EDialogError.h"
#include "mdb/TDialogControl.h"
#include "mdb/TMdb.h"
#include "mdb/TRecordDialog.h"
#include "mdb/TRecordEditor.h"
#include "units/Units.h"
#include "util/Numbers.h"
#include "util/Text.h"

#include <cmath>

namespace corvane {

namespace {

bool IsIndexed(TFieldType type) {
    return type == ftInteger || type == ftCode;
}

// A stored slot value as an item position: outside the items it is item 0.
int ItemOf(std::int32_t value, int itemCount) {
    return value < 0 || value >= itemCount ? 0 : value;
}

std::string LabelText(const TMdb& table, int field, bool twoLines) {
    const std::string caption = table.Field(field).LongCaptionIn(TextLanguage());
    const std::string unit = table.GetUnitText(field, false);
    if (unit.empty()) return caption;
    return caption + (twoLines ? "\n[" : "    [") + unit + "]";
}

// A typed number in base units: floats are typed in the screen unit system.
double TypedValue(const TMdbField& f, const std::string& text) {
    const double typed = ParseNumber(text);
    return f.IsFloat() ? FromDisplay(f.Quantity, ScreenUnitSystem(), typed) : typed;
}

void CheckRange(const TMdbField& f, const std::string& text, int field) {
    const double value = TypedValue(f, text);
    if (value >= f.MinValue && value <= f.MaxValue) return;
    throw EDialogError(f.CaptionIn(TextLanguage()) + " muss zwischen " + FormatDouble(f.MinValue) +
                           " und " + FormatDouble(f.MaxValue) + " liegen!",
                       field);
}

} // namespace

void TMdb::RecordToDialog(TRecordDialog& dialog, const TMdbRecord* record) {
    // The record number of an existing record is not edited: it is the key of its row.
    if (TDialogControl* number = dialog.Bound(keyField_); number != nullptr)
        number->SetReadOnly(!dialog.IsNewRecord());
    for (TDialogControl* control : dialog.Controls()) {
        const int field = control->Tag();
        if (field < 1 || field > fieldCount_) continue;
        const TMdbField& f = fields_[field];
        switch (control->Kind()) {
        case TControlKind::Label:
            control->SetText(LabelText(*this, field, control->TwoLineLabel()));
            break;
        case TControlKind::Edit:
            control->SetMaxLength(f.FieldType == ftString ? f.Width : 0);
            if (f.FieldType == ftCode && !control->IsShown())
                control->SetText(std::to_string(GetInt(record, field)));
            else if (f.IsFloat())
                control->SetText(GetFieldTextInUnits(record, field, false));
            else
                control->SetText(GetFieldText(record, field));
            break;
        case TControlKind::Combo:
            if (IsIndexed(f.FieldType))
                control->SetItemIndex(ItemOf(GetInt(record, field), control->ItemCount()));
            else if (f.FieldType == ftFloat || f.FieldType == ftString)
                control->SetText(GetFieldText(record, field));
            break;
        case TControlKind::Choice:
            control->SetText(f.LongCaptionIn(TextLanguage()));
            if (IsIndexed(f.FieldType))
                control->SetItemIndex(ItemOf(GetInt(record, field), control->ItemCount()));
            break;
        case TControlKind::Other:
            break;
        }
    }
}

bool TMdb::ValidateDialog(TRecordDialog& dialog, TMdbRecord* /*record*/) {
    for (TDialogControl* control : dialog.Controls()) {
        const int field = control->Tag();
        if (field < 1 || field > fieldCount_) continue;
        const TMdbField& f = fields_[field];
        const std::string caption = f.CaptionIn(TextLanguage());
        const TControlKind kind = control->Kind();
        if (kind == TControlKind::Edit) {
            if (f.FieldType == ftInteger || f.IsFloat()) {
                CheckRange(f, control->Text(), field);
            } else if (f.FieldType == ftString) {
                if (f.MinValue > 0 && Trim(control->Text()).empty())
                    throw EDialogError(caption + " darf nicht leer sein!", field);
            } else if (f.FieldType == ftCode) {
                const double value = ParseNumber(control->Text());
                if (!(value >= f.MinValue && value <= f.MaxValue))
                    throw EDialogError(caption + " muss angegeben werden!", field);
            }
        } else if (kind == TControlKind::Combo) {
            if (IsIndexed(f.FieldType)) {
                if (f.MinValue > 0 && control->ItemIndex() < 1)
                    throw EDialogError(caption + " muss angegeben werden!", field);
            } else if (f.FieldType == ftFloat || f.FieldType == ftString) {
                CheckRange(f, control->Text(), field);
            }
        }
    }
    return true;
}

void TMdb::DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) {
    for (TDialogControl* control : dialog.Controls()) {
        const int field = control->Tag();
        if (field < 1 || field > fieldCount_) continue;
        const TMdbField& f = fields_[field];
        switch (control->Kind()) {
        case TControlKind::Edit:
            if (f.FieldType == ftCode && !control->IsShown()) {
                SetInt(record, field, ClampRoundInt(ParseNumber(control->Text())));
            } else if (f.IsFloat()) {
                // An untouched box keeps the stored value: its text is rounded to the shown
                // decimals (and converted to the screen units).
                if (control->Modified()) SetFloat(record, field, TypedValue(f, control->Text()));
            } else {
                SetFieldText(record, field, control->Text());
            }
            break;
        case TControlKind::Combo:
            if (IsIndexed(f.FieldType))
                SetInt(record, field, control->ItemIndex());
            else
                SetFieldText(record, field, control->Text());
            break;
        case TControlKind::Choice:
            if (IsIndexed(f.FieldType)) SetInt(record, field, control->ItemIndex());
            break;
        default:
            break;
        }
    }
}

bool TMdb::EditInDialog(TMdbBrowser* owner, std::int32_t& key,
                        const std::function<TMdbRecord*()>& create) {
    const bool isNew = key <= 0;
    TMdbRecord* record = isNew ? create() : FindByKey(key);
    if (record == nullptr) return false;
    TRecordEditor* editor = TRecordEditor::Installed();
    bool confirmed = false;
    try {
        confirmed = editor != nullptr && editor->ShowEditDialog(*this, record, isNew, owner);
    } catch (...) {
        if (isNew) FreeRecord(record, true);
        throw;
    }
    if (!confirmed) {
        if (isNew) FreeRecord(record, true);
        return false;
    }
    key = GetInt(record, 1);
    // A new record becomes part of the indexes, so that look-ups find it at once.
    if (isNew) RebuildIndex(false);
    if (observer_ != nullptr) observer_->RecordStored(*this, key);
    return true;
}

double TMdb::DialogValue(const TRecordDialog& dialog, int field) const {
    CheckField(field);
    const TDialogControl* control = dialog.Bound(field);
    return control == nullptr ? 0.0 : TypedValue(fields_[field], control->Text());
}

TMdb::TDialogReference TMdb::DialogReference(int /*numberField*/) const {
    return {};
}

std::string TMdb::ReferenceText(int numberField, std::int32_t key) const {
    const TDialogReference reference = DialogReference(numberField);
    if (reference.Table == nullptr) return {};
    const TMdbRecord* record = reference.Table->FindByKey(key);
    return record == nullptr ? std::string() : reference.Table->RecordTitle(record);
}

void TMdb::ReferencePicked(TRecordDialog& dialog, int numberField, std::int32_t key) {
    if (TDialogControl* number = dialog.Bound(numberField); number != nullptr)
        number->SetText(std::to_string(key));
    const TDialogReference reference = DialogReference(numberField);
    TDialogControl* text = reference.TextField > 0 ? dialog.Bound(reference.TextField)
                                                   : dialog.Named(reference.TextControl);
    if (text != nullptr) text->SetText(ReferenceText(numberField, key));
}

bool TMdb::ReferenceCleared(TRecordDialog& dialog, int numberField) {
    const TDialogControl* number = dialog.Bound(numberField);
    if (number == nullptr || ClampRoundInt(ParseNumber(number->Text())) == 0) return false;
    ReferencePicked(dialog, numberField, 0);
    return true;
}

bool TMdb::CopyIntoDialog(TRecordDialog& /*dialog*/) {
    return false;
}

void TMdb::NotifyDeleted(std::int32_t key) {
    if (observer_ != nullptr) observer_->RecordDeleted(*this, key);
}

} // namespace corvane
