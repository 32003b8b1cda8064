// Edit-dialog rules of the impeller table: rotation and inlet choices, the designation built
// from the typed values and kept unique, change date and numbering on storing, references
// and copying from the impeller last edited.

#include "catalogue/DialogRules.h"
#include "catalogue/PartDialogRules.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbDuese.h"
#include "catalogue/TMdbLaufrad.h"
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

using L = TMdbLaufrad;
constexpr TPartFields kFields{L::F_LFRDNR,    L::F_ERSTDATUM, L::F_AENDDATUM,
                              L::F_INKATALOG, L::F_BILDNR,    L::F_BILDBEZ,
                              L::F_TYPNR,     L::F_TYPBEZ,    L::F_MESSNR};

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
    StorePartRecord(*this, dialog, record, kFields, TMdbMessung::Today());
    SetText(record, F_DREHRICHT, BoundIndex(dialog, F_DREHRICHT) == kLeft ? "L" : "R");
    SetText(record, F_FLUTIGKEIT, BoundIndex(dialog, F_FLUTIGKEIT) == kDoubleInlet ? "D" : "E");
}

TMdb::TDialogReference TMdbLaufrad::DialogReference(int numberField) const {
    if (catalogue_ == nullptr) return {};
    if (numberField == F_DUESE) return {&catalogue_->Duese(), F_EINSTROEMDUESE, {}};
    return PartReference(*catalogue_, numberField, kFields);
}

bool TMdbLaufrad::CopyIntoDialog(TRecordDialog& dialog) {
    const TMdbRecord* source = FindByKey(lastEditedKey_);
    if (source == nullptr) return false;
    return ConfirmCopy(*this, dialog, source,
                       "alle Daten mit dem Laufrad Nr. " + std::to_string(lastEditedKey_) +
                           "\r\n(" + Designation(source) + ") überschreiben?");
}

} // namespace corvane
