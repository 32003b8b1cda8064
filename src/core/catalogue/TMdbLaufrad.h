#pragma once

#include "mdb/TMdb.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class TCatalogue;

// Impeller table: one record per impeller with its type, nominal diameter, widths, blade and
// hub geometry, speed limits, references to nozzle, picture and measurement series, and the
// calibration of its pressure curve.
class TMdbLaufrad : public TMdb {
public:
    static constexpr std::uint32_t kMdbNo = 1004;
    static constexpr int kFieldCount = 73;

    static constexpr int F_LFRDNR = 1;
    static constexpr int F_LAUFRADNR = F_LFRDNR; // alias: the impeller's record number
    static constexpr int F_LAUFRADBEZ = 2;       // "Laufrad-Bezeichnung", calculated
    static constexpr int F_BLATTNR = 3;
    static constexpr int F_TYPNR = 4;
    static constexpr int F_TYPBEZ = 5; // "Typ-Bezeichnung", calculated from the type table
    static constexpr int F_D2NENN = 6;
    static constexpr int F_RB = 7;
    static constexpr int F_B2 = 8;
    static constexpr int F_B0 = 9;
    static constexpr int F_BS = 10;
    static constexpr int F_DREHRICHT = 11;
    static constexpr int F_FLUTIGKEIT = 12;
    static constexpr int F_VERSION = 13;
    static constexpr int F_HERSTELLER = 14;
    static constexpr int F_SCHFLZAHL = 15;
    static constexpr int F_SCHFLBREIT = 16;
    static constexpr int F_SCHFLDICKE = 17;
    static constexpr int F_SCHFLLAENG = 18;
    static constexpr int F_KRUEMRAD = 19;
    static constexpr int F_UEBERST_L1 = 20;
    static constexpr int F_UEBERST_L2 = 21;
    static constexpr int F_D2 = 22;
    static constexpr int F_D1 = 23;
    static constexpr int F_D0 = 24;
    static constexpr int F_DRI = 25;
    static constexpr int F_DR0 = 26;
    static constexpr int F_RODICKE_S1 = 27;
    static constexpr int F_ROHOEHE_H4 = 28;
    static constexpr int F_RIDICKE_S2 = 29;
    static constexpr int F_DRHOEHE_H3 = 30;
    static constexpr int F_BOEHOEH_H5 = 31;
    static constexpr int F_H6 = 32;
    static constexpr int F_H7 = 33;
    static constexpr int F_DRRADIUS = 34;
    static constexpr int F_BETA1 = 35;
    static constexpr int F_BETA2 = 36;
    static constexpr int F_GAMMA = 37;
    static constexpr int F_SEHNLAENGE = 38;
    static constexpr int F_BREITE1 = 39;
    static constexpr int F_BREITE2 = 40;
    static constexpr int F_D2NABE = 41;
    static constexpr int F_DMAXNABE = 42;
    static constexpr int F_NABENGEW = 43;
    static constexpr int F_NABENTYP = 44;
    static constexpr int F_KEILNUT = 45;
    static constexpr int F_Q_RANZ = 46;
    static constexpr int F_Q_RANORD = 47;
    static constexpr int F_BREITENVAR = 48;
    static constexpr int F_GEWICHT = 49;
    static constexpr int F_MINDREHZ = 50;
    static constexpr int F_MAXDREHZ = 51;
    static constexpr int F_MASSENTRG = 52;
    static constexpr int F_MATERIAL = 53;
    static constexpr int F_INFOTEXT = 54;
    static constexpr int F_EINSTROEMDUESE = 55; // "Einströmdüse", calculated nozzle designation
    static constexpr int F_BILDNR = 56;
    static constexpr int F_BILDBEZ = 57; // "Bild-Bezeichnung", calculated from the picture table
    static constexpr int F_T = 58;
    static constexpr int F_X = 59;
    static constexpr int F_L3 = 60;
    static constexpr int F_EINBHOEHE = 61;
    static constexpr int F_MESSNR = 62;
    static constexpr int F_ZEICHNR = 63;
    static constexpr int F_ERSTDATUM = 64;
    static constexpr int F_AENDDATUM = 65;
    static constexpr int F_ORGBEZ = 66;  // "OrgBez", working text emptied before saving
    static constexpr int F_CALVMIN = 67; // "CalVmin", calibrated flow range from (m³/h)
    static constexpr int F_CALVMAX = 68; // "CalVmax", calibrated flow range to (m³/h)
    static constexpr int F_CALA0 = 69;   // "CalA0", dp = A0 + A1 V + A2 V²
    static constexpr int F_CALA1 = 70;   // "CalA1"
    static constexpr int F_CALA2 = 71;   // "CalA2"
    static constexpr int F_DUESE = 72;
    static constexpr int F_INKATALOG = 73; // "in Katalog", > 0: the impeller is in the catalogue

