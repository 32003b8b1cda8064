#include "mdb/TRecordSnapshot.h"

#include "mdb/TMdb.h"

namespace corvane {

TRecordSnapshot::TRecordSnapshot(const TMdb& table, const TMdbRecord* record) {
    for (int field = 1; field <= table.FieldCount(); ++field)
        if (table.Field(field).HasSlot())
            values_.emplace_back(field, table.GetFieldVariant(record, field));
}

void TRecordSnapshot::Restore(TMdb& table, TMdbRecord* record) const {
    for (const auto& [field, value] : values_) {
        if (const auto* text = std::get_if<std::string>(&value))
            table.SetText(record, field, *text);
        else if (const auto* number = std::get_if<std::int32_t>(&value))
            table.SetInt(record, field, *number);
        else
            table.SetFloat(record, field, std::get<double>(value));
    }
}

} // namespace corvane
