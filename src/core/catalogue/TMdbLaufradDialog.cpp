// Edit-dialog rules of the impeller table: rotation and inlet choices, the designation built
// from the typed values and kept unique, change date and numbering on storing, references
// and copying from the impeller last edited.

#include "catalogue/DialogRules.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbBild.h"
#include "catalogue/TMdbDuese.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "mdb/TDialogControl.h"
#include "mdb/TRecordDialog.h"
#include "measurements/TMdbMessung.h"
#include "util/Numbers.h"

namespace corvane {

namespace {

constexpr int kRight = 0;
constexpr int kLeft = 1;
constexpr int kSingleInlet = 0;
constexpr int kDoubleInlet = 1;

} // namespace

bool TMdbLaufrad::EditRecord(TMdbBrowser* owner, std::int32_t& key, int /*flag*/) {
    const bool isNew = key <= 0;
    const bool confirmed =
        EditInDialog(owner, key, [this] { return NewRecordWithDefaults(TMdbMessung::Today()); });
    if (confirmed || !isNew) SetLastEditedKey(key);
    return confirmed;
}

void TMdbLaufrad::RecordToDialog(TRecordDialog& dialog, const TMdbRecord* record) {
    TMdb::RecordToDialog(dialog, record);
    SetBoundIndex(dialog, F_DREHRICHT,
                  StartsWithLetter(GetText(record, F_DREHRICHT), 'L') ? kLeft : kRight);
    SetBoundIndex(dialog, F_FLUTIGKEIT,
                  StartsWithLetter(GetText(record, F_FLUTIGKEIT), 'D') ? kDoubleInlet
                                                                       : kSingleInlet);
}

bool TMdbLaufrad::ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::ValidateDialog(dialog, record);
    const bool doubleInlet = BoundIndex(dialog, F_FLUTIGKEIT) == kDoubleInlet;
    const std::string designation = BuildDesignation(
        ClampRoundInt(DialogValue(dialog, F_TYPNR)), ClampRoundInt(DialogValue(dialog, F_D2NENN)),
        ClampRoundInt(DialogValue(dialog, doubleInlet ? F_BS : F_B2)),
        BoundIndex(dialog, F_DREHRICHT) == kLeft ? "L" : "R", doubleInlet ? "D" : "E",
        ClampRoundInt(DialogValue(dialog, F_VERSION)));
    if (TDialogControl* box = dialog.Bound(F_LAUFRADBEZ); box != nullptr) box->SetText(designation);
    if (FindByValue(0, designation, record, F_LAUFRADBEZ) != nullptr)
        throw EDialogError("Dieses Laufrad existiert schon (eventuell Version ändern)!",
                           F_LAUFRADBEZ);
    return true;
}

void TMdbLaufrad::DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::DialogToRecord(dialog, record);
    const std::int32_t today = TMdbMessung::Today();
    if (today != GetInt(record, F_ERSTDATUM)) SetInt(record, F_AENDDATUM, today);
    if (dialog.IsNewRecord()) {
        SetInt(record, F_LFRDNR, 0);
        SetInt(record, F_LFRDNR, NextKey());
        // Made by the people who keep the catalogue: part of it, as every record read from
        // the database is.
        SetInt(record, F_INKATALOG, 1);
    }
    SetText(record, F_DREHRICHT, BoundIndex(dialog, F_DREHRICHT) == kLeft ? "L" : "R");
    SetText(record, F_FLUTIGKEIT, BoundIndex(dialog, F_FLUTIGKEIT) == kDoubleInlet ? "D" : "E");
}

TMdb::TDialogReference TMdbLaufrad::DialogReference(int numberField) const {
    if (catalogue_ == nullptr) return {};
    switch (numberField) {
    case F_BILDNR:
        return {&catalogue_->Bild(), F_BILDBEZ, {}};
    case F_TYPNR:
        return {&catalogue_->LrTyp(), F_TYPBEZ, {}};
    case F_DUESE:
        return {&catalogue_->Duese(), F_EINSTROEMDUESE, {}};
    case F_MESSNR:
        return {&catalogue_->Messung(), 0, {}};
    default:
        return {};
    }
}

bool TMdbLaufrad::CopyIntoDialog(TRecordDialog& dialog) {
    const TMdbRecord* source = FindByKey(lastEditedKey_);
    if (source == nullptr) return false;
    return ConfirmCopy(*this, dialog, source,
                       "alle Daten mit dem Laufrad Nr. " + std::to_string(lastEditedKey_) +
                           "\r\n(" + Designation(source) + ") überschreiben?");
}

} // namespace corvane
