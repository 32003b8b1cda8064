#include "catalogue/RefTableRules.h"

#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"
#include "mdb/TMdb.h"

#include <stdexcept>

namespace corvane {

TMdbRecord* NewNumberedRecord(TMdb& table, int creationDateField, std::int32_t today) {
    const std::int32_t number = table.NextKey();
    TMdbRecord* record = table.NewRecord();
    table.SetInt(record, 1, number);
    if (creationDateField != 0) table.SetInt(record, creationDateField, today);
    return record;
}

void StampChangeDate(TMdb& table, TMdbRecord* record, int creationDateField, int changeDateField,
                     std::int32_t today) {
    if (today != table.GetInt(record, creationDateField))
        table.SetInt(record, changeDateField, today);
}

void CheckNumberIsFree(TMdb& table, TMdbRecord* record, std::int32_t typedNumber,
                       const std::string& message) {
    const TMdbRecord* other = record != nullptr ? table.FindOtherByKey(typedNumber, record)
                                                : table.FindByKey(typedNumber);
    if (other != nullptr) throw EMdbError(message);
}

void CheckTextIsFree(const TMdb& table, const TMdbRecord* record, int field,
                     std::string_view typedText, const std::string& message) {
    if (table.FindByValue(0, typedText, record, field) != nullptr) throw EMdbError(message);
}

bool ConfirmAndDelete(TMdb& table, TMdbRecord* record, const std::string& question) {
    if (!TConfirmation::Ask(question)) return false;
    table.TMdb::DeleteRecord(record);
    return true;
}

void CheckFieldNumber(int declared, int expected) {
    if (declared != expected) throw std::logic_error("field declared out of order");
}

void SetForeignCaptions(TMdb& table, int field, std::string_view english,
                        std::string_view englishLong, std::string_view russian,
                        std::string_view russianLong) {
    table.SetCaption(1, field, english, englishLong);
    table.SetCaption(2, field, russian, russianLong);
}

} // namespace corvane
