#include "catalogue/TMdbLrTyp.h"

#include "catalogue/DialogRules.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TableFieldDecl.h"
#include "i18n/Texts.h"
#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"
#include "mdb/TDialogControl.h"
#include "mdb/TRecordDialog.h"

#include <iterator>
#include <set>

namespace corvane {

namespace {

using T = TMdbLrTyp;
constexpr float kMax = kNoUpperBound;

// clang-format off
constexpr TFieldDecl kFields[] = {
    {T::F_TYPNR, ftInteger, "TYPNR", "Laufrad-Typ", "", 0, 0, 1, kMax, true},
    {T::F_TYPBEZ, ftString, "TYPBEZ", "Typ-Bezeichnung", "", 0, 12, 1, kMax, true},
    {T::F_BESCHR1, ftString, "BESCHR1", "Beschreibung", "", 0, 250, -1, kMax, true},
    {T::F_BESCHR2, ftString, "BESCHR2", "", "", 0, 250, -1, kMax, false},
    {T::F_BESCHR3, ftString, "BESCHR3", "", "", 0, 250, -1, kMax, false},
    {T::F_BESCHR4, ftString, "BESCHR4", "", "", 0, 250, -1, kMax, false},
    {T::F_INKATALOG, ftFloatTransient, "", "in Katalog", "", 0, 0, 0, 0, false},
};
// clang-format on

static_assert(std::size(kFields) == T::kFieldCount);

constexpr int kDescriptionFields[] = {T::F_BESCHR1, T::F_BESCHR2, T::F_BESCHR3, T::F_BESCHR4};

// Byte offset behind the first `count` UTF-8 characters of `text` starting at `from`.
std::size_t AdvanceCharacters(std::string_view text, std::size_t from, std::size_t count) {
    std::size_t pos = from;
    while (pos < text.size() && count > 0) {
        ++pos;
        while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
            ++pos;
        --count;
    }
    return pos;
}

} // namespace

TMdbLrTyp::TMdbLrTyp(TCatalogue* catalogue)
    : TMdb(kFieldCount, F_TYPNR, "LRTYPE", nullptr, kMdbNo), catalogue_(catalogue) {
    DeclareFields(*this, kFields);
}

void TMdbLrTyp::DeleteRecord(TMdbRecord* record) {
    if (record == nullptr) return;
    const std::int32_t typeNo = GetInt(record, F_TYPNR);
    if (catalogue_ != nullptr &&
        catalogue_->Laufrad().FindByValue(typeNo, "", nullptr, TMdbLaufrad::F_TYPNR) != nullptr) {
        throw EMdbError("Dieser Laufrad-Typ wird noch verwendet!");
    }
    if (!TConfirmation::Ask("Laufrad-Typ Nr." + std::to_string(typeNo) + " löschen ?")) return;
    TMdb::DeleteRecord(record);
}

std::string TMdbLrTyp::Description(const TMdbRecord* record) const {
    std::string text;
    for (int field : kDescriptionFields)
        text += GetText(record, field);
    return text;
}

void TMdbLrTyp::SetDescription(TMdbRecord* record, std::string_view description) {
    // Parts are cut at character boundaries so that no UTF-8 sequence is split.
    std::size_t pos = 0;
    for (int field : kDescriptionFields) {
        const std::size_t end = AdvanceCharacters(description, pos, kDescriptionPartChars);
        SetText(record, field, description.substr(pos, end - pos));
        pos = end;
    }
}

void TMdbLrTyp::UpdateInCatalogue() {
    std::set<std::int32_t> used;
    if (catalogue_ != nullptr) {
        const TMdbLaufrad& impellers = catalogue_->Laufrad();
        for (const TMdbRecord* r = impellers.FirstRecord(); r != nullptr; r = r->Next)
            used.insert(impellers.GetInt(r, TMdbLaufrad::F_TYPNR));
        const TMdbGehaeuse& housings = catalogue_->Gehaeuse();
        for (const TMdbRecord* r = housings.FirstRecord(); r != nullptr; r = r->Next)
            used.insert(housings.GetInt(r, TMdbGehaeuse::F_TYPNR));
    }
    for (TMdbRecord* r = FirstRecord(); r != nullptr; r = r->Next)
        SetFloat(r, F_INKATALOG, used.count(GetInt(r, F_TYPNR)) != 0 ? 1.0 : 0.0);
}

bool TMdbLrTyp::InCatalogue(const TMdbRecord* record) const {
    return GetFloat(record, F_INKATALOG) > 0;
}

TMdbRecord* TMdbLrTyp::NewRecordWithDefaults() {
    const std::int32_t key = NextKey();
    TMdbRecord* record = NewRecord();
    SetInt(record, F_TYPNR, key);
    return record;
}

bool TMdbLrTyp::EditRecord(TMdbBrowser* owner, std::int32_t& key, int /*flag*/) {
    return EditInDialog(owner, key, [this] { return NewRecordWithDefaults(); });
}

void TMdbLrTyp::RecordToDialog(TRecordDialog& dialog, const TMdbRecord* record) {
    TMdb::RecordToDialog(dialog, record);
    if (TDialogControl* box = dialog.Named(kDescriptionBox); box != nullptr)
        box->SetText(Description(record));
}

bool TMdbLrTyp::ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::ValidateDialog(dialog, record);
    if (dialog.IsNewRecord() && FindOtherByKey(BoundInt(dialog, F_TYPNR), record) != nullptr)
        throw EDialogError("Dieser Laufrad-Typ existiert schon!", F_TYPNR);
    return true;
}

void TMdbLrTyp::DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::DialogToRecord(dialog, record);
    if (const TDialogControl* box = dialog.Named(kDescriptionBox); box != nullptr)
        SetDescription(record, box->Text());
}

std::string TMdbLrTyp::BrowserCaption() const {
    return Txt(TextId::BrowserLrTyp);
}

} // namespace corvane
