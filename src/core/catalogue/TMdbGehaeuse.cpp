// Rules of the housing table: derived texts, housing forms, look-ups and the delete guard.

#include "catalogue/TMdbGehaeuse.h"

#include "catalogue/RefTableRules.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbBild.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"
#include "measurements/TMdbMessung.h"
#include "util/Files.h"
#include "util/ProgramFolder.h"
#include "util/Text.h"

#include <array>

namespace corvane {

namespace {

constexpr std::array<std::array<const char*, 3>, TMdbGehaeuse::kFormCount> kFormTexts = {{
    {"????", "????", "????"},
    {"Kreis", "circular", "Круг"},
    {"Rechteck", "rectangle", "Прямоугольник"},
    {"Trapez", "trapezoid", "Трапеция"},
    {"sonstige", "other", "Другое"},
}};

} // namespace

std::string TMdbGehaeuse::FormText(std::int32_t form, int language) {
    if (form < 0 || form >= kFormCount) form = 0;
    if (language < 0 || language > 2) language = 0;
    return kFormTexts[static_cast<std::size_t>(form)][static_cast<std::size_t>(language)];
}

std::string TMdbGehaeuse::GetCodeText(const TMdbRecord* record, int field) const {
    CheckField(field);
    if (field != F_GEHSEFORM) return {};
    return FormText(GetInt(record, F_GEHSEFORM), TextLanguage());
}

TMdbRecord* TMdbGehaeuse::ImpellerRecord(const TMdbRecord* record) const {
    if (catalogue_ == nullptr) return nullptr;
    return catalogue_->Laufrad().FindByKey(GetInt(record, F_LAUFRADNR));
}

std::string TMdbGehaeuse::GetCalcText(const TMdbRecord* record, int field) const {
    CheckField(field);
    if (catalogue_ == nullptr) return {};
    switch (field) {
    case F_TYPBEZ: {
        const TMdbLrTyp& types = catalogue_->LrTyp();
        const TMdbRecord* type = types.FindByKey(GetInt(record, F_TYPNR));
        return type == nullptr ? std::string() : types.GetText(type, TMdbLrTyp::F_TYPBEZ);
    }
    case F_LAUFRADBEZ:
    case F_EINSTROEMDUESE: {
        const TMdbRecord* impeller = ImpellerRecord(record);
        if (impeller == nullptr) return {};
        return catalogue_->Laufrad().GetCalcText(impeller, field == F_LAUFRADBEZ
                                                               ? TMdbLaufrad::F_LAUFRADBEZ
                                                               : TMdbLaufrad::F_EINSTROEMDUESE);
    }
    case F_BILDBEZ: {
        const TMdbBild& pictures = catalogue_->Bild();
        const TMdbRecord* picture = pictures.FindByKey(GetInt(record, F_BILDNR));
        return picture == nullptr ? std::string() : pictures.GetText(picture, TMdbBild::F_BILDBEZ);
    }
    default:
        return {};
    }
}

std::int32_t TMdbGehaeuse::MeasurementNo(const TMdbRecord* record) const {
    const std::int32_t own = GetInt(record, F_MESSNR);
    if (own > 0 || catalogue_ == nullptr) return own;
    const TMdbMessung& series = catalogue_->Messung();
    const TMdbRecord* found =
        series.FindByValue(GetInt(record, F_GEHSNR), "", nullptr, TMdbMessung::F_GEHSNR);
    return found == nullptr ? own : series.GetInt(found, TMdbMessung::F_MESSNR);
}

bool TMdbGehaeuse::IsDoubleInlet(const TMdbRecord* record) const {
    const std::string inlet = Trim(GetText(record, F_FLUTIGKEIT));
    return !inlet.empty() && (inlet[0] == 'D' || inlet[0] == 'd');
}

bool TMdbGehaeuse::InCatalogue(const TMdbRecord* record) const {
    return GetInt(record, F_INKATALOG) > 0;
}

bool TMdbGehaeuse::LoadFromDatabase(std::string_view whereClause) {
    RotateLog(ProgramFile("corvane.LOG"), 1);
    return TMdb::LoadFromDatabase(whereClause);
}

void TMdbGehaeuse::DeleteRecord(TMdbRecord* record) {
    if (record == nullptr) return;
    if (catalogue_ != nullptr &&
        catalogue_->Messung().FindByValue(GetInt(record, F_GEHSNR), "", nullptr,
                                          TMdbMessung::F_GEHSNR) != nullptr) {
        throw EMdbError("Dieses Gehäuse wird noch in einer Messung verwendet!");
    }
    if (!TConfirmation::Ask("Gehäuse " + GetText(record, F_GEHSBEZ) + " löschen ?")) return;
    TMdb::DeleteRecord(record);
}

TMdbRecord* TMdbGehaeuse::NewRecordWithDefaults(std::int32_t today) {
    return NewNumberedRecord(*this, F_ERSTDATUM, today);
}

std::string TMdbGehaeuse::BrowserCaption() const {
    return Txt(TextId::BrowserGehaeuse);
}

} // namespace corvane
