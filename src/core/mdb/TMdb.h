#pragma once

#include "mdb/CurveInterpolation.h"
#include "mdb/TMdbField.h"
#include "mdb/TMdbRecord.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corvane {

class TStream;
class TMdbQuery;

// A field value as a variant: int32 for integer, date and code fields, double for floats
// (converted to display units where asked), text otherwise. Default: the empty text.
using TMdbVariant = std::variant<std::string, std::int32_t, double>;

struct TCellText {
    std::string Text;
    bool LeftAligned = true;
};

// In-memory table of typed records. Field numbers are 1-based; every access with a field
// number outside 1..FieldCount raises EMdbError("Mdb index error").
class TMdb {
public:
    static constexpr int kMaxRecords = 65000;
    static constexpr int kHeaderRows = 3;
    static constexpr int kFixedCols = 1;
    static constexpr int kKeyIndexSort = -99; // Sort(): sort KeyIndex by the key field

    TMdb(int maxFields, int keyField, std::string tableName, TMdbQuery* query, std::uint32_t mdbNo);
    virtual ~TMdb();
    TMdb(const TMdb&) = delete;
    TMdb& operator=(const TMdb&) = delete;

    // Declaration.
    int AddField(TFieldType fieldType, int colWidth, int width, float minValue, float maxValue,
                 std::string_view key, std::string_view caption, std::string_view longCaption,
                 int quantity);
    void SetCaption(int language, int field, std::string_view caption,
                    std::string_view longCaption);
    int FieldByKey(std::string_view key) const;
    const TMdbField& Field(int field) const;
    TMdbField& MutableField(int field);

