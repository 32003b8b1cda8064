#include "catalogue/TMdbDuese.h"

#include "catalogue/DialogRules.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TableFieldDecl.h"
#include "i18n/Texts.h"
#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"
#include "mdb/TDialogControl.h"
#include "mdb/TRecordDialog.h"
#include "util/Text.h"

#include <iterator>

namespace corvane {

namespace {

using D = TMdbDuese;
constexpr float kMax = kNoUpperBound;
constexpr int kLen = kQuantityLength;

// clang-format off
constexpr TFieldDecl kFields[] = {
    {D::F_TYPNR, ftInteger, "TYPNR", "Düsen-Nr", "", 0, 0, 1, kMax, false},
    {D::F_TYPENBEZ, ftCalcText, "", "Typenbezeichnung", "", 0, 20, 1, kMax, true},
    {D::F_TYPBEZ, ftString, "TYPBEZ", "Typ", "", 0, 12, 1, kMax, true},
    {D::F_GROESSE, ftInteger, "GROESSE", "Größe", "", 0, 0, 0, kMax, true},
    {D::F_BLATTNR, ftString, "BLATTNR", "Blatt-Nr.", "", 0, 15, -1, kMax, true},
    {D::F_DA, ftFloat, "DA", "Da", "", kLen, 1, 0, kMax, true},
    {D::F_DA1, ftFloat, "DA1", "Da1", "", kLen, 1, 0, kMax, true},
    {D::F_DE1, ftFloat, "DE1", "De1", "", kLen, 1, 0, kMax, true},
    {D::F_DE2, ftFloat, "DE2", "De2", "", kLen, 1, 0, kMax, true},
    {D::F_H1, ftFloat, "H1", "H1", "", kLen, 1, 0, kMax, true},
    {D::F_T, ftFloat, "T", "t", "", kLen, 2, 0, kMax, true},
    {D::F_U, ftFloat, "U", "u", "Überlappung u", kLen, 1, -1000000, kMax, true, "u", "axile gap u"},
};
// clang-format on

static_assert(std::size(kFields) == D::kFieldCount);

} // namespace

TMdbDuese::TMdbDuese(TCatalogue* catalogue)
    : TMdb(kFieldCount, F_TYPNR, "DUESE", nullptr, kMdbNo), catalogue_(catalogue) {
    DeclareFields(*this, kFields);
    // Russian: the English captions except this long caption.
    SetCaption(2, F_U, "u", "Cоединение u");
}

std::string TMdbDuese::BuildDesignation(std::string_view typeText, std::int32_t size) {
    std::string text(typeText);
    if (size > 0) text += "/" + std::to_string(size);
    return text;
}

std::string TMdbDuese::Designation(const TMdbRecord* record) const {
    return BuildDesignation(GetText(record, F_TYPBEZ), GetInt(record, F_GROESSE));
}

std::string TMdbDuese::GetCalcText(const TMdbRecord* record, int field) const {
    CheckField(field);
    return field == F_TYPENBEZ ? Designation(record) : std::string();
}

void TMdbDuese::DeleteRecord(TMdbRecord* record) {
    if (record == nullptr) return;
    if (catalogue_ != nullptr &&
        catalogue_->Laufrad().FindByValue(GetInt(record, F_TYPNR), "", nullptr,
                                          TMdbLaufrad::F_DUESE) != nullptr) {
        throw EMdbError("Diese Einströmdüse wird noch verwendet!");
    }
    if (!TConfirmation::Ask("Einströmdüse " + Designation(record) + " löschen ?")) return;
    TMdb::DeleteRecord(record);
}

TMdbRecord* TMdbDuese::NewRecordWithDefaults() {
    const std::int32_t key = NextKey();
    TMdbRecord* record = NewRecord();
    SetInt(record, F_TYPNR, key);
    return record;
}

bool TMdbDuese::EditRecord(TMdbBrowser* owner, std::int32_t& key, int /*flag*/) {
    return EditInDialog(owner, key, [this] { return NewRecordWithDefaults(); });
}

// Two nozzles with one designation could not be told apart where impellers show theirs.
bool TMdbDuese::ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::ValidateDialog(dialog, record);
    const std::string designation =
        BuildDesignation(BoundText(dialog, F_TYPBEZ), BoundInt(dialog, F_GROESSE));
    if (FindByValue(0, designation, record, F_TYPENBEZ) != nullptr)
        throw EDialogError("Diese Einlaufdüse existiert schon!", F_TYPBEZ);
    return true;
}

void TMdbDuese::ShowDesignation(TRecordDialog& dialog) const {
    if (TDialogControl* box = dialog.Bound(F_TYPENBEZ); box != nullptr)
        box->SetText(BuildDesignation(BoundText(dialog, F_TYPBEZ), BoundInt(dialog, F_GROESSE)));
}

std::string TMdbDuese::BrowserCaption() const {
    return Txt(TextId::BrowserDuese);
}

} // namespace corvane
