#include "catalogue/TMdbTexte.h"

#include "catalogue/DialogRules.h"
#include "catalogue/RefTableRules.h"
#include "i18n/Texts.h"
#include "mdb/TDialogControl.h"
#include "mdb/TRecordDialog.h"

namespace corvane {

TMdbTexte::TMdbTexte(TCatalogue* catalogue)
    : TMdb(kFieldCount, 1, "TEXTE", nullptr, kMdbNo), catalogue_(catalogue) {
    CheckFieldNumber(AddField(ftInteger, kShownColumn, 0, 1, kNoUpperBound, "TEXTNR", "Nr", "", 0),
                     F_TEXTNR);
    CheckFieldNumber(
        AddField(ftString, kShownColumn, 24, 1, kNoUpperBound, "TEXTINHALT", "Text", "", 0),
        F_TEXTINHALT);
}

void TMdbTexte::DeleteRecord(TMdbRecord* record) {
    if (record == nullptr) return;
    ConfirmAndDelete(*this, record,
                     "Text Nr." + std::to_string(GetInt(record, F_TEXTNR)) + " löschen ?");
}

TMdbRecord* TMdbTexte::CreateRecord() {
    return NewNumberedRecord(*this, 0, 0);
}

void TMdbTexte::CheckNewNumber(TMdbRecord* record, std::int32_t typedNumber) {
    CheckNumberIsFree(*this, record, typedNumber, "Diese Text-Nr. existiert schon!");
}

bool TMdbTexte::EditRecord(TMdbBrowser* owner, std::int32_t& key, int /*flag*/) {
    return EditInDialog(owner, key, [this] { return CreateRecord(); });
}

bool TMdbTexte::ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::ValidateDialog(dialog, record);
    if (dialog.IsNewRecord())
        RefuseAt(F_TEXTNR, [&] { CheckNewNumber(record, BoundInt(dialog, F_TEXTNR)); });
    return true;
}

std::string TMdbTexte::BrowserCaption() const {
    return Txt(TextId::BrowserTexte);
}

} // namespace corvane
