// Edit-dialog rules of the housing table: inlet choice and form combo, the designation kept
// unique for new housings, change date and numbering on storing, references (the fitted
// impeller sets the inlet) and copying from the housing last edited.

#include "catalogue/DialogRules.h"
#include "catalogue/PartDialogRules.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "i18n/Language.h"
#include "mdb/TDialogControl.h"
#include "mdb/TRecordDialog.h"
#include "measurements/TMdbMessung.h"

#include <vector>

namespace corvane {

namespace {

constexpr int kSingleInlet = 0;
constexpr int kDoubleInlet = 1;

using G = TMdbGehaeuse;
constexpr TPartFields kFields{G::F_GEHSNR,    G::F_ERSTDATUM, G::F_AENDDATUM,
                              G::F_INKATALOG, G::F_BILDNR,    G::F_BILDBEZ,
                              G::F_TYPNR,     G::F_TYPBEZ,    G::F_MESSNR};

} // namespace

bool TMdbGehaeuse::EditRecord(TMdbBrowser* owner, std::int32_t& key, int /*flag*/) {
    const bool isNew = key <= 0;
    const bool confirmed =
        EditInDialog(owner, key, [this] { return NewRecordWithDefaults(TMdbMessung::Today()); });
    if (confirmed || !isNew) SetLastEditedKey(key);
    return confirmed;
}

void TMdbGehaeuse::RecordToDialog(TRecordDialog& dialog, const TMdbRecord* record) {
    if (TDialogControl* forms = dialog.Bound(F_GEHSEFORM); forms != nullptr) {
        std::vector<std::string> texts;
        for (int form = 0; form < kFormCount; ++form)
            texts.push_back(FormText(form, TextLanguage()));
        forms->SetItems(texts);
    }
    TMdb::RecordToDialog(dialog, record);
    SetBoundIndex(dialog, F_FLUTIGKEIT,
                  StartsWithLetter(GetText(record, F_FLUTIGKEIT), 'D') ? kDoubleInlet
                                                                       : kSingleInlet);
}

bool TMdbGehaeuse::ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::ValidateDialog(dialog, record);
    if (dialog.IsNewRecord() &&
        FindByValue(0, BoundText(dialog, F_GEHSBEZ), record, F_GEHSBEZ) != nullptr)
        throw EDialogError("Dieses Gehäuse existiert schon!", F_GEHSBEZ);
    return true;
}

void TMdbGehaeuse::DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::DialogToRecord(dialog, record);
    StorePartRecord(*this, dialog, record, kFields, TMdbMessung::Today());
    SetText(record, F_FLUTIGKEIT, BoundIndex(dialog, F_FLUTIGKEIT) == kDoubleInlet ? "D" : "E");
}

TMdb::TDialogReference TMdbGehaeuse::DialogReference(int numberField) const {
    if (catalogue_ == nullptr) return {};
    if (numberField == F_LAUFRADNR) return {&catalogue_->Laufrad(), F_LAUFRADBEZ, {}};
    return PartReference(*catalogue_, numberField, kFields);
}

void TMdbGehaeuse::ReferencePicked(TRecordDialog& dialog, int numberField, std::int32_t key) {
    TMdb::ReferencePicked(dialog, numberField, key);
    if (numberField != F_LAUFRADNR || catalogue_ == nullptr) return;
    const TMdbLaufrad& impellers = catalogue_->Laufrad();
    const TMdbRecord* impeller = impellers.FindByKey(key);
    const bool doubleInlet =
        impeller != nullptr &&
        StartsWithLetter(impellers.GetText(impeller, TMdbLaufrad::F_FLUTIGKEIT), 'D');
    SetBoundIndex(dialog, F_FLUTIGKEIT, doubleInlet ? kDoubleInlet : kSingleInlet);
}

bool TMdbGehaeuse::CopyIntoDialog(TRecordDialog& dialog) {
    const TMdbRecord* source = FindByKey(lastEditedKey_);
    if (source == nullptr) return false;
    return ConfirmCopy(*this, dialog, source,
                       "alle Daten mit dem Gehäuse Nr. " + std::to_string(lastEditedKey_) +
                           "\r\n(" + GetText(source, F_GEHSBEZ) + ") überschreiben?");
}

std::string TMdbGehaeuse::RecordTitle(const TMdbRecord* record) const {
    return GetText(record, F_GEHSBEZ);
}

} // namespace corvane
