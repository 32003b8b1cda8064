#include "catalogue/TMdbKunde.h"

#include "catalogue/DialogRules.h"
#include "catalogue/RefTableRules.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbAuftrag.h"
#include "i18n/Texts.h"
#include "mdb/EMdbError.h"
#include "mdb/TDialogControl.h"
#include "mdb/TRecordDialog.h"
#include "measurements/TMdbMessung.h"

namespace corvane {

TMdbKunde::TMdbKunde(TCatalogue* catalogue)
    : TMdb(kFieldCount, 1, "KUNDEN", nullptr, kMdbNo), catalogue_(catalogue) {
    constexpr int col = kShownColumn;
    constexpr float nb = kNoUpperBound;
    CheckFieldNumber(AddField(ftInteger, col, 0, 1, nb, "KUNDENNR", "Kunden-Nr.", "", 0),
                     F_KUNDENNR);
    CheckFieldNumber(AddField(ftString, col, 30, 1, nb, "NAME", "Kunden-Name", "", 0), F_NAME);
    CheckFieldNumber(AddField(ftString, col, 30, -1, nb, "STRASSE", "Strasse", "", 0), F_STRASSE);
    CheckFieldNumber(AddField(ftString, col, 6, -1, nb, "PLZ", "Plz.", "", 0), F_PLZ);
    CheckFieldNumber(AddField(ftString, col, 30, -1, nb, "ORT", "Ort", "", 0), F_ORT);
    CheckFieldNumber(AddField(ftString, col, 30, -1, nb, "LAND", "Land", "", 0), F_LAND);
    CheckFieldNumber(AddField(ftString, col, 18, -1, nb, "TEL", "Tel.-Nr.", "", 0), F_TEL);
    CheckFieldNumber(AddField(ftString, col, 18, -1, nb, "FAX", "Fax.-Nr", "", 0), F_FAX);
    CheckFieldNumber(AddField(ftString, col, 18, -1, nb, "ANSPRPARTN", "Ansprech-Partner", "", 0),
                     F_ANSPRPARTN);
    CheckFieldNumber(AddField(ftString, col, 60, -1, nb, "EMAIL", "e-mail", "", 0), F_EMAIL);
    CheckFieldNumber(AddField(ftDate, col, 0, 1, nb, "ERSTDATUM", "Erst.-Datum", "", 0),
                     F_ERSTDATUM);
    CheckFieldNumber(AddField(ftDate, col, 0, -1, nb, "AENDDATUM", "Änd.-Datum", "", 0),
                     F_AENDDATUM);
}

void TMdbKunde::DeleteRecord(TMdbRecord* record) {
    if (record == nullptr) return;
    const std::int32_t number = GetInt(record, F_KUNDENNR);
    // Numbers of 0 or less stand for "no customer" in an order, so they cannot be in use.
    if (catalogue_ != nullptr && number > 0 &&
        catalogue_->Auftrag().FindByValue(number, "", nullptr, TMdbAuftrag::F_KUNDENNR) != nullptr)
        throw EMdbError("Dieser Kunde wird noch in einem Auftrag verwendet!");
    ConfirmAndDelete(*this, record, "Kunde Nr." + std::to_string(number) + " löschen ?");
}

TMdbRecord* TMdbKunde::CreateRecord(std::int32_t today) {
    return NewNumberedRecord(*this, F_ERSTDATUM, today);
}

void TMdbKunde::StampChangeDate(TMdbRecord* record, std::int32_t today) {
    corvane::StampChangeDate(*this, record, F_ERSTDATUM, F_AENDDATUM, today);
}

void TMdbKunde::CheckNewNumber(TMdbRecord* record, std::int32_t typedNumber) {
    CheckNumberIsFree(*this, record, typedNumber, "Diese Kunden-Nr. existiert schon!");
}

bool TMdbKunde::EditRecord(TMdbBrowser* owner, std::int32_t& key, int /*flag*/) {
    return EditInDialog(owner, key, [this] { return CreateRecord(TMdbMessung::Today()); });
}

bool TMdbKunde::ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::ValidateDialog(dialog, record);
    if (dialog.IsNewRecord())
        RefuseAt(F_KUNDENNR, [&] { CheckNewNumber(record, BoundInt(dialog, F_KUNDENNR)); });
    return true;
}

void TMdbKunde::DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::DialogToRecord(dialog, record);
    StampChangeDate(record, TMdbMessung::Today());
}

std::string TMdbKunde::BrowserCaption() const {
    return Txt(TextId::BrowserKunde);
}

} // namespace corvane
