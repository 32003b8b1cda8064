#include "measurements/TMdbMessung.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbAuftrag.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbKunde.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbMotor.h"
#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"
#include "mdb/TMdbBrowser.h"
#include "measurements/TMdbMw.h"
#include "util/Dates.h"

#include <algorithm>
#include <ctime>

namespace corvane {

TMdbMessung::TMdbMessung(TCatalogue* catalogue)
    : TMdb(kFieldCount, F_MESSNR, "HDRMAIN", nullptr, kMdbNo), catalogue_(catalogue) {
    DeclareFields();
}

std::int32_t TMdbMessung::Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string TMdbMessung::GetCalcText(const TMdbRecord* record, int field) const {
    CheckField(field);
    if (field != F_KUNDE || catalogue_ == nullptr) return {};
    TMdbAuftrag& orders = catalogue_->Auftrag();
    const TMdbRecord* order = orders.FindByKey(GetInt(record, F_AUFTRAGSNR));
    if (order == nullptr) return {};
    TMdbKunde& customers = catalogue_->Kunde();
    const TMdbRecord* customer = customers.FindByKey(orders.GetInt(order, TMdbAuftrag::F_KUNDENNR));
    return customer == nullptr ? std::string() : customers.GetText(customer, TMdbKunde::F_NAME);
}

// The housing's designation; a housing without one is named by the caption and value of its
// size field ("Bez-Typ  450").
std::string TMdbMessung::HousingText(std::int32_t housingNo) const {
    TMdbGehaeuse& housings = catalogue_->Gehaeuse();
    const TMdbRecord* housing = housings.FindByKey(housingNo);
    if (housing == nullptr) return {};
    const std::string& name = housings.GetText(housing, TMdbGehaeuse::F_GEHSBEZ);
    if (!name.empty()) return name;
    return housings.Field(TMdbGehaeuse::F_BAUGROESSE).CaptionIn(TextLanguage()) + "  " +
           housings.GetFieldText(housing, TMdbGehaeuse::F_BAUGROESSE);
}

std::string TMdbMessung::GetCodeText(const TMdbRecord* record, int field) const {
    CheckField(field);
    const std::int32_t code = GetInt(record, field);
    if (CodeListSize(field) > 0) return CodeListText(field, code, TextLanguage());
    if (catalogue_ == nullptr) return {};
    switch (field) {
    case F_LFRDNR: {
        TMdbLaufrad& impellers = catalogue_->Laufrad();
        const TMdbRecord* impeller = impellers.FindByKey(code);
        return impeller == nullptr ? std::string()
                                   : impellers.GetCalcText(impeller, TMdbLaufrad::F_LAUFRADBEZ);
    }
    case F_GEHSNR:
        return HousingText(code);
    case F_MOTORNR: {
        TMdbMotor& motors = catalogue_->Motor();
        const TMdbRecord* motor = motors.FindByKey(code);
        return motor == nullptr ? std::string() : motors.GetText(motor, TMdbMotor::F_MOTORBEZ);
    }
    default:
        return {};
    }
}

void TMdbMessung::PrepareBrowser(TMdbBrowser& browser) {
    TMdb::PrepareBrowser(browser);
    browser.ShowMeasuredValuesMenu(measuredValuesMenu_);
}

void TMdbMessung::DeleteRecord(TMdbRecord* record) {
    if (record == nullptr) return;
    const std::int32_t seriesNo = GetInt(record, F_MESSNR);
    if (catalogue_ != nullptr &&
        (catalogue_->Laufrad().FindByValue(seriesNo, "", nullptr, TMdbLaufrad::F_MESSNR) !=
             nullptr ||
         catalogue_->Gehaeuse().FindByValue(seriesNo, "", nullptr, TMdbGehaeuse::F_MESSNR) !=
             nullptr))
        throw EMdbError("Diese Messung wird noch verwendet!");
    if (!TConfirmation::Ask("Messung Nr." + std::to_string(seriesNo) +
                            " mit allen Messdaten löschen ?"))
        return;
    if (catalogue_ != nullptr) catalogue_->Mw().DeleteSeriesPoints(seriesNo);
    if (lastEdited_ == seriesNo) lastEdited_ = 0;
    TMdb::DeleteRecord(record);
}

TMdbRecord* TMdbMessung::NewSeries(const std::string& editor, std::int32_t today) {
    const std::int32_t number = NextKey();
    TMdbRecord* record = NewRecord();
    SetInt(record, F_MESSNR, number);
    SetInt(record, F_MESSDATUM, today);
    SetFloat(record, F_DR, -1);
    SetInt(record, F_phiTyp, 0);
    SetFloat(record, F_phiF, 1);
    SetText(record, F_BEARBEITER, editor);
    AddToIndex(record);
    return record;
}

bool TMdbMessung::TouchSeries(std::int32_t seriesNo, std::int32_t today) {
    TMdbRecord* record = FindByKey(seriesNo);
    if (record == nullptr) return false;
    if (today == GetInt(record, F_MESSDATUM) || today == GetInt(record, F_AENDDATUM)) return false;
    SetInt(record, F_AENDDATUM, today);
    StoreRecord(record, true, false);
    return true;
}

float TMdbMessung::NextOrderSerial(std::int32_t orderNo, const TMdbRecord* except) const {
    float largest = 0;
    for (const TMdbRecord* r = FirstRecord(); r != nullptr; r = r->Next)
        if (r != except && GetInt(r, F_AUFTRAGSNR) == orderNo)
            largest = std::max(largest, GetFloat(r, F_AUFTMESSZ));
    return largest + 1;
}

std::string TMdbMessung::BrowserCaption() const {
    return Txt(TextId::BrowserMessung);
}

} // namespace corvane
