// Rules of the impeller table: derived texts, designations, look-ups and the delete guard.

#include "catalogue/TMdbLaufrad.h"

#include "catalogue/RefTableRules.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbBild.h"
#include "catalogue/TMdbDuese.h"
#include "catalogue/TMdbLrTyp.h"
#include "i18n/Texts.h"
#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"
#include "measurements/TMdbMessung.h"

#include <string>

namespace corvane {

namespace {

// Length in bytes of the UTF-8 sequence that starts with `lead`.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

// First character of a UTF-8 text (one blank when the text is empty).
std::string FirstCharacter(std::string_view text) {
    if (text.empty()) return " ";
    return std::string(text.substr(0, SequenceLength(static_cast<unsigned char>(text[0]))));
}

// The text without its last UTF-8 character.
std::string WithoutLastCharacter(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0) {
        --end;
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80) break;
    }
    return std::string(text.substr(0, end));
}

// Decimal number right-aligned in `width` characters, the padding blanks written as zeros;
// a wider number is written in full.
std::string ZeroPadded(std::int32_t value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

} // namespace

std::string TMdbLaufrad::BuildDesignation(std::int32_t typeNo, std::int32_t nominalDiameter,
                                          std::int32_t width, std::string_view rotation,
                                          std::string_view inlet, std::int32_t version) {
    return ZeroPadded(typeNo, 3) + "-" + ZeroPadded(nominalDiameter, 4) + "-" +
           ZeroPadded(width, 4) + "-" + FirstCharacter(rotation) + "-" + FirstCharacter(inlet) +
           "/" + ZeroPadded(version, 2);
}

bool TMdbLaufrad::IsDoubleInlet(const TMdbRecord* record) const {
    return GetText(record, F_FLUTIGKEIT) == "D";
}

std::int32_t TMdbLaufrad::DesignationWidth(const TMdbRecord* record) const {
    return GetInt(record, IsDoubleInlet(record) ? F_BS : F_B2);
}

std::string TMdbLaufrad::Designation(const TMdbRecord* record) const {
    return BuildDesignation(GetInt(record, F_TYPNR), GetInt(record, F_D2NENN),
                            DesignationWidth(record), GetText(record, F_DREHRICHT),
                            GetText(record, F_FLUTIGKEIT), GetInt(record, F_VERSION));
}

TMdbRecord* TMdbLaufrad::TypeRecord(const TMdbRecord* record) const {
    if (catalogue_ == nullptr) return nullptr;
    return catalogue_->LrTyp().FindByKey(GetInt(record, F_TYPNR));
}

TMdbRecord* TMdbLaufrad::NozzleRecord(const TMdbRecord* record) const {
    if (catalogue_ == nullptr) return nullptr;
    return catalogue_->Duese().FindByKey(GetInt(record, F_DUESE));
}

std::int32_t TMdbLaufrad::TypeNumber(const TMdbRecord* record) const {
    const TMdbRecord* type = TypeRecord(record);
    return type == nullptr ? 0 : catalogue_->LrTyp().GetInt(type, TMdbLrTyp::F_TYPNR);
}

std::string TMdbLaufrad::TypeDesignation(const TMdbRecord* record) const {
    const TMdbRecord* type = TypeRecord(record);
    return type == nullptr ? std::string() : catalogue_->LrTyp().GetText(type, TMdbLrTyp::F_TYPBEZ);
}

bool TMdbLaufrad::InCatalogue(const TMdbRecord* record) const {
    return GetInt(record, F_INKATALOG) > 0;
}

std::string TMdbLaufrad::GetCalcText(const TMdbRecord* record, int field) const {
    CheckField(field);
    switch (field) {
    case F_LAUFRADBEZ:
        return Designation(record);
    case F_TYPBEZ:
        return TypeDesignation(record);
    case F_EINSTROEMDUESE: {
        const TMdbRecord* nozzle = NozzleRecord(record);
        return nozzle == nullptr ? std::string() : catalogue_->Duese().Designation(nozzle);
    }
    case F_BILDBEZ: {
        if (catalogue_ == nullptr) return {};
        const TMdbBild& pictures = catalogue_->Bild();
        const TMdbRecord* picture = pictures.FindByKey(GetInt(record, F_BILDNR));
        return picture == nullptr ? std::string() : pictures.GetText(picture, TMdbBild::F_BILDBEZ);
    }
    default:
        return {};
    }
}

std::string TMdbLaufrad::CatalogueDesignation(const TMdbRecord* record, int variant) const {
    std::string type = TypeDesignation(record);
    if (!type.empty()) {
        switch (variant) {
        case 10:
            type += "A";
            break;
        case 11:
            type += "B";
            break;
        case 12:
            type += "C";
            break;
        case 20:
            type = WithoutLastCharacter(type) + "3";
            break;
        case 21:
            type = WithoutLastCharacter(type) + "4";
            break;
        case 22:
            type = WithoutLastCharacter(type) + "5";
            break;
        default:
            break;
        }
    }
    return type + " " + std::to_string(GetInt(record, F_D2NENN)) + " x " +
           std::to_string(DesignationWidth(record)) + "-" + GetText(record, F_FLUTIGKEIT);
}

std::int32_t TMdbLaufrad::MeasurementNo(const TMdbRecord* record) const {
    const std::int32_t own = GetInt(record, F_MESSNR);
    if (own > 0 || catalogue_ == nullptr) return own;
    const TMdbMessung& series = catalogue_->Messung();
    const TMdbRecord* found =
        series.FindByValue(GetInt(record, F_LFRDNR), "", nullptr, TMdbMessung::F_LFRDNR);
    return found == nullptr ? own : series.GetInt(found, TMdbMessung::F_MESSNR);
}

void TMdbLaufrad::SaveToStream(TStream& stream, bool viewOnly) {
    for (TMdbRecord* r = FirstRecord(); r != nullptr; r = r->Next)
        SetText(r, F_ORGBEZ, "");
    TMdb::SaveToStream(stream, viewOnly);
}

void TMdbLaufrad::DeleteRecord(TMdbRecord* record) {
    if (record == nullptr) return;
    if (catalogue_ != nullptr &&
        catalogue_->Messung().FindByValue(GetInt(record, F_LFRDNR), "", nullptr,
                                          TMdbMessung::F_LFRDNR) != nullptr) {
        throw EMdbError("Dieses Laufrad wird noch in einer Messung verwendet!");
    }
    if (!TConfirmation::Ask("Laufrad " + Designation(record) + " löschen ?")) return;
    TMdb::DeleteRecord(record);
}

TMdbRecord* TMdbLaufrad::NewRecordWithDefaults(std::int32_t today) {
    return NewNumberedRecord(*this, F_ERSTDATUM, today);
}

std::string TMdbLaufrad::BrowserCaption() const {
    return Txt(TextId::BrowserLaufrad);
}

} // namespace corvane
