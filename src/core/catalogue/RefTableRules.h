#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class TMdb;
class TMdbRecord;

// Rules shared by the small reference tables (customers, orders, motors, pictures, texts).

// Column flag of a field declaration: shown with the default width, or never a column.
inline constexpr int kShownColumn = -1;
inline constexpr int kHiddenColumn = 0;
// Upper validation bound that stands for "no bound".
inline constexpr float kNoUpperBound = 2147483648.0f;

// A new record linked into `table` with field 1 set to the next free number and, when
// `creationDateField` is not 0, that date field set to `today`.
TMdbRecord* NewNumberedRecord(TMdb& table, int creationDateField, std::int32_t today);

// Sets the change date to `today` when today differs from the creation date.
void StampChangeDate(TMdb& table, TMdbRecord* record, int creationDateField, int changeDateField,
                     std::int32_t today);

// Raises EMdbError(message) when `typedNumber` is the number of a record other than `record`.
void CheckNumberIsFree(TMdb& table, TMdbRecord* record, std::int32_t typedNumber,
                       const std::string& message);

// Raises EMdbError(message) when another record holds `typedText` in the text field `field`,
// ignoring case.
void CheckTextIsFree(const TMdb& table, const TMdbRecord* record, int field,
                     std::string_view typedText, const std::string& message);

// Asks `question` (OK/Cancel); on OK removes the record through the base table's delete and
// answers true, on Cancel changes nothing and answers false.
bool ConfirmAndDelete(TMdb& table, TMdbRecord* record, const std::string& question);

// Raises std::logic_error when a field was declared under another number than its constant.
void CheckFieldNumber(int declared, int expected);

// Sets the captions of languages 1 and 2 of one field.
void SetForeignCaptions(TMdb& table, int field, std::string_view english,
                        std::string_view englishLong, std::string_view russian,
                        std::string_view russianLong);

} // namespace corvane
