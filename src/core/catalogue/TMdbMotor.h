#pragma once

#include "mdb/TMdb.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class TCatalogue;

// Motors ("MOTOR") that drive the fans on the test rig.
class TMdbMotor : public TMdb {
public:
    static constexpr std::uint32_t kMdbNo = 1007;
    static constexpr int kFieldCount = 14;
    static constexpr int kMotorTypeCount = 7; // codes 0 ("????") to 6

    static constexpr int F_MOTORNR = 1;
    static constexpr int F_MOTORBEZ = 2;
    static constexpr int F_HERSTELLER = 3;
    static constexpr int F_FREQUENZ = 4;
    static constexpr int F_NENNSPG = 5;
    static constexpr int F_NENNSTROM = 6;
    static constexpr int F_AUFNLEIST = 7;
    static constexpr int F_NENNDREHZA = 8;
    static constexpr int F_COS_PHI = 9;
    static constexpr int F_INFOTEXT = 10;
    static constexpr int F_MOTORTYP = 11;
    static constexpr int F_SERIENNR = 12;
    static constexpr int F_ERSTDATUM = 13;
    static constexpr int F_AENDDATUM = 14;

    explicit TMdbMotor(TCatalogue* catalogue = nullptr);

    // MOTORTYP in the current text language.
    std::string GetCodeText(const TMdbRecord* record, int field) const override;
    // Refused while a measurement series refers to the motor; otherwise asks before deleting.
    void DeleteRecord(TMdbRecord* record) override;

    // Edit dialog: the generic binding plus the table's own rules.
    bool EditRecord(TMdbBrowser* owner, std::int32_t& key, int flag) override;
    void RecordToDialog(TRecordDialog& dialog, const TMdbRecord* record) override;
    bool ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) override;
    void DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) override;
    std::string RecordTitle(const TMdbRecord* record) const override {
        return GetText(record, F_MOTORBEZ);
    }

    // Name of a motor type in a language (0..2); codes outside 0..6 give the name of code 0.
    static std::string MotorTypeText(int code, int language);

    std::string BrowserCaption() const override;
    static std::string DialogCaption() { return "Motor bearbeiten"; }

    TMdbRecord* CreateRecord(std::int32_t today);
    void StampChangeDate(TMdbRecord* record, std::int32_t today);
    // A new motor must not repeat the designation of another motor (ignoring case).
    void CheckNewDesignation(const TMdbRecord* record, std::string_view typedDesignation) const;
    // Storing a new motor: its number is drawn afresh from the numbers in use.
    void AssignNewNumber(TMdbRecord* record);

private:
    TCatalogue* catalogue_;
};

} // namespace corvane
