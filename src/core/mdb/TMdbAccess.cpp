// Value access of TMdb: typed reads and writes of record slots, display texts, unit
// conversion, variants and the grid cell texts.

#include "i18n/Language.h"
#include "mdb/MdbSlots.h"
#include "mdb/TMdb.h"
#include "units/Units.h"
#include "util/Dates.h"
#include "util/Numbers.h"
#include "util/Text.h"

#include <algorithm>
#include <cmath>

namespace corvane {

using mdb_detail::SetSlotFloat;
using mdb_detail::SetSlotInt;
using mdb_detail::SlotFloat;
using mdb_detail::SlotInt;

namespace {

constexpr std::size_t kMaxTextChars = 255;

// Quantity kind of the dimensionless fields (ratios, counts of nothing): the unit tables list
// it as unassigned with the label "???", which in a header looks like a broken character.
constexpr int kUnitlessQuantity = 21;

// Nearest integer (ties to even), clamped to the int32 range; NaN gives 0.
std::int32_t ToInt(double value) {
    return std::isnan(value) ? 0 : ClampRoundInt(value);
}

bool IsIntSlot(TFieldType type) {
    return type == ftInteger || type == ftDate || type == ftCode;
}

bool IsFloatSlot(TFieldType type) {
    return type == ftFloat || type == ftFloatTransient;
}

int UnitSystem(bool forPrint) {
    return forPrint ? PrintUnitSystem() : ScreenUnitSystem();
}

} // namespace

std::int32_t TMdb::GetIntOther(const TMdbRecord* record, int field) const {
    CheckField(field);
    const TMdbField& f = fields_[field];
    if (IsIntSlot(f.FieldType)) return SlotInt(record, f.Slot);
    if (IsFloatSlot(f.FieldType)) return ToInt(SlotFloat(record, f.Slot));
    return 0;
}

float TMdb::GetFloatOther(const TMdbRecord* record, int field) const {
    CheckField(field);
    const TMdbField& f = fields_[field];
    if (IsIntSlot(f.FieldType)) return static_cast<float>(SlotInt(record, f.Slot));
    if (IsFloatSlot(f.FieldType)) return SlotFloat(record, f.Slot);
    return 0;
}

double TMdb::GetFloatInUnits(const TMdbRecord* record, int field, bool forPrint) const {
    const float value = GetFloat(record, field);
    return ToDisplay(fields_[field].Quantity, UnitSystem(forPrint), value);
}

void TMdb::SetInt(TMdbRecord* record, int field, std::int32_t value) {
    CheckField(field);
    ++changes_;
    const TMdbField& f = fields_[field];
    if (IsIntSlot(f.FieldType))
        SetSlotInt(record, f.Slot, value);
    else if (IsFloatSlot(f.FieldType))
        SetSlotFloat(record, f.Slot, static_cast<float>(value));
}

void TMdb::SetFloat(TMdbRecord* record, int field, double value) {
    CheckField(field);
    ++changes_;
    const TMdbField& f = fields_[field];
    if (IsIntSlot(f.FieldType))
        SetSlotInt(record, f.Slot, ToInt(value));
    else if (IsFloatSlot(f.FieldType))
        SetSlotFloat(record, f.Slot, static_cast<float>(value));
}

const std::string& TMdb::GetText(const TMdbRecord* record, int field) const {
    static const std::string empty;
    CheckField(field);
    const TMdbField& f = fields_[field];
    if (f.FieldType != ftString) return empty;
    const std::uint32_t handle = record->Slots()[f.Slot];
    if (handle == 0 || handle > texts_.size()) return empty;
    return texts_[handle - 1];
}

void TMdb::SetText(TMdbRecord* record, int field, std::string_view text) {
    CheckField(field);
    ++changes_;
    const TMdbField& f = fields_[field];
    if (f.FieldType != ftString) return;
    std::uint32_t& slot = record->Slots()[f.Slot];
    if (text.empty()) {
        ReleaseText(slot);
        slot = 0;
    } else if (slot != 0 && slot <= texts_.size()) {
        texts_[slot - 1].assign(text);
    } else {
        slot = StoreText(text);
    }
}

void TMdb::SetFieldText(TMdbRecord* record, int field, std::string_view text) {
    CheckField(field);
    ++changes_;
    switch (fields_[field].FieldType) {
    case ftInteger:
        SetSlotInt(record, fields_[field].Slot, ToInt(ParseNumber(text)));
        break;
    case ftFloat:
    case ftFloatTransient:
        SetFloat(record, field, ParseNumber(text));
        break;
    case ftDate:
        SetSlotInt(record, fields_[field].Slot, TextToDate(text));
        break;
    case ftString:
        SetText(record, field, text);
        break;
    default:
        break;
    }
}

std::string TMdb::GetFieldText(const TMdbRecord* record, int field) const {
    CheckField(field);
    const TMdbField& f = fields_[field];
    switch (f.FieldType) {
    case ftInteger:
        return std::to_string(SlotInt(record, f.Slot));
    case ftFloat:
    case ftFloatTransient:
        return FormatFixed(SlotFloat(record, f.Slot), f.Width, 10);
    case ftDate:
        return DateToText(SlotInt(record, f.Slot));
    case ftString:
        return std::string(mdb_detail::Utf8Prefix(GetText(record, field), kMaxTextChars));
    case ftCode:
        return GetCodeText(record, field);
    case ftCalcText:
    case ftCalcNumber:
        return GetCalcText(record, field);
    }
    return {};
}

std::string TMdb::GetFieldTextInUnits(const TMdbRecord* record, int field, bool forPrint) const {
    CheckField(field);
    const TMdbField& f = fields_[field];
    if (IsFloatSlot(f.FieldType))
        return FormatQuantity(f.Width, f.Quantity, UnitSystem(forPrint), SlotFloat(record, f.Slot));
    return Trim(GetFieldText(record, field));
}

std::string TMdb::GetUnitText(int field, bool forPrint) const {
    CheckField(field);
    const int quantity = fields_[field].Quantity;
    if (quantity == kUnitlessQuantity) return std::string();
    return UnitLabel(quantity, UnitSystem(forPrint));
}

TMdbVariant TMdb::GetFieldVariant(const TMdbRecord* record, int field) const {
    CheckField(field);
    const TMdbField& f = fields_[field];
    switch (f.FieldType) {
    case ftInteger:
    case ftDate:
    case ftCode:
        return SlotInt(record, f.Slot);
    case ftFloat:
    case ftFloatTransient:
        return static_cast<double>(SlotFloat(record, f.Slot));
    case ftString:
        return GetText(record, field);
    case ftCalcText:
    case ftCalcNumber:
        return GetCalcText(record, field);
    }
    return std::string();
}

// Dates are answered as their day number (there is no date alternative in the variant);
// a day number below 1 leaves the empty text.
TMdbVariant TMdb::GetFieldVariantInUnits(const TMdbRecord* record, int field, bool forPrint) const {
    CheckField(field);
    const TMdbField& f = fields_[field];
    switch (f.FieldType) {
    case ftInteger:
        return SlotInt(record, f.Slot);
    case ftDate: {
        const std::int32_t day = SlotInt(record, f.Slot);
        if (day >= 1) return day;
        break;
    }
    case ftString:
        return GetText(record, field);
    case ftCode:
        return GetCodeText(record, field);
    case ftCalcText:
    case ftCalcNumber:
        return GetCalcText(record, field);
    case ftFloat:
    case ftFloatTransient:
        return ToDisplay(f.Quantity, UnitSystem(forPrint), SlotFloat(record, f.Slot));
    }
    return std::string();
}

TCellText TMdb::CellText(int column, int row) const {
    if (column < 0 || column >= ColumnCount() || row < 0) return {};
    const int field = columns_[static_cast<std::size_t>(column)];
    if (field < 1 || field > fieldCount_) return {};
    const TMdbField& f = fields_[field];
    switch (row) {
    case 0:
        return {f.CaptionIn(std::clamp(TextLanguage(), 0, 2)), true};
    case 1:
        return {GetUnitText(field, false), false};
    case 2:
        return {"   ", true};
    default:
        break;
    }
    const TMdbRecord* record = ViewRecord(row - kHeaderRows);
    if (record == nullptr) return {};
    const bool right = f.FieldType == ftInteger || f.FieldType == ftFloat ||
                       f.FieldType == ftCalcNumber || f.FieldType == ftFloatTransient;
    return {GetFieldText(record, field), !right};
}

} // namespace corvane
