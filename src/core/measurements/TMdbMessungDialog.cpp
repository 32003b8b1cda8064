// Edit-dialog rules of the measurement-series table (TMessungEditForm): the code lists and
// metering diameters, the rig and method rules, the flow-coefficient area, the references
// with their proposals, validation and storing of the metering fields, and copying from the
// series last edited.

#include "catalogue/DialogRules.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbAuftrag.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbMotor.h"
#include "i18n/Language.h"
#include "mdb/TDialogControl.h"
#include "mdb/TRecordDialog.h"
#include "measurements/SeriesPhiArea.h"
#include "measurements/TMdbMessung.h"
#include "units/Units.h"
#include "util/Numbers.h"
#include "util/Text.h"

#include <array>
#include <cmath>
#include <vector>

namespace corvane {

namespace {

constexpr int kChamberRig = 1;
constexpr int kDuctRig = 2;
constexpr int kReverberationRoom = 3;
constexpr int kNozzleMethod = 1;
constexpr int kOrificeMethod = 2;

const std::vector<std::string> kNozzleDiameters = {"0",   "40",  "70",  "100", "115",
                                                   "203", "325", "460", "580", "730"};
const std::vector<std::string> kOrificeDiameters = {"0", "40", "70", "100"};
const std::vector<std::string> kPipeDiameters = {"0", "200"};

constexpr std::array<int, 8> kCodeFields = {TMdbMessung::F_DBTYP,       TMdbMessung::F_MESSTYP,
                                            TMdbMessung::F_KENNLTYP,    TMdbMessung::F_TANDEM,
                                            TMdbMessung::F_phiTyp,      TMdbMessung::F_PRUEFSTAND,
                                            TMdbMessung::F_MESSMETHODE, TMdbMessung::F_DPENTNAHME};

void Fill(TDialogControl* combo, const std::vector<std::string>& items) {
    if (combo != nullptr) combo->SetItems(items);
}

// Selects the entry whose number is nearest to `value` (the first of equal distances).
void SelectNearest(TDialogControl* combo, const std::vector<std::string>& items, double value) {
    if (combo == nullptr) return;
    int best = 0;
    for (int i = 1; i < static_cast<int>(items.size()); ++i)
        if (std::fabs(ParseNumber(items[i]) - value) < std::fabs(ParseNumber(items[best]) - value))
            best = i;
    combo->SetItemIndex(best);
}

void Show(TDialogControl* control, bool shown) {
    if (control != nullptr) control->SetShown(shown);
}

void Put(TDialogControl* control, const std::string& text) {
    if (control != nullptr) control->SetText(text);
}

// The number chosen in an unbound diameter combo.
double ChosenDiameter(const TRecordDialog& dialog, const char* name) {
    const TDialogControl* combo = dialog.Named(name);
    return combo == nullptr ? 0.0 : ParseNumber(combo->Text());
}

std::string Fixed(double value, int decimals) {
    return Trim(FormatFixed(value, decimals));
}

} // namespace

bool TMdbMessung::EditRecord(TMdbBrowser* owner, std::int32_t& key, int flag) {
    if (flag >= 1 && flag <= 3) return false;
    const bool confirmed =
        EditInDialog(owner, key, [this] { return NewSeries(defaultEditor_, Today()); });
    if (confirmed) SetLastEditedSeries(key);
    return confirmed;
}

void TMdbMessung::RecordToDialog(TRecordDialog& dialog, const TMdbRecord* record) {
    for (const int field : kCodeFields) {
        std::vector<std::string> texts;
        for (int code = 0; code < CodeListSize(field); ++code)
            texts.push_back(CodeListText(field, code, TextLanguage()));
        Fill(dialog.Bound(field), texts);
    }
    Fill(dialog.Named(kNozzleCombo), kNozzleDiameters);
    Fill(dialog.Named(kOrificeCombo), kOrificeDiameters);
    Fill(dialog.Named(kPipeCombo), kPipeDiameters);
    TMdb::RecordToDialog(dialog, record);

    const int method = GetInt(record, F_MESSMETHODE);
    for (const char* name : {kNozzleCombo, kOrificeCombo, kPipeCombo})
        if (TDialogControl* combo = dialog.Named(name); combo != nullptr) combo->SetItemIndex(-1);
    if (method == kNozzleMethod) {
        SelectNearest(dialog.Named(kNozzleCombo), kNozzleDiameters, GetFloat(record, F_DB));
    } else if (method == kOrificeMethod) {
        SelectNearest(dialog.Named(kPipeCombo), kPipeDiameters, GetFloat(record, F_DR));
        SelectNearest(dialog.Named(kOrificeCombo), kOrificeDiameters, GetFloat(record, F_DB));
    }
    ApplyRigRule(dialog);
    ApplyMethodRule(dialog);
    ShowNumberCopies(dialog);
    ShowReferenceNames(dialog);
    PhiAreaChanged(dialog);
}

void TMdbMessung::ApplyRigRule(TRecordDialog& dialog) {
    const int rig = BoundIndex(dialog, F_PRUEFSTAND);
    const bool area = rig == kChamberRig || rig == kReverberationRoom;
    const bool shown = area || rig == kDuctRig;
    TDialogControl* label = dialog.Named(kRigSizeLabel);
    Put(label, area ? "Fläche [m²]" : "Durchmesser [mm]");
    Show(label, shown);
    Show(dialog.Bound(F_PRUEFSTMASS), shown);
}

void TMdbMessung::ApplyMethodRule(TRecordDialog& dialog) {
    const int method = BoundIndex(dialog, F_MESSMETHODE);
    const bool nozzle = method == kNozzleMethod;
    const bool orifice = method == kOrificeMethod;
    Put(dialog.Named(kNozzleLabel), "Düsendurchmesser [mm]");
    Put(dialog.Named(kPipeLabel), "Blendenrohrdurchmesser [mm]");
    Put(dialog.Named(kOrificeLabel), "Blendendurchmesser [mm]");
    for (const char* name : {kNozzleCombo, kNozzleLabel})
        Show(dialog.Named(name), nozzle);
    for (const char* name : {kPipeCombo, kPipeLabel, kOrificeCombo, kOrificeLabel})
        Show(dialog.Named(name), orifice);
}

void TMdbMessung::PhiDimensionsChanged(TRecordDialog& dialog) const {
    const TDialogControl* width = dialog.Named(kWidthBox);
    const double b = width == nullptr ? 0.0 : ParseNumber(width->Text());
    const double a0 =
        PhiAreaFromDimensions(BoundIndex(dialog, F_phiTyp), DialogValue(dialog, F_DLr), b);
    if (a0 < 0) return;
    const TMdbField& f = Field(F_A0);
    Put(dialog.Bound(F_A0), Fixed(ToDisplay(f.Quantity, ScreenUnitSystem(), a0), f.Width));
}

void TMdbMessung::PhiAreaChanged(TRecordDialog& dialog) const {
    static const std::array<const char*, 5> kWidthCaptions = {"", "d", "Breite", "m. Schaufelbr.",
                                                              "Schaufellänge"};
    const int type = BoundIndex(dialog, F_phiTyp);
    const double b =
        SecondDimensionFromPhiArea(type, DialogValue(dialog, F_DLr), DialogValue(dialog, F_A0));
    const bool shown = type >= 1 && type <= 4;
    TDialogControl* label = dialog.Named(kWidthLabel);
    if (shown) Put(label, kWidthCaptions[static_cast<std::size_t>(type)]);
    Show(label, shown);
    Show(dialog.Named(kWidthBox), shown);
    Put(dialog.Named(kWidthBox), b > 0 ? Fixed(b, 3) : std::string());
}

void TMdbMessung::ShowReferenceNames(TRecordDialog& dialog) const {
    for (const int field : {F_AUFTRAGSNR, F_LFRDNR, F_GEHSNR, F_MOTORNR}) {
        const TDialogReference reference = DialogReference(field);
        TDialogControl* box = reference.TextField > 0 ? dialog.Bound(reference.TextField)
                                                      : dialog.Named(reference.TextControl);
        Put(box, ReferenceText(field, BoundInt(dialog, field)));
    }
}

void TMdbMessung::ShowNumberCopies(TRecordDialog& dialog) {
    const std::string number = BoundText(dialog, F_MESSNR);
    Put(dialog.Named(kNumberCopy2), number);
    Put(dialog.Named(kNumberCopy3), number);
}

bool TMdbMessung::ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::ValidateDialog(dialog, record);
    if (dialog.IsNewRecord() && FindOtherByKey(BoundInt(dialog, F_MESSNR), record) != nullptr)
        throw EDialogError("Diese Mess-Nr. existiert schon!", F_MESSNR);
    const int method = BoundIndex(dialog, F_MESSMETHODE);
    if (method == kNozzleMethod && ChosenDiameter(dialog, kNozzleCombo) < 1)
        throw EDialogError("Der Düsendurchmesser muss grösser 0 sein!", kNozzleCombo);
    if (method == kOrificeMethod) {
        if (ChosenDiameter(dialog, kPipeCombo) < 1)
            throw EDialogError("Der Blendenrohrdurchmesser muss grösser 0 sein!", kPipeCombo);
        if (ChosenDiameter(dialog, kOrificeCombo) < 1)
            throw EDialogError("Der Blendendurchmesser muss grösser 0 sein!", kOrificeCombo);
    }
    return true;
}