    int FieldCount() const { return fieldCount_; }
    int MaxFields() const { return maxFields_; }
    int SlotCount() const { return slotCount_; }
    int KeyField() const { return keyField_; }
    std::uint32_t MdbNo() const { return mdbNo_; }
    const std::string& TableName() const { return tableName_; }
    TMdbQuery* Query() const { return query_; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    // Grid columns (field numbers), initially every field with ColWidth != 0.
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    const std::vector<int>& Columns() const { return columns_; }
    void SetColumns(std::vector<int> columns);

    // Records.
    virtual TMdbRecord* NewRecord();
    void FreeRecord(TMdbRecord* record, bool unlink);
    void FreeAllRecords();
    virtual void RebuildIndex(bool flag);
    TMdbRecord* FirstRecord() const { return records_; } // head of the list, newest first
    int RecordCount() const;                             // walks the list
    // Grows with every change of records or values made through the table (new, freed and
    // loaded records, the Set functions): whoever keeps results derived from the records
    // knows they still fit while it is unchanged. Writes straight into record slots do not
    // count.
    std::uint64_t Changes() const { return changes_; }
    // Counts a change made by writing record slots directly.
    void NoteDirectWrites() { ++changes_; }

    int ViewCount() const { return static_cast<int>(view_.size()); }
    TMdbRecord* ViewRecord(int index) const; // 0-based; nullptr outside
    std::span<TMdbRecord* const> ViewRecords() const { return view_; }
    int KeyIndexCount() const { return static_cast<int>(keyIndex_.size()); }
    TMdbRecord* KeyRecord(int index) const; // 0-based; nullptr outside
    // Position of a record in the view, or -1.
    int ViewIndexOf(const TMdbRecord* record) const;
    // Appends an existing list record to both arrays without re-sorting (edit dialogs).
    void AddToIndex(TMdbRecord* record);
    void RemoveFromIndex(const TMdbRecord* record);

    // Value access.
    std::int32_t GetInt(const TMdbRecord* record, int field) const;
    float GetFloat(const TMdbRecord* record, int field) const;
    double GetFloatInUnits(const TMdbRecord* record, int field, bool forPrint) const;
    void SetInt(TMdbRecord* record, int field, std::int32_t value);
    void SetFloat(TMdbRecord* record, int field, double value);
    // Text of a type-3 field (UTF-8); empty for other types.
    const std::string& GetText(const TMdbRecord* record, int field) const;
    void SetText(TMdbRecord* record, int field, std::string_view text);
    std::int32_t Key(const TMdbRecord* record) const { return GetInt(record, keyField_); }

    virtual void SetFieldText(TMdbRecord* record, int field, std::string_view text);
    virtual std::string GetFieldText(const TMdbRecord* record, int field) const;
    virtual std::string GetFieldTextInUnits(const TMdbRecord* record, int field,
                                            bool forPrint) const;
    std::string GetUnitText(int field, bool forPrint) const;
    TMdbVariant GetFieldVariant(const TMdbRecord* record, int field) const;
    virtual TMdbVariant GetFieldVariantInUnits(const TMdbRecord* record, int field,
                                               bool forPrint) const;

    // Look-up, sort and search.
    void Sort(int field, bool descending);
    std::int32_t Search(int field, bool backwards, std::string_view text) const;
    TMdbRecord* FindByKey(std::int32_t key) const;
    // Another record than `record` with the key (the edit dialogs test a typed number with
    // it); nullptr when there is none. Only indexed records are found.
    TMdbRecord* FindOtherByKey(std::int32_t key, const TMdbRecord* record) const;
    TMdbRecord* FindByValue(std::int32_t intValue, std::string_view text, const TMdbRecord* exclude,
                            int field) const;
    TCellText CellText(int column, int row) const;

    // Curve queries on the view sorted ascending by xField.
    TCurveValue Interpolate(int xField, int yField, float x) const;
    TCurveValue IntersectParabola(int xField, int yField, float k) const;
    double FindXForY(int xField, int yField, double y, double lo, double hi) const;

    // Overridable operations.
    virtual std::string GetCalcText(const TMdbRecord* record, int field) const;
    virtual std::string GetCodeText(const TMdbRecord* record, int field) const;
    virtual void SaveToStream(TStream& stream, bool viewOnly);
    virtual void WriteRecord(const TMdbRecord* record, TStream& stream);
    virtual void LoadFromStream(TStream& stream);
    virtual void LoadFromDatabase(std::string_view whereClause);
    virtual void ReservedHook(int value);
    virtual void DropDatabaseTable();
    virtual std::int32_t NextKey();
    virtual void SaveToDatabase();
    virtual void StoreRecord(TMdbRecord* record, bool tryUpdate, bool forceInsert);
    virtual void DeleteRecord(TMdbRecord* record);
    // Window caption of the table's browser (set by the browser hook of each table).
    virtual std::string BrowserCaption() const { return tableName_; }

protected:
    // Raises "Mdb index error" unless 1 <= field <= FieldCount.
    void CheckField(int field) const;

private:
    // Text store: slot value h > 0 refers to texts_[h - 1]; freed handles are reused.
    std::uint32_t StoreText(std::string_view text);
    void ReleaseText(std::uint32_t handle);
    void SortView(int field, bool descending);
    void SortKeyIndex();
    // Releases the texts of a record and its memory; the record must be out of every list.
    void DisposeRecord(TMdbRecord* record);
    // Key-field value, read straight from the slot for integer key fields.
    std::int32_t KeyOf(const TMdbRecord* record) const;

    int maxFields_;
    int keyField_;
    std::string tableName_;
    TMdbQuery* query_;
    std::uint32_t mdbNo_;
    int fieldCount_ = 0;
    int slotCount_ = 0;
    bool readOnly_ = true;
    std::uint64_t changes_ = 0;
    std::vector<TMdbField> fields_; // index 0 unused; fields 1..fieldCount_
    std::vector<int> columns_;
    TMdbRecord* records_ = nullptr;
    std::vector<TMdbRecord*> view_;
    std::vector<TMdbRecord*> keyIndex_;
    std::vector<std::string> texts_;
    std::vector<std::uint32_t> freeTexts_;
};

} // namespace corvane
