#pragma once

#include "mdb/TMdb.h"

#include <cstdint>
#include <string>

namespace corvane {

class TCatalogue;

// Short texts offered in measurement reports ("TEXTE", "Texte zur Messung").
class TMdbTexte : public TMdb {
public:
    static constexpr std::uint32_t kMdbNo = 1010;
    static constexpr int kFieldCount = 2;

    static constexpr int F_TEXTNR = 1;
    static constexpr int F_TEXTINHALT = 2;

    explicit TMdbTexte(TCatalogue* catalogue = nullptr);

    // Texts are never referred to by number; deleting only asks.
    void DeleteRecord(TMdbRecord* record) override;

    // Edit dialog: the generic binding plus the table's own rules.
    bool EditRecord(TMdbBrowser* owner, std::int32_t& key, int flag) override;
    bool ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) override;

    std::string BrowserCaption() const override;
    static std::string DialogCaption() { return "Texte zur Messung bearbeiten"; }

    TMdbRecord* CreateRecord();
    void CheckNewNumber(TMdbRecord* record, std::int32_t typedNumber);

private:
    TCatalogue* catalogue_;
};

} // namespace corvane