    explicit TMdbLaufrad(TCatalogue* catalogue = nullptr);

    // "Laufräder" in the current text language.
    std::string BrowserCaption() const override;

    std::string GetCalcText(const TMdbRecord* record, int field) const override;
    // Empties OrgBez in every record, then writes the table.
    void SaveToStream(TStream& stream, bool viewOnly) override;
    // Refused while a measurement series refers to the impeller; asks before deleting.
    void DeleteRecord(TMdbRecord* record) override;

    // Edit dialog: the generic binding plus the table's own rules.
    bool EditRecord(TMdbBrowser* owner, std::int32_t& key, int flag) override;
    void RecordToDialog(TRecordDialog& dialog, const TMdbRecord* record) override;
    bool ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) override;
    void DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) override;
    TDialogReference DialogReference(int numberField) const override;
    bool CopyIntoDialog(TRecordDialog& dialog) override;
    std::string RecordTitle(const TMdbRecord* record) const override { return Designation(record); }

    // The unique impeller name, e.g. "012-0450-0125-R-E/01" (field 2).
    std::string Designation(const TMdbRecord* record) const;
    // Builds a designation from its parts; also used by the edit dialog on typed values.
    static std::string BuildDesignation(std::int32_t typeNo, std::int32_t nominalDiameter,
                                        std::int32_t width, std::string_view rotation,
                                        std::string_view inlet, std::int32_t version);
    // Width in the designation: Bs for a double-inlet impeller ("D"), else B2, as integer.
    std::int32_t DesignationWidth(const TMdbRecord* record) const;
    bool IsDoubleInlet(const TMdbRecord* record) const;
    // Short designation of result lists and printouts, e.g. "XY 450 x 125-E". `variant` is a
    // speed class: 10..12 append "A".."C", 20..22 replace the last type character by "3".."5".
    std::string CatalogueDesignation(const TMdbRecord* record, int variant) const;
    // Number of the series that describes the impeller: MESSNR when set, else the first
    // series that refers to the impeller, else MESSNR as stored (0 or less).
    std::int32_t MeasurementNo(const TMdbRecord* record) const;

    // Referenced records; nullptr when the number refers to nothing.
    TMdbRecord* TypeRecord(const TMdbRecord* record) const;
    TMdbRecord* NozzleRecord(const TMdbRecord* record) const;
    // The type number as confirmed by the type table: TYPNR when that type exists, else 0.
    std::int32_t TypeNumber(const TMdbRecord* record) const;
    // "Typ-Bezeichnung": TYPBEZ of the impeller's type, empty without one.
    std::string TypeDesignation(const TMdbRecord* record) const;
    bool InCatalogue(const TMdbRecord* record) const;

    // A new record (not yet indexed) numbered by NextKey and created today.
    TMdbRecord* NewRecordWithDefaults(std::int32_t today);
    // The number of the impeller last edited (or chosen); the copy function of the dialog
    // and the main window read it.
    std::int32_t LastEditedKey() const { return lastEditedKey_; }
    void SetLastEditedKey(std::int32_t key) { lastEditedKey_ = key; }

    TCatalogue* Catalogue() const { return catalogue_; }

private:
    TCatalogue* catalogue_;
    std::int32_t lastEditedKey_ = 0;
};

} // namespace corvane
