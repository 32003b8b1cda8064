#pragma once

#include "mdb/TMdbField.h"

#include <span>

namespace corvane {

class TMdb;

// One row of a catalogue table's field list: what TMdb::AddField needs plus the captions of
// the other languages where they differ from the German ones.
struct TFieldDecl {
    int No; // the field number the declaration must return
    TFieldType Type;
    const char* Key;
    const char* Caption;
    const char* LongCaption;
    int Quantity;
    int Width; // string length or decimals
    float Min;
    float Max;
    bool Column; // shown as a default browser column
    // Captions of languages 1 and 2; nullptr keeps the German captions.
    const char* OtherCaption = nullptr;
    const char* OtherLongCaption = nullptr;
};

// Bound of a field without an upper limit (2^31, exactly representable as float).
inline constexpr float kNoUpperBound = 2147483648.0f;

// Quantity kinds used by the catalogue tables.
inline constexpr int kQuantityNone = 0;
inline constexpr int kQuantitySpeed = 5;
inline constexpr int kQuantityLength = 17;
inline constexpr int kQuantityAngle = 20;
inline constexpr int kQuantityNoUnit = 21;
inline constexpr int kQuantityMass = 22;

// Declares the fields in order. Raises std::logic_error when a declaration does not get the
// number of its decl row, so a misordered list can never shift the meaning of stored slots.
void DeclareFields(TMdb& table, std::span<const TFieldDecl> decls);

} // namespace corvane