void TMdbMessung::DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::DialogToRecord(dialog, record);
    switch (BoundIndex(dialog, F_MESSMETHODE)) {
    case kNozzleMethod:
        SetFloat(record, F_DR, -1);
        SetFloat(record, F_DB, ChosenDiameter(dialog, kNozzleCombo));
        break;
    case kOrificeMethod:
        SetFloat(record, F_DR, ChosenDiameter(dialog, kPipeCombo));
        SetFloat(record, F_DB, ChosenDiameter(dialog, kOrificeCombo));
        break;
    default:
        SetFloat(record, F_DR, 0);
        SetFloat(record, F_DB, 0);
        break;
    }
    if (GetInt(record, F_MESSNR) <= 0) {
        SetInt(record, F_MESSNR, 0);
        SetInt(record, F_MESSNR, NextKey());
    }
}

TMdb::TDialogReference TMdbMessung::DialogReference(int numberField) const {
    if (catalogue_ == nullptr) return {};
    switch (numberField) {
    case F_AUFTRAGSNR:
        return {&catalogue_->Auftrag(), F_KUNDE, {}};
    case F_LFRDNR:
        return {&catalogue_->Laufrad(), 0, kImpellerName};
    case F_GEHSNR:
        return {&catalogue_->Gehaeuse(), 0, kHousingName};
    case F_MOTORNR:
        return {&catalogue_->Motor(), 0, kMotorName};
    default:
        return {};
    }
}

