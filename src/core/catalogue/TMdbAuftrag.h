#pragma once

#include "mdb/TMdb.h"

#include <cstdint>
#include <string>

namespace corvane {

class TCatalogue;

// Orders ("AUFTRAG"): the jobs that measurement series are made for.
class TMdbAuftrag : public TMdb {
public:
    static constexpr std::uint32_t kMdbNo = 1001;
    static constexpr int kFieldCount = 8;

    static constexpr int F_AUFTRAGSNR = 1;
    static constexpr int F_KUNDENNR = 2;
    static constexpr int F_KUNDENNAME = 3; // calculated: the customer's NAME
    static constexpr int F_ZEIT_SOLL = 4;
    static constexpr int F_BEARBEITER = 5;
    static constexpr int F_INFOTEXT = 6;
    static constexpr int F_ERSTDATUM = 7;
    static constexpr int F_AENDDATUM = 8;

    explicit TMdbAuftrag(TCatalogue* catalogue = nullptr);

    std::string GetCalcText(const TMdbRecord* record, int field) const override;
    // Refused while a measurement series refers to the order; otherwise asks before deleting.
    void DeleteRecord(TMdbRecord* record) override;

    // Edit dialog: the generic binding plus the table's own rules.
    bool EditRecord(TMdbBrowser* owner, std::int32_t& key, int flag) override;
    bool ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) override;
    void DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) override;
    TDialogReference DialogReference(int numberField) const override;

    std::string BrowserCaption() const override;
    static std::string DialogCaption() { return "Auftrag bearbeiten"; }

    // The NAME of customer `customerNo`; empty when there is no such customer.
    std::string CustomerName(std::int32_t customerNo) const;

    TMdbRecord* CreateRecord(std::int32_t today);
    void StampChangeDate(TMdbRecord* record, std::int32_t today);
    void CheckNewNumber(TMdbRecord* record, std::int32_t typedNumber);

private:
    TCatalogue* catalogue_;
};

} // namespace corvane
