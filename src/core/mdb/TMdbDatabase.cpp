// The SQL binding of TMdb: loading from and saving to a relational table through the
// table's query component. The statement texts come from MdbSqlText.

#include "mdb/EMdbError.h"
#include "mdb/MdbSlots.h"
#include "mdb/MdbSqlText.h"
#include "mdb/TMdb.h"
#include "mdb/TMdbQuery.h"
#include "mdb/TMessage.h"
#include "mdb/TRecordEditor.h"
#include "mdb/TSqlTransaction.h"
#include "util/Dates.h"
#include "util/Numbers.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace corvane {

namespace {

constexpr int kMaxResultColumns = 200;
constexpr std::size_t kMaxTextChars = 255;
constexpr double kMaxDay = 2147483647.0;

// Integer of an integer column; a text must be a whole integer. Raises on anything else.
std::int32_t IntegerOf(const TSqlValue& value) {
    switch (value.Kind) {
    case TSqlValue::TKind::Integer:
        return static_cast<std::int32_t>(
            std::clamp<std::int64_t>(value.Int, -2147483647, 2147483647));
    case TSqlValue::TKind::Float:
    case TSqlValue::TKind::Date:
        return ClampRoundInt(value.Number);
    case TSqlValue::TKind::Text: {
        std::int32_t result = 0;
        const char* end = value.Text.data() + value.Text.size();
        const auto parsed = std::from_chars(value.Text.data(), end, result);
        if (parsed.ec != std::errc() || parsed.ptr != end)
            throw EMdbError("not an integer: " + value.Text);
        return result;
    }
    case TSqlValue::TKind::Null:
        break;
    }
    return 0;
}

double NumberOf(const TSqlValue& value) {
    switch (value.Kind) {
    case TSqlValue::TKind::Integer:
        return static_cast<double>(value.Int);
    case TSqlValue::TKind::Float:
    case TSqlValue::TKind::Date:
        return value.Number;
    case TSqlValue::TKind::Text:
        return ParseNumber(value.Text);
    case TSqlValue::TKind::Null:
        break;
    }
    return 0;
}

// A day number: integers as they are, dates and other values clamped to 0..2147483647
// and rounded. A text may also be an ISO date (databases without a date type keep them so).
std::int32_t DayOf(const TSqlValue& value) {
    if (value.Kind == TSqlValue::TKind::Integer) return IntegerOf(value);
    std::int32_t day = 0;
    if (value.Kind == TSqlValue::TKind::Text && !value.Text.empty() &&
        TryIsoToDate(value.Text, day))
        return std::max(day, 0);
    return static_cast<std::int32_t>(RoundHalfEven(std::clamp(NumberOf(value), 0.0, kMaxDay)));
}

std::string TextOf(const TSqlValue& value) {
    switch (value.Kind) {
    case TSqlValue::TKind::Text:
        return std::string(mdb_detail::Utf8Prefix(value.Text, kMaxTextChars));
    case TSqlValue::TKind::Integer:
        return std::to_string(value.Int);
    case TSqlValue::TKind::Float:
    case TSqlValue::TKind::Date:
        return FormatDouble(value.Number);
    case TSqlValue::TKind::Null:
        break;
    }
    return {};
}

} // namespace

void TMdb::SetQuery(TMdbQuery* query) {
    query_ = query;
    databaseTableReady_ = false;
}

void TMdb::EnsureDatabaseTable() {
    if (databaseTableReady_) return;
    query_->Prepare(mdb_sql::Create(*this));
    query_->Execute();
    databaseTableReady_ = true;
}

void TMdb::BindFields(const TMdbRecord* record) {
    for (int f : mdb_sql::Fields(*this))
        query_->SetParam(fields_[f].Key, GetFieldVariant(record, f));
}

void TMdb::BindKeys(const TMdbRecord* record, std::string_view suffix) {
    for (int f : mdb_sql::KeyFields(*this))
        query_->SetParam(fields_[f].Key + std::string(suffix), GetInt(record, f));
}

void TMdb::ReadRow(TMdbRecord* record, const std::vector<int>& columnFields) {
    for (std::size_t c = 0; c < columnFields.size(); ++c) {
        const int f = columnFields[c];
        if (f == 0) continue;
        const TFieldType type = fields_[f].FieldType;
        try {
            const TSqlValue value = query_->Value(static_cast<int>(c));
            switch (type) {
            case ftInteger:
            case ftCode:
                SetInt(record, f, IntegerOf(value));
                break;
            case ftFloat:
                SetFloat(record, f, NumberOf(value));
                break;
            case ftDate:
                SetInt(record, f, DayOf(value));
                break;
            case ftString:
                SetText(record, f, TextOf(value));
                break;
            default:
                break;
            }
        } catch (const EMdbError&) {
            // A value that cannot be read leaves its slot zero; the row goes on.
            if (type == ftString)
                SetText(record, f, "");
            else
                SetInt(record, f, 0);
        }
    }
}

