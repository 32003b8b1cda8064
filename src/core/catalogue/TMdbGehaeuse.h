#pragma once

#include "mdb/TMdb.h"

#include <cstdint>
#include <string>

namespace corvane {

class TCatalogue;

// Housing table: fan housings (scroll casings) with type, size, inlet, form and dimensions,
// the impeller fitted, picture and measurement references and the calibration of the pair's
// pressure curve.
class TMdbGehaeuse : public TMdb {
public:
    static constexpr std::uint32_t kMdbNo = 1002;
    static constexpr int kFieldCount = 75;
    static constexpr int kFormCount = 5; // housing forms 0 ("????") .. 4

    static constexpr int F_GEHSNR = 1;
    static constexpr int F_GEHSBEZ = 2;
    static constexpr int F_BLATTNR = 3;
    static constexpr int F_TYPNR = 4;
    static constexpr int F_TYPBEZ = 5; // "Typ-Bezeichnung", calculated from the type table
    static constexpr int F_FLUTIGKEIT = 6;
    static constexpr int F_BAUGROESSE = 7;
    static constexpr int F_BREITENVAR = 8;
    static constexpr int F_D2 = 9;
    static constexpr int F_RB = 10;
    static constexpr int F_B2 = 11;
    static constexpr int F_B0 = 12;
    static constexpr int F_BS = 13;
    static constexpr int F_A = 14;
    static constexpr int F_H = 15;
    static constexpr int F_HZ = 16;
    static constexpr int F_H1Q = 17;
    static constexpr int F_H2Q = 18;
    static constexpr int F_C = 19;
    static constexpr int F_E = 20;
    static constexpr int F_F = 21;
    static constexpr int F_G = 22;
    static constexpr int F_B = 23;
    static constexpr int F_E1 = 24;
    static constexpr int F_K = 25;
    static constexpr int F_L = 26;
    static constexpr int F_M = 27;
    static constexpr int F_N = 28;
    static constexpr int F_L1 = 29;
    static constexpr int F_L2 = 30;
    static constexpr int F_L3 = 31;
    static constexpr int F_L4 = 32;
    static constexpr int F_R1 = 33;
    static constexpr int F_R2 = 34;
    static constexpr int F_R3 = 35;
    static constexpr int F_R4 = 36;
    static constexpr int F_R5 = 37;
    static constexpr int F_R6 = 38;
    static constexpr int F_R7 = 39;
    static constexpr int F_R8 = 40;
    static constexpr int F_R = 41;
    static constexpr int F_X1 = 42;
    static constexpr int F_X2 = 43;
    static constexpr int F_X3 = 44;
    static constexpr int F_X4 = 45;
    static constexpr int F_Y1 = 46;
    static constexpr int F_Y2 = 47;
    static constexpr int F_Y3 = 48;
    static constexpr int F_Y5 = 49;
    static constexpr int F_S1 = 50;
    static constexpr int F_S2 = 51;
    static constexpr int F_DE1 = 52;
    static constexpr int F_H1 = 53;
    static constexpr int F_R1E = 54;
    static constexpr int F_R2E = 55;
    static constexpr int F_DA = 56;
    static constexpr int F_U = 57;
    static constexpr int F_OEFFWKL = 58;
    static constexpr int F_GEHSEFORM = 59;
    static constexpr int F_LAUFRADNR = 60;
    static constexpr int F_LAUFRADBEZ = 61;     // "Laufrad-Bezeichnung" of the impeller fitted
    static constexpr int F_EINSTROEMDUESE = 62; // "Einströmdüse" of the impeller fitted
    static constexpr int F_BILDNR = 63;
    static constexpr int F_BILDBEZ = 64; // "Bild-Bezeichnung", calculated from the picture table
    static constexpr int F_MESSNR = 65;
    static constexpr int F_GEHAEUSENR = 66;
    static constexpr int F_HERSTELLER = 67;
    static constexpr int F_ERSTDATUM = 68;
    static constexpr int F_AENDDATUM = 69;
    static constexpr int F_CALVMIN = 70;   // "CalVmin", calibrated flow range from (m³/h)
    static constexpr int F_CALVMAX = 71;   // "CalVmax", calibrated flow range to (m³/h)
    static constexpr int F_CALA0 = 72;     // "CalA0", dp = A0 + A1 V + A2 V²
    static constexpr int F_CALA1 = 73;     // "CalA1"
    static constexpr int F_CALA2 = 74;     // "CalA2"
    static constexpr int F_INKATALOG = 75; // "in Katalog", > 0: the housing is in the catalogue

    explicit TMdbGehaeuse(TCatalogue* catalogue = nullptr);

    // "Gehäuse" in the current text language.
    std::string BrowserCaption() const override;

    std::string GetCalcText(const TMdbRecord* record, int field) const override;
    // GEHSEFORM as text in the current interface language.
    std::string GetCodeText(const TMdbRecord* record, int field) const override;
    // Refused while a measurement series refers to the housing; asks before deleting.
    void DeleteRecord(TMdbRecord* record) override;
    // Rotates the program log (when longer than 1 byte) before loading.
    bool LoadFromDatabase(std::string_view whereClause) override;

    // Edit dialog: the generic binding plus the table's own rules.
    bool EditRecord(TMdbBrowser* owner, std::int32_t& key, int flag) override;
    void RecordToDialog(TRecordDialog& dialog, const TMdbRecord* record) override;
    bool ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) override;
    void DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) override;
    TDialogReference DialogReference(int numberField) const override;
    bool CopyIntoDialog(TRecordDialog& dialog) override;
    std::string RecordTitle(const TMdbRecord* record) const override;
    void ReferencePicked(TRecordDialog& dialog, int numberField, std::int32_t key) override;

    // Text of a housing form in a language (0..2); codes outside 0..4 give the text of 0.
    static std::string FormText(std::int32_t form, int language);

    // The impeller fitted in the housing (LAUFRADNR), nullptr when it does not exist.
    TMdbRecord* ImpellerRecord(const TMdbRecord* record) const;
    // Number of the series that describes the housing: MESSNR when set, else the first series
    // that refers to the housing, else MESSNR as stored (0 or less).
    std::int32_t MeasurementNo(const TMdbRecord* record) const;
    bool IsDoubleInlet(const TMdbRecord* record) const;
    bool InCatalogue(const TMdbRecord* record) const;

    // A new record (not yet indexed) numbered by NextKey and created today.
    TMdbRecord* NewRecordWithDefaults(std::int32_t today);
    std::int32_t LastEditedKey() const { return lastEditedKey_; }
    void SetLastEditedKey(std::int32_t key) { lastEditedKey_ = key; }

private:
    TCatalogue* catalogue_;
    std::int32_t lastEditedKey_ = 0;
};

} // namespace corvane
