#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace corvane {

enum TFieldType : std::uint8_t {
    ftInteger = 0,
    ftFloat = 1,
    ftDate = 2,
    ftString = 3,
    ftCode = 4,
    ftCalcText = 5,
    ftCalcNumber = 6,
    ftFloatTransient = 7,
};

// Descriptor of one declared field of a table.
struct TMdbField {
    TFieldType FieldType = ftInteger;
    std::int32_t ColWidth = 0; // 0 never a column, -1 default width, > 0 width in pixels
    std::int32_t Width = 0;    // string: max length; float: decimals
    std::int32_t Slot = -1;    // record slot, -1 for calculated fields
    float MinValue = 0;
    float MaxValue = 0;
    std::string Key;                        // upper-case, trimmed, at most 16 characters
    std::array<std::string, 3> Caption;     // per language, at most 20 characters
    std::array<std::string, 3> LongCaption; // per language, at most 40 characters
    std::uint8_t Quantity = 0;              // unit quantity kind 0..23

    bool HasSlot() const { return FieldType != ftCalcText && FieldType != ftCalcNumber; }
    bool IsFloat() const { return FieldType == ftFloat || FieldType == ftFloatTransient; }
    // Written to and read from table streams.
    bool IsStored() const { return FieldType <= ftCode; }
    const std::string& CaptionIn(int language) const { return Caption[language]; }
    const std::string& LongCaptionIn(int language) const {
        return LongCaption[language].empty() ? Caption[language] : LongCaption[language];
    }
};

} // namespace corvane