bool TMdb::LoadFromDatabase(std::string_view whereClause) {
    FreeAllRecords();
    if (query_ == nullptr) {
        RebuildIndex(false);
        return true;
    }
    bool complete = true;
    try {
        query_->Close();
        query_->Prepare(mdb_sql::Select(*this, whereClause));
        query_->Open();
        std::vector<int> columnFields;
        const int columns = std::min(query_->ColumnCount(), kMaxResultColumns);
        for (int c = 0; c < columns; ++c) {
            // An empty name would find a field without a key.
            const std::string name = query_->ColumnName(c);
            const int f = name.empty() ? 0 : FieldByKey(name);
            columnFields.push_back(f > 0 && fields_[f].HasSlot() ? f : 0);
        }
        while (query_->Next())
            ReadRow(NewRecord(), columnFields);
    } catch (const EMdbError&) {
        complete = false;
    }
    query_->Close();
    // A partly read table is never taken for the whole one: a later save would delete the
    // rows that were not read.
    if (!complete) FreeAllRecords();
    RebuildIndex(false);
    if (!complete) TMessage::Post("Fehler beim Laden von " + tableName_);
    return complete;
}

void TMdb::DropDatabaseTable() {
    if (query_ == nullptr) return;
    databaseTableReady_ = false;
    query_->Prepare(mdb_sql::Drop(*this));
    query_->Execute();
}

std::int32_t TMdb::NextKey() {
    std::int64_t largest = 0;
    if (query_ != nullptr) {
        // Errors count as an empty table.
        try {
            query_->Close();
            query_->Prepare(mdb_sql::MaxKey(*this));
            query_->Open();
            if (query_->Next()) {
                const TSqlValue value = query_->Value(0);
                if (value.Kind != TSqlValue::TKind::Null) largest = IntegerOf(value);
            }
        } catch (const EMdbError&) {
            largest = 0;
        }
        query_->Close();
    } else {
        for (const TMdbRecord* r = records_; r != nullptr; r = r->Next)
            largest = std::max<std::int64_t>(largest, KeyOf(r));
    }
    // No free number is left above the largest one.
    if (largest >= std::numeric_limits<std::int32_t>::max()) throw EMdbError("Mdb index error");
    return static_cast<std::int32_t>(std::max<std::int64_t>(largest + 1, 1));
}

void TMdb::SaveToDatabase() {
    if (query_ == nullptr) return;
    TSqlTransaction transaction(*query_);
    EnsureDatabaseTable();
    query_->Prepare(mdb_sql::DeleteAll(*this));
    query_->Execute();
    for (std::size_t i = 0; i < keyIndex_.size(); ++i)
        StoreRecord(keyIndex_[i], false, i == 0);
    transaction.Commit();
}

void TMdb::StoreRecord(TMdbRecord* record, bool tryUpdate, bool forceInsert) {
    if (query_ == nullptr || record == nullptr) return;
    if (mdb_sql::KeyFields(*this).empty())
        throw EMdbError("Table " + tableName_ + " has no key column");
    EnsureDatabaseTable();
    int rows = 0;
    if (tryUpdate) {
        query_->Prepare(mdb_sql::Update(*this));
        BindFields(record);
        BindKeys(record, mdb_sql::kKeySuffix);
        rows = query_->Execute();
    }
    if (rows > 0) return;
    // The bulk case reuses the prepared insert; any other statement is replaced by it.
    const std::string insert = mdb_sql::Insert(*this);
    if (forceInsert || tryUpdate || query_->Statement() != insert) query_->Prepare(insert);
    BindFields(record);
    query_->Execute();
}

void TMdb::DeleteRecord(TMdbRecord* record) {
    if (record == nullptr) return;
    if (query_ != nullptr) {
        if (mdb_sql::KeyFields(*this).empty())
            throw EMdbError("Table " + tableName_ + " has no key column");
        EnsureDatabaseTable();
        query_->Prepare(mdb_sql::Delete(*this));
        BindKeys(record, "");
        query_->Execute();
    }
    const std::int32_t key = KeyOf(record);
    FreeRecord(record, true);
    NotifyDeleted(key);
}

} // namespace corvane
