#include "catalogue/TMdbAuftrag.h"

#include "catalogue/DialogRules.h"
#include "catalogue/RefTableRules.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbKunde.h"
#include "i18n/Texts.h"
#include "mdb/EMdbError.h"
#include "mdb/TDialogControl.h"
#include "mdb/TRecordDialog.h"
#include "measurements/TMdbMessung.h"

namespace corvane {

TMdbAuftrag::TMdbAuftrag(TCatalogue* catalogue)
    : TMdb(kFieldCount, 1, "AUFTRAG", nullptr, kMdbNo), catalogue_(catalogue) {
    constexpr int col = kShownColumn;
    constexpr float nb = kNoUpperBound;
    CheckFieldNumber(AddField(ftInteger, col, 0, 1, nb, "AUFTRAGSNR", "Auftrags-Nr.", "", 0),
                     F_AUFTRAGSNR);
    CheckFieldNumber(AddField(ftInteger, col, 0, 1, nb, "KUNDENNR", "Kunden-Nr.", "", 0),
                     F_KUNDENNR);
    CheckFieldNumber(AddField(ftCalcText, col, 30, -1, nb, "", "Kunden-Name", "", 0), F_KUNDENNAME);
    // Quantity 19: time in hours.
    CheckFieldNumber(AddField(ftFloat, col, 2, 0, nb, "ZEIT_SOLL", "Zeit-Soll", "", 19),
                     F_ZEIT_SOLL);
    CheckFieldNumber(AddField(ftString, col, 20, -1, nb, "BEARBEITER", "Bearbeiter", "", 0),
                     F_BEARBEITER);
    CheckFieldNumber(AddField(ftString, col, 200, -1, nb, "INFOTEXT", "Auftrags-Beschr.", "", 0),
                     F_INFOTEXT);
    CheckFieldNumber(AddField(ftDate, col, 0, 1, nb, "ERSTDATUM", "Erst.-Datum", "", 0),
                     F_ERSTDATUM);
    CheckFieldNumber(AddField(ftDate, col, 0, -1, nb, "AENDDATUM", "Änd.-Datum", "", 0),
                     F_AENDDATUM);
}

std::string TMdbAuftrag::CustomerName(std::int32_t customerNo) const {
    if (catalogue_ == nullptr || customerNo <= 0) return {};
    const TMdbKunde& customers = catalogue_->Kunde();
    const TMdbRecord* customer = customers.FindByKey(customerNo);
    return customer != nullptr ? customers.GetText(customer, TMdbKunde::F_NAME) : std::string();
}

std::string TMdbAuftrag::GetCalcText(const TMdbRecord* record, int field) const {
    CheckField(field);
    if (field == F_KUNDENNAME) return CustomerName(GetInt(record, F_KUNDENNR));
    return {};
}

void TMdbAuftrag::DeleteRecord(TMdbRecord* record) {
    if (record == nullptr) return;
    const std::int32_t number = GetInt(record, F_AUFTRAGSNR);
    if (catalogue_ != nullptr && number > 0 &&
        catalogue_->Messung().FindByValue(number, "", nullptr, TMdbMessung::F_AUFTRAGSNR) !=
            nullptr)
        throw EMdbError("Dieser Auftrag wird noch in einer Messung verwendet!");
    ConfirmAndDelete(*this, record, "Auftrag Nr." + std::to_string(number) + " löschen ?");
}

TMdbRecord* TMdbAuftrag::CreateRecord(std::int32_t today) {
    return NewNumberedRecord(*this, F_ERSTDATUM, today);
}

void TMdbAuftrag::StampChangeDate(TMdbRecord* record, std::int32_t today) {
    corvane::StampChangeDate(*this, record, F_ERSTDATUM, F_AENDDATUM, today);
}

void TMdbAuftrag::CheckNewNumber(TMdbRecord* record, std::int32_t typedNumber) {
    CheckNumberIsFree(*this, record, typedNumber, "Diese Auftrags-Nr. existiert schon!");
}

bool TMdbAuftrag::EditRecord(TMdbBrowser* owner, std::int32_t& key, int /*flag*/) {
    return EditInDialog(owner, key, [this] { return CreateRecord(TMdbMessung::Today()); });
}

bool TMdbAuftrag::ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::ValidateDialog(dialog, record);
    if (dialog.IsNewRecord())
        RefuseAt(F_AUFTRAGSNR, [&] { CheckNewNumber(record, BoundInt(dialog, F_AUFTRAGSNR)); });
    return true;
}

void TMdbAuftrag::DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::DialogToRecord(dialog, record);
    StampChangeDate(record, TMdbMessung::Today());
}

TMdb::TDialogReference TMdbAuftrag::DialogReference(int numberField) const {
    if (numberField != F_KUNDENNR || catalogue_ == nullptr) return {};
    return {&catalogue_->Kunde(), F_KUNDENNAME, {}};
}

std::string TMdbAuftrag::BrowserCaption() const {
    return Txt(TextId::BrowserAuftrag);
}

} // namespace corvane