std::string TMdbMessung::ReferenceText(int numberField, std::int32_t key) const {
    if (catalogue_ == nullptr) return {};
    if (numberField == F_AUFTRAGSNR) {
        const TMdbAuftrag& orders = catalogue_->Auftrag();
        const TMdbRecord* order = orders.FindByKey(key);
        return order == nullptr
                   ? std::string()
                   : orders.CustomerName(orders.GetInt(order, TMdbAuftrag::F_KUNDENNR));
    }
    if (numberField == F_GEHSNR) return HousingText(key);
    return TMdb::ReferenceText(numberField, key);
}

void TMdbMessung::ReferencePicked(TRecordDialog& dialog, int numberField, std::int32_t key) {
    const std::int32_t before = BoundInt(dialog, numberField);
    TMdb::ReferencePicked(dialog, numberField, key);
    if (catalogue_ == nullptr) return;
    if (numberField == F_AUFTRAGSNR && key != before) {
        Put(dialog.Bound(F_AUFTMESSZ), FormatDouble(NextOrderSerial(key, nullptr)));
    } else if (numberField == F_LFRDNR) {
        const TMdbLaufrad& impellers = catalogue_->Laufrad();
        const TMdbRecord* impeller = impellers.FindByKey(key);
        if (impeller == nullptr) return;
        const TMdbField& d2 = Field(F_DLr);
        Put(dialog.Bound(F_DLr), FormatQuantity(d2.Width, d2.Quantity, ScreenUnitSystem(),
                                                impellers.GetFloat(impeller, TMdbLaufrad::F_D2)));
        Put(dialog.Named(kWidthBox), Fixed(impellers.GetFloat(impeller, TMdbLaufrad::F_B2), 3));
        PhiDimensionsChanged(dialog);
    } else if (numberField == F_GEHSNR) {
        const TMdbGehaeuse& housings = catalogue_->Gehaeuse();
        const TMdbRecord* housing = housings.FindByKey(key);
        if (housing != nullptr)
            Put(dialog.Bound(F_AXIALSP), Fixed(housings.GetFloat(housing, TMdbGehaeuse::F_U), 2));
    }
}

bool TMdbMessung::CopyIntoDialog(TRecordDialog& dialog) {
    const TMdbRecord* source = FindByKey(lastEdited_);
    if (source == nullptr) return false;
    const std::string number = BoundText(dialog, F_MESSNR);
    if (!ConfirmCopy(*this, dialog, source,
                     "alle Daten mit der Messreihe Nr. " + std::to_string(lastEdited_) + "\r\n(" +
                         GetText(source, F_INFOTEXT) + ") überschreiben?"))
        return false;
    Put(dialog.Bound(F_MESSNR), number);
    ShowNumberCopies(dialog);
    return true;
}

} // namespace corvane
