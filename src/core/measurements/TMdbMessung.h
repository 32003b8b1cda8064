#pragma once

#include "mdb/TMdb.h"

#include <cstdint>
#include <string>
#include <utility>

namespace corvane {

class TCatalogue;

// Measurement series: one test of one fan on a test rig, with the references (order,
// impeller, housing, motor), rig and metering method and the geometry the point evaluation
// needs. Its points live in the measured-points table, linked by the series number.
class TMdbMessung : public TMdb {
public:
    static constexpr std::uint32_t kMdbNo = 1006;

    static constexpr int F_MESSNR = 1;
    static constexpr int F_AUFTRAGSNR = 2;
    static constexpr int F_KUNDE = 3; // "Kunde": customer name of the order (calculated)
    static constexpr int F_LFRDNR = 4;
    static constexpr int F_GEHSNR = 5;
    static constexpr int F_MOTORNR = 6;
    static constexpr int F_BEARBEITER = 7;
    static constexpr int F_INFOTEXT = 8;
    static constexpr int F_AUFTMESSZ = 9;
    static constexpr int F_DBTYP = 10;
    static constexpr int F_MESSTYP = 11;
    static constexpr int F_KENNLTYP = 12;
    static constexpr int F_DB = 13;
    static constexpr int F_DR = 14;
    static constexpr int F_TANDEM = 15;
    static constexpr int F_Ab = 16;
    static constexpr int F_DLr = 17;
    static constexpr int F_A0 = 18;
    static constexpr int F_phiF = 19;
    static constexpr int F_phiTyp = 20;
    static constexpr int F_ZEIT_IST = 21;
    static constexpr int F_BEWERTUNG = 22;
    static constexpr int F_PRUEFSTAND = 23;
    static constexpr int F_PRUEFSTMASS = 24;
    static constexpr int F_MESSMETHODE = 25;
    static constexpr int F_DPENTNAHME = 26;
    static constexpr int F_AXIALSP = 27;
    static constexpr int F_SEHNENW = 28;
    static constexpr int F_MESSDATUM = 29;
    static constexpr int F_AENDDATUM = 30;
    static constexpr int F_MESSRECORD = 31; // "Mess-Record": offset of the points in the file
    static constexpr int kFieldCount = 31;

    explicit TMdbMessung(TCatalogue* catalogue = nullptr);

    // Text of one entry of a code list (fields DBTYP, MESSTYP, KENNLTYP, TANDEM, phiTyp,
    // PRUEFSTAND, MESSMETHODE, DPENTNAHME) in a language 0..2; a code outside the list gives
    // entry 0. Empty for other fields.
    static std::string CodeListText(int field, std::int32_t code, int language);
    // Number of entries of a code list (entry 0 included), 0 for other fields.
    static int CodeListSize(int field);

    // A new series record with the next free number, measured today, DR -1, phiTyp 0,
    // phiF 1 and the given editor initials; it is added to the indexes.
    TMdbRecord* NewSeries(const std::string& editor, std::int32_t today);
    // After points of a series were changed: AENDDATUM becomes today unless today is its
    // measurement or change date. Returns true when the record was changed.
    bool TouchSeries(std::int32_t seriesNo, std::int32_t today);
    // Proposed order serial number: 1 + the largest AUFTMESSZ of the other series of the
    // order (`except` is the record being edited).
    float NextOrderSerial(std::int32_t orderNo, const TMdbRecord* except) const;

    std::int32_t LastEditedSeries() const { return lastEdited_; }
    void SetLastEditedSeries(std::int32_t seriesNo) { lastEdited_ = seriesNo; }

    std::string GetCalcText(const TMdbRecord* record, int field) const override;
    std::string GetCodeText(const TMdbRecord* record, int field) const override;
    // Refuses a series that an impeller or a housing refers to, asks, then deletes the series
    // with all its points.
    void DeleteRecord(TMdbRecord* record) override;
    std::string BrowserCaption() const override;
    // Sets the caption and shows the "Messwerte" menu group when it is enabled.
    void PrepareBrowser(TMdbBrowser& browser) override;
    // The "Messwerte" group opens the measured points (flag 1), a measurement (2) and the
    // points editor (3); it stays hidden until the measured-values editor is installed.
    void SetMeasuredValuesMenu(bool enabled) { measuredValuesMenu_ = enabled; }

    // Edit dialog TMessungEditForm: code lists, metering diameters, rig and method rules,
    // the flow-coefficient area, references and copying from the series last edited. Modes
    // 1 to 3 belong to the measured points and open nothing here.
    bool EditRecord(TMdbBrowser* owner, std::int32_t& key, int flag) override;
    void RecordToDialog(TRecordDialog& dialog, const TMdbRecord* record) override;
    bool ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) override;
    void DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) override;
    TDialogReference DialogReference(int numberField) const override;
    std::string ReferenceText(int numberField, std::int32_t key) const override;
    void ReferencePicked(TRecordDialog& dialog, int numberField, std::int32_t key) override;
    bool CopyIntoDialog(TRecordDialog& dialog) override;
    // The operator initials new series get (the "Bearbeiter" setting).
    void SetDefaultEditor(std::string editor) { defaultEditor_ = std::move(editor); }

    // Rig dimension label and box by the chosen rig.
    static void ApplyRigRule(TRecordDialog& dialog);
    // Diameter boxes by the chosen flow-metering method.
    static void ApplyMethodRule(TRecordDialog& dialog);
    // D2 or b changed: the area A0 follows. A0 or the phi type changed: b follows.
    void PhiDimensionsChanged(TRecordDialog& dialog) const;
    void PhiAreaChanged(TRecordDialog& dialog) const;
    // The name boxes of order customer, impeller, housing and motor after their numbers.
    void ShowReferenceNames(TRecordDialog& dialog) const;
    // The copies of the series number on the other pages.
    static void ShowNumberCopies(TRecordDialog& dialog);

    // Unbound controls of the dialog.
    static constexpr const char* kNozzleCombo = "DBwdCombo";
    static constexpr const char* kOrificeCombo = "DBwbCombo";
    static constexpr const char* kPipeCombo = "DRwCombo";
    static constexpr const char* kNozzleLabel = "DBwdLabel";
    static constexpr const char* kOrificeLabel = "DBwbLabel";
    static constexpr const char* kPipeLabel = "DRwLabel";
    static constexpr const char* kRigSizeLabel = "PruefstMassLabel";
    static constexpr const char* kWidthBox = "B2Edit";
    static constexpr const char* kWidthLabel = "B2Label";
    static constexpr const char* kNumberCopy2 = "MessNr2Edit";
    static constexpr const char* kNumberCopy3 = "MessNr3Edit";
    static constexpr const char* kImpellerName = "LaufradName";
    static constexpr const char* kHousingName = "GehaeuseName";
    static constexpr const char* kMotorName = "MotorName";

    // Today's day number (day 0 = 30 Dec 1899), local time.
    static std::int32_t Today();

private:
    void DeclareFields();
    std::string HousingText(std::int32_t housingNo) const;

    TCatalogue* catalogue_;
    std::int32_t lastEdited_ = 0;
    bool measuredValuesMenu_ = false;
    std::string defaultEditor_;
};

} // namespace corvane
