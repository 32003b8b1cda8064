#pragma once

#include "mdb/TMdb.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class TCatalogue;

// Inlet-nozzle table: the inlet cones that impellers refer to by number (impeller field DUESE).
class TMdbDuese : public TMdb {
public:
    static constexpr std::uint32_t kMdbNo = 1011;
    static constexpr int kFieldCount = 12;

    static constexpr int F_TYPNR = 1;          // "Düsen-Nr", the nozzle's record number
    static constexpr int F_DUESENNR = F_TYPNR; // alias
    static constexpr int F_TYPENBEZ = 2;       // "Typenbezeichnung", calculated designation
    static constexpr int F_TYPBEZ = 3;
    static constexpr int F_GROESSE = 4;
    static constexpr int F_BLATTNR = 5;
    static constexpr int F_DA = 6;
    static constexpr int F_DA1 = 7;
    static constexpr int F_DE1 = 8;
    static constexpr int F_DE2 = 9;
    static constexpr int F_H1 = 10;
    static constexpr int F_T = 11;
    static constexpr int F_U = 12;

    explicit TMdbDuese(TCatalogue* catalogue = nullptr);

    // "Einströmdüsen" in the current text language.
    std::string BrowserCaption() const override;

    std::string GetCalcText(const TMdbRecord* record, int field) const override;
    // Refused while an impeller refers to the nozzle; asks before deleting.
    void DeleteRecord(TMdbRecord* record) override;

    // Edit dialog: the generic binding plus the table's own rules.
    bool EditRecord(TMdbBrowser* owner, std::int32_t& key, int flag) override;
    bool ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) override;
    std::string RecordTitle(const TMdbRecord* record) const override { return Designation(record); }
    // Shows the designation of the typed type and size in the designation box.
    void ShowDesignation(TRecordDialog& dialog) const;

    // "ED/250": the type text, and "/" + size when the size is greater than 0.
    static std::string BuildDesignation(std::string_view typeText, std::int32_t size);
    std::string Designation(const TMdbRecord* record) const;

    // A new record (not yet indexed) numbered by NextKey.
    TMdbRecord* NewRecordWithDefaults();

private:
    TCatalogue* catalogue_;
};

} // namespace corvane
