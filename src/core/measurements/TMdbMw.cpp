#include "measurements/TMdbMw.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbTexte.h"
#include "i18n/Texts.h"
#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"
#include "measurements/Humidity.h"
#include "measurements/TPointBaseMemo.h"
#include "measurements/TTrialCurve.h"
#include "util/Text.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace corvane {

namespace {
constexpr std::uint32_t kMissingBits = std::bit_cast<std::uint32_t>(-1.0f);
}

TMdbMw::TMdbMw(TCatalogue* catalogue)
    : TMdb(kFieldCount, F_MWNR, "MW", nullptr, kMdbNo), catalogue_(catalogue) {
    DeclareFields();
    // Every field of this table has a slot, in declaration order; the evaluation relies on
    // field n living in slot n - 1.
    for (int field = 1; field <= FieldCount(); ++field)
        if (Field(field).Slot != field - 1) throw EMdbError("Mdb index error");
    newPointSlots_.assign(static_cast<std::size_t>(SlotCount()), 0);
    for (int field = 1; field <= FieldCount(); ++field)
        if (IsFloatField(field)) newPointSlots_[static_cast<std::size_t>(field - 1)] = kMissingBits;
}

TMdbMw::~TMdbMw() = default;

TTrialCurve& TMdbMw::TrialCurve() {
    if (!trialCurve_) trialCurve_ = std::make_unique<TTrialCurve>();
    return *trialCurve_;
}

TPointBaseMemo& TMdbMw::BaseMemo() {
    if (!baseMemo_) baseMemo_ = std::make_unique<TPointBaseMemo>();
    return *baseMemo_;
}

bool TMdbMw::IsFloatField(int field) const {
    return Field(field).IsFloat();
}

double TMdbMw::HumidityContent(double t, double rf) {
    return HumidityTerm(t, rf);
}

// A new point has every float missing and belongs to the loaded series.
TMdbRecord* TMdbMw::NewRecord() {
    TMdbRecord* record = TMdb::NewRecord();
    std::memcpy(record->Slots(), newPointSlots_.data(),
                newPointSlots_.size() * sizeof(std::uint32_t));
    record->Slots()[F_MESSNR - 1] = static_cast<std::uint32_t>(seriesNo_);
    // Whoever adds points (a load, the editor) leaves them unevaluated.
    evaluated_ = false;
    return record;
}

std::int32_t TMdbMw::NextKey() {
    std::int32_t largest = 0;
    for (const TMdbRecord* r = FirstRecord(); r != nullptr; r = r->Next)
        largest = std::max(largest, GetInt(r, F_MWNR));
    if (largest == 2147483647) throw EMdbError("Mdb index error");
    return std::max(largest + 1, 1);
}

std::string TMdbMw::GetFieldText(const TMdbRecord* record, int field) const {
    CheckField(field);
    if (IsFloatField(field) && GetFloat(record, field) == -1.0f) return {};
    return TMdb::GetFieldText(record, field);
}

std::string TMdbMw::GetFieldTextInUnits(const TMdbRecord* record, int field, bool forPrint) const {
    CheckField(field);
    if (IsFloatField(field) && GetFloat(record, field) == -1.0f) return {};
    return TMdb::GetFieldTextInUnits(record, field, forPrint);
}

TMdbVariant TMdbMw::GetFieldVariantInUnits(const TMdbRecord* record, int field,
                                           bool forPrint) const {
    CheckField(field);
    if (IsFloatField(field) && GetFloat(record, field) == -1.0f) return std::string();
    return TMdb::GetFieldVariantInUnits(record, field, forPrint);
}

void TMdbMw::SetFieldText(TMdbRecord* record, int field, std::string_view text) {
    CheckField(field);
    if (IsFloatField(field) && Trim(text).empty()) {
        SetFloat(record, field, -1.0);
        return;
    }
    TMdb::SetFieldText(record, field, text);
}

// Instrument fields refer to records of the measurement texts; the code text is their text.
std::string TMdbMw::GetCodeText(const TMdbRecord* record, int field) const {
    CheckField(field);
    if (catalogue_ == nullptr) return {};
    if (field < F_DREHMESSG || field > F_RES7) return {};
    TMdbTexte& texts = catalogue_->Texte();
    const TMdbRecord* text = texts.FindByKey(GetInt(record, field));
    return text == nullptr ? std::string() : texts.GetText(text, TMdbTexte::F_TEXTINHALT);
}

void TMdbMw::DeleteRecord(TMdbRecord* record) {
    if (record == nullptr) return;
    const std::string question = "Messung Nr." + std::to_string(GetInt(record, F_MWNR)) +
                                 " aus der Messreihe " + std::to_string(seriesNo_) + " löschen ?";
    if (!TConfirmation::Ask(question)) return;
    TMdb::DeleteRecord(record);
}

std::string TMdbMw::BrowserCaption() const {
    return ReplaceAll(Txt(TextId::BrowserMw), "%s", std::to_string(seriesNo_));
}

} // namespace corvane
