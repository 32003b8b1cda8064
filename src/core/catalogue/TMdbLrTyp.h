#pragma once

#include "mdb/TMdb.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class TCatalogue;

// Impeller-type table: the impeller families with their designation and a long description
// kept in four parts of 250 characters.
class TMdbLrTyp : public TMdb {
public:
    static constexpr std::uint32_t kMdbNo = 1005;
    static constexpr int kFieldCount = 7;
    static constexpr std::size_t kDescriptionPartChars = 250;

    static constexpr int F_TYPNR = 1;
    static constexpr int F_TYPBEZ = 2;
    static constexpr int F_BESCHR1 = 3;
    static constexpr int F_BESCHR2 = 4;
    static constexpr int F_BESCHR3 = 5;
    static constexpr int F_BESCHR4 = 6;
    static constexpr int F_INKATALOG = 7; // "in Katalog", transient: 1 when the type is used

    explicit TMdbLrTyp(TCatalogue* catalogue = nullptr);

    // "Laufrad-Typen" in the current text language.
    std::string BrowserCaption() const override;

    // Refused while an impeller has this type; asks before deleting. Housings do not count.
    void DeleteRecord(TMdbRecord* record) override;

    // Edit dialog: the generic binding plus the table's own rules.
    bool EditRecord(TMdbBrowser* owner, std::int32_t& key, int flag) override;
    void RecordToDialog(TRecordDialog& dialog, const TMdbRecord* record) override;
    bool ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) override;
    void DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) override;
    std::string RecordTitle(const TMdbRecord* record) const override {
        return GetText(record, F_TYPBEZ);
    }
    // The unbound description box of the dialog.
    static constexpr const char* kDescriptionBox = "BeschrMemo";

    // The four description parts joined (up to 1000 characters).
    std::string Description(const TMdbRecord* record) const;
    // Splits a description into the four parts of 250 characters; the rest is dropped.
    void SetDescription(TMdbRecord* record, std::string_view description);

    // Sets "in Katalog" of every type to 1 when an impeller or a housing has that type
    // number, else to 0. Run after the catalogue is loaded.
    void UpdateInCatalogue();
    bool InCatalogue(const TMdbRecord* record) const;

    // A new record (not yet indexed) numbered by NextKey.
    TMdbRecord* NewRecordWithDefaults();

private:
    TCatalogue* catalogue_;
};

} // namespace corvane
