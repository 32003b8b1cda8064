#include "catalogue/TMdbMotor.h"

#include "catalogue/DialogRules.h"
#include "catalogue/RefTableRules.h"
#include "catalogue/TCatalogue.h"
#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "mdb/EMdbError.h"
#include "mdb/TDialogControl.h"
#include "mdb/TRecordDialog.h"
#include "measurements/TMdbMessung.h"

#include <array>
#include <vector>

namespace corvane {

namespace {

// Motor type names: German, English, Russian.
constexpr std::array<std::array<const char*, 3>, TMdbMotor::kMotorTypeCount> kMotorTypes{{
    {"????", "????", "????"},
    {"DC", "DC", "Постоянный ток"},
    {"EC", "EC", "EC"},
    {"AC ohne Kondens.", "AC w/o condenser", "Переменный ток без конденсатора"},
    {"AC mit Kondens.", "AC with condenser", "Переменный ток с конденсатором"},
    {"Drehstrom", "three-phase", "Трехфазный ток"},
    {"sonstige", "other", "Другое"},
}};

} // namespace

TMdbMotor::TMdbMotor(TCatalogue* catalogue)
    : TMdb(kFieldCount, 1, "MOTOR", nullptr, kMdbNo), catalogue_(catalogue) {
    constexpr int col = kShownColumn;
    constexpr float nb = kNoUpperBound;
    CheckFieldNumber(AddField(ftInteger, kHiddenColumn, 0, 1, nb, "MOTORNR", "Motor-Nr.", "", 0),
                     F_MOTORNR);
    CheckFieldNumber(AddField(ftString, col, 16, 1, nb, "MOTORBEZ", "Motor-Bezeichnung", "", 0),
                     F_MOTORBEZ);
    CheckFieldNumber(AddField(ftString, col, 16, -1, nb, "HERSTELLER", "Hersteller", "", 0),
                     F_HERSTELLER);
    // Quantities: 1 frequency, 2 voltage, 3 current, 4 power, 5 speed.
    CheckFieldNumber(AddField(ftFloat, col, 2, 0, nb, "FREQUENZ", "Frequenz", "", 1), F_FREQUENZ);
    CheckFieldNumber(AddField(ftFloat, col, 2, 0, nb, "NENNSPG", "Nennspannung", "", 2), F_NENNSPG);
    CheckFieldNumber(AddField(ftFloat, col, 2, 0, nb, "NENNSTROM", "Nennstrom", "", 3),
                     F_NENNSTROM);
    CheckFieldNumber(AddField(ftFloat, col, 2, 0, nb, "AUFNLEIST", "Nennleistung", "", 4),
                     F_AUFNLEIST);
    CheckFieldNumber(AddField(ftFloat, col, 2, 0, nb, "NENNDREHZA", "Nenndrehzahl", "", 5),
                     F_NENNDREHZA);
    CheckFieldNumber(AddField(ftFloat, col, 2, 0, 1, "COS_PHI", "cos(´phi´)", "", 0), F_COS_PHI);
    CheckFieldNumber(AddField(ftString, col, 80, -1, nb, "INFOTEXT", "Infotext", "", 0),
                     F_INFOTEXT);
    CheckFieldNumber(AddField(ftCode, col, 0, 0, nb, "MOTORTYP", "Motor-Typ", "", 0), F_MOTORTYP);
    CheckFieldNumber(AddField(ftString, col, 20, -1, nb, "SERIENNR", "Serien-Nr.", "", 0),
                     F_SERIENNR);
    CheckFieldNumber(AddField(ftDate, col, 0, 1, nb, "ERSTDATUM", "Erst.-Datum", "", 0),
                     F_ERSTDATUM);
    CheckFieldNumber(AddField(ftDate, col, 0, -1, nb, "AENDDATUM", "Änd.-Datum", "", 0),
                     F_AENDDATUM);

    // The English captions serve the Russian interface as well.
    const auto english = [this](int field, std::string_view caption) {
        SetForeignCaptions(*this, field, caption, "", caption, "");
    };
    english(F_MOTORBEZ, "motor designation");
    english(F_HERSTELLER, "manufacturer");
    english(F_FREQUENZ, "frequency");
    english(F_NENNSPG, "rated voltage");
    english(F_NENNSTROM, "rated current");
    english(F_AUFNLEIST, "rated power");
    english(F_NENNDREHZA, "rated speed");
    english(F_MOTORTYP, "motor type");
    english(F_SERIENNR, "serial no.");
}

std::string TMdbMotor::MotorTypeText(int code, int language) {
    if (code < 0 || code >= kMotorTypeCount) code = 0;
    if (language < 0 || language > 2) language = 0;
    return kMotorTypes[static_cast<std::size_t>(code)][static_cast<std::size_t>(language)];
}

std::string TMdbMotor::GetCodeText(const TMdbRecord* record, int field) const {
    CheckField(field);
    if (field == F_MOTORTYP) return MotorTypeText(GetInt(record, field), TextLanguage());
    return {};
}

void TMdbMotor::DeleteRecord(TMdbRecord* record) {
    if (record == nullptr) return;
    const std::int32_t number = GetInt(record, F_MOTORNR);
    if (catalogue_ != nullptr && number > 0 &&
        catalogue_->Messung().FindByValue(number, "", nullptr, TMdbMessung::F_MOTORNR) != nullptr)
        throw EMdbError("Dieser Motor wird noch in einer Messung verwendet!");
    ConfirmAndDelete(*this, record, "Motor " + GetFieldText(record, F_MOTORBEZ) + " löschen ?");
}

TMdbRecord* TMdbMotor::CreateRecord(std::int32_t today) {
    return NewNumberedRecord(*this, F_ERSTDATUM, today);
}

void TMdbMotor::StampChangeDate(TMdbRecord* record, std::int32_t today) {
    corvane::StampChangeDate(*this, record, F_ERSTDATUM, F_AENDDATUM, today);
}

void TMdbMotor::CheckNewDesignation(const TMdbRecord* record,
                                    std::string_view typedDesignation) const {
    CheckTextIsFree(*this, record, F_MOTORBEZ, typedDesignation, "Dieser Motor existiert schon!");
}

void TMdbMotor::AssignNewNumber(TMdbRecord* record) {
    // Cleared first so that the record's own old number does not count as the largest in use.
    SetInt(record, F_MOTORNR, 0);
    SetInt(record, F_MOTORNR, NextKey());
}

bool TMdbMotor::EditRecord(TMdbBrowser* owner, std::int32_t& key, int /*flag*/) {
    return EditInDialog(owner, key, [this] { return CreateRecord(TMdbMessung::Today()); });
}

void TMdbMotor::RecordToDialog(TRecordDialog& dialog, const TMdbRecord* record) {
    if (TDialogControl* types = dialog.Bound(F_MOTORTYP); types != nullptr) {
        std::vector<std::string> texts;
        for (int code = 0; code < kMotorTypeCount; ++code)
            texts.push_back(MotorTypeText(code, TextLanguage()));
        types->SetItems(texts);
    }
    TMdb::RecordToDialog(dialog, record);
}

bool TMdbMotor::ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::ValidateDialog(dialog, record);
    if (dialog.IsNewRecord())
        RefuseAt(F_MOTORBEZ, [&] { CheckNewDesignation(record, BoundText(dialog, F_MOTORBEZ)); });
    return true;
}

void TMdbMotor::DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::DialogToRecord(dialog, record);
    StampChangeDate(record, TMdbMessung::Today());
    if (dialog.IsNewRecord()) AssignNewNumber(record);
}

std::string TMdbMotor::BrowserCaption() const {
    return Txt(TextId::BrowserMotor);
}

} // namespace corvane
