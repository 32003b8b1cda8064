#pragma once

#include "mdb/TMdb.h"

#include <cstdint>
#include <string>

namespace corvane {

class TCatalogue;

// Customers ("KUNDEN"): the firms that orders are placed by.
class TMdbKunde : public TMdb {
public:
    static constexpr std::uint32_t kMdbNo = 1003;
    static constexpr int kFieldCount = 12;

    static constexpr int F_KUNDENNR = 1;
    static constexpr int F_NAME = 2;
    static constexpr int F_STRASSE = 3;
    static constexpr int F_PLZ = 4;
    static constexpr int F_ORT = 5;
    static constexpr int F_LAND = 6;
    static constexpr int F_TEL = 7;
    static constexpr int F_FAX = 8;
    static constexpr int F_ANSPRPARTN = 9;
    static constexpr int F_EMAIL = 10;
    static constexpr int F_ERSTDATUM = 11;
    static constexpr int F_AENDDATUM = 12;

    explicit TMdbKunde(TCatalogue* catalogue = nullptr);

    // Refused while an order refers to the customer; otherwise asks before deleting.
    void DeleteRecord(TMdbRecord* record) override;

    // Edit dialog: the generic binding plus the table's own rules.
    bool EditRecord(TMdbBrowser* owner, std::int32_t& key, int flag) override;
    bool ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) override;
    void DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) override;
    std::string RecordTitle(const TMdbRecord* record) const override {
        return GetText(record, F_NAME);
    }

    std::string BrowserCaption() const override;
    static std::string DialogCaption() { return "Kunde bearbeiten"; }

    // A new customer with the next free number, created `today`.
    TMdbRecord* CreateRecord(std::int32_t today);
    // Storing an edited customer: the change date becomes today unless it was created today.
    void StampChangeDate(TMdbRecord* record, std::int32_t today);
    // A new customer must not take the number of another one.
    void CheckNewNumber(TMdbRecord* record, std::int32_t typedNumber);

private:
    TCatalogue* catalogue_;
};

} // namespace corvane
