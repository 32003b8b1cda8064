#pragma once

#include "mdb/CurveInterpolation.h"
#include "mdb/TMdbField.h"
#include "mdb/TMdbRecord.h"
#include "mdb/TMdbVariant.h"

#include <bit>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class TStream;
class TMdbQuery;
class TMdbBrowser;
class TMdbObserver;
class TRecordDialog;

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
    static constexpr std::int32_t kMaxPayloadWords = 16376; // of one record in a stream

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
    // For the presentation of a field (widths, captions, bounds): its type and slot stay as
    // declared, the stream layout is made from them.
    TMdbField& MutableField(int field);

    int FieldCount() const { return fieldCount_; }
    int MaxFields() const { return maxFields_; }
    int SlotCount() const { return slotCount_; }
    // Fields written to a stream; each record there takes at least a word for each of them.
    std::int32_t StoredFieldCount() const { return storedFields_; }
    int KeyField() const { return keyField_; }
    // True when a field holds a text (its record slot is then a handle into the table).
    bool StoresTexts() const { return storesTexts_; }
    std::uint32_t MdbNo() const { return mdbNo_; }
    const std::string& TableName() const { return tableName_; }
    TMdbQuery* Query() const { return query_; }
    // Binds the table to a database query component (not owned); nullptr unbinds it.
    void SetQuery(TMdbQuery* query);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    // Grid columns (field numbers), initially every field with ColWidth != 0.
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    const std::vector<int>& Columns() const { return columns_; }
    void SetColumns(std::vector<int> columns);

    // Records. Freed records are kept for reuse by NewRecord, which gives them out exactly
    // as fresh ones (every slot 0); their memory goes when the table does or fields are added.
    virtual TMdbRecord* NewRecord();
    void FreeRecord(TMdbRecord* record, bool unlink);
    void FreeAllRecords();
    virtual void RebuildIndex(bool flag);
    // Leaves one record per key in the list, the view and the key index: the one that came
    // first (read first from a stream or a text file; the list holds the newest first). The
    // others are freed. Returns the key of every record freed, ascending. Needs an index
    // built by RebuildIndex.
    std::vector<std::int32_t> DropDuplicateKeys();
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

    // Value access. The number reads are inline: searches and curve queries read millions.
    std::int32_t GetInt(const TMdbRecord* record, int field) const {
        if (field >= 1 && field <= fieldCount_) {
            const TMdbField& f = fields_[static_cast<std::size_t>(field)];
            if (f.FieldType == ftInteger || f.FieldType == ftDate || f.FieldType == ftCode)
                return static_cast<std::int32_t>(record->Slots()[f.Slot]);
        }
        return GetIntOther(record, field);
    }
    float GetFloat(const TMdbRecord* record, int field) const {
        if (field >= 1 && field <= fieldCount_) {
            const TMdbField& f = fields_[static_cast<std::size_t>(field)];
            if (f.IsFloat()) return std::bit_cast<float>(record->Slots()[f.Slot]);
        }
        return GetFloatOther(record, field);
    }
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
    // Unit label of the field in the screen or print unit system; empty for dimensionless fields.
    std::string GetUnitText(int field, bool forPrint) const;
    TMdbVariant GetFieldVariant(const TMdbRecord* record, int field) const;
    virtual TMdbVariant GetFieldVariantInUnits(const TMdbRecord* record, int field,
                                               bool forPrint) const;

    // Look-up, sort and search.
    void Sort(int field, bool descending);
    std::int32_t Search(int field, bool backwards, std::string_view text) const;
    TMdbRecord* FindByKey(std::int32_t key) const;
    // FindByKey for a walk that asks mostly for the key index entry after the one found last
    // (the records of another table referring to this one's in key order). `position` holds
    // the key index position of the last record found and is moved to the one found now. The
    // entry there is taken only when it is the one record with the key, so the record found
    // is FindByKey's. A walk starts with `position` std::size_t(-1), before the first entry.
    TMdbRecord* FindByKeyNear(std::int32_t key, std::size_t& position) const;
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
    // Words the record's payload takes in a stream (texts in Windows-1252); WriteRecord
    // refuses a record of more than kMaxPayloadWords.
    std::int64_t PayloadWords(const TMdbRecord* record) const;
    virtual void LoadFromStream(TStream& stream);
    // SQL binding. Without a query the data file is the only store: loading, saving and
    // dropping do nothing, NextKey answers the largest number in memory + 1, StoreRecord
    // keeps the record in memory only and DeleteRecord frees it. With a query every
    // operation but LoadFromDatabase and NextKey raises EMdbError with the database's text
    // when a statement fails; the writing ones create the relational table when missing.
    // Loads the records selected by `whereClause` (appended to the select as it is, e.g.
    // " WHERE MESSNR=3"). On failure shows "Fehler beim Laden von " + TableName, leaves the
    // table empty and answers false.
    virtual bool LoadFromDatabase(std::string_view whereClause);
    virtual void ReservedHook(int value);
    virtual void DropDatabaseTable();
    virtual std::int32_t NextKey();
    // Replaces the relational table's rows by the records, all or none.
    virtual void SaveToDatabase();
    // Updates the record's row (tryUpdate) and inserts it when no row was updated; without
    // tryUpdate and forceInsert the insert statement of the previous call is reused.
    virtual void StoreRecord(TMdbRecord* record, bool tryUpdate, bool forceInsert);
    // Deletes the record's row, then frees the record. Tables override it with their guards
    // and confirmation and call the base at the end.
    virtual void DeleteRecord(TMdbRecord* record);

    // Browser hooks. PrepareBrowser runs when a browser opens on the table; the base sets
    // the caption to BrowserCaption().
    virtual void PrepareBrowser(TMdbBrowser& browser);
    // Asked before a browser closes with OK.
    virtual bool BrowserCloseAllowed(TMdbBrowser& browser);
    // Opens the table's edit dialog for record `key` (0 or less: a new record); true, with
    // `key` set to the record's number, when it ended with OK. Flag 0 edits the record;
    // tables give further flags a meaning. The base has no dialog and answers false.
    virtual bool EditRecord(TMdbBrowser* owner, std::int32_t& key, int flag);
    // The text by which other tables' dialogs show a record of this table (a designation or
    // name); the base has none.
    virtual std::string RecordTitle(const TMdbRecord* /*record*/) const { return {}; }
    // Window caption of the table's browser.
    virtual std::string BrowserCaption() const { return tableName_; }

    // Edit dialogs. The generic operations visit the dialog's controls in its order and
    // handle those whose tag is a field number: labels get the caption (and unit), edit
    // boxes, combo boxes and choice groups the value. Tables add their own rules.
    virtual void RecordToDialog(TRecordDialog& dialog, const TMdbRecord* record);
    // Checks every bound control against its field's bounds; the first failure raises
    // EDialogError naming the control. True when the dialog may be stored.
    virtual bool ValidateDialog(TRecordDialog& dialog, TMdbRecord* record);
    virtual void DialogToRecord(TRecordDialog& dialog, TMdbRecord* record);
    // The number typed into the bound control of `field`, in base units (floats are typed
    // in the screen unit system); 0 when the dialog has no such control.
    double DialogValue(const TRecordDialog& dialog, int field) const;

    // A number box of an edit dialog that refers to another table: the table picked from,
    // and the box that shows the picked record's text (a bound field, or a control name;
    // neither when no text is shown). Table is nullptr for any other field.
    struct TDialogReference {
        TMdb* Table = nullptr;
        int TextField = 0;
        std::string TextControl;
    };
    virtual TDialogReference DialogReference(int numberField) const;
    // The text shown for record `key` of that reference; empty when it does not exist.
    virtual std::string ReferenceText(int numberField, std::int32_t key) const;
    // After a pick: the number box gets `key` and the text box its text. Tables add effects.
    virtual void ReferencePicked(TRecordDialog& dialog, int numberField, std::int32_t key);
    // The clear button: number box "0" and an empty text box, unless the number was 0
    // already; true when something changed.
    bool ReferenceCleared(TRecordDialog& dialog, int numberField);
    // "einfügen": fills the dialog from the record the table remembers, after asking; false
    // when there is none or the question was declined. The base has nothing to copy.
    virtual bool CopyIntoDialog(TRecordDialog& dialog);

    // Told about records stored by an edit dialog and about deleted records (not owned).
    void SetObserver(TMdbObserver* observer) { observer_ = observer; }
    TMdbObserver* Observer() const { return observer_; }

protected:
    // Raises "Mdb index error" unless 1 <= field <= FieldCount.
    void CheckField(int field) const;
    // The edit flow of EditRecord: a key of 0 or less edits a new record made by `create`,
    // any other key the record with that number (false when there is none). The installed
    // editor shows the dialog; on OK `key` is the record's number, a new record joins the
    // indexes and the observer hears of it; otherwise a new record is freed again.
    bool EditInDialog(TMdbBrowser* owner, std::int32_t& key,
                      const std::function<TMdbRecord*()>& create);
    void NotifyDeleted(std::int32_t key);

private:
    // GetInt and GetFloat of the fields the inline part does not read (and of field numbers
    // out of range).
    std::int32_t GetIntOther(const TMdbRecord* record, int field) const;
    float GetFloatOther(const TMdbRecord* record, int field) const;
    // Text store: slot value h > 0 refers to texts_[h - 1]; freed handles are reused.
    std::uint32_t StoreText(std::string_view text);
    void ReleaseText(std::uint32_t handle);
    void SortView(int field, bool descending);
    void SortKeyIndex();
    // Releases the texts of a record and keeps it for reuse; the record must be out of every
    // list.
    void DisposeRecord(TMdbRecord* record);
    // Releases the memory of the records kept for reuse.
    void ReleaseSpareRecords();
    // Stream reading of one record of a table without texts (TMdbStreaming.cpp).
    void ReadWordRecord(TStream& stream, unsigned char* bytes);
    // Key-field value, read straight from the slot for integer key fields.
    std::int32_t KeyOf(const TMdbRecord* record) const;
    // Key index position of a record with the key (the bisection of FindByKey), or -1.
    std::ptrdiff_t KeyPosition(std::int32_t key) const;
    // SQL binding helpers (TMdbDatabase.cpp).
    void EnsureDatabaseTable();
    void BindFields(const TMdbRecord* record);
    void BindKeys(const TMdbRecord* record, std::string_view suffix);
    void ReadRow(TMdbRecord* record, const std::vector<int>& columnFields);

    int maxFields_;
    int keyField_;
    std::string tableName_;
    TMdbQuery* query_;
    TMdbObserver* observer_ = nullptr;
    bool databaseTableReady_ = false; // the relational table is known to exist
    std::uint32_t mdbNo_;
    int fieldCount_ = 0;
    int slotCount_ = 0;
    bool readOnly_ = true;
    std::uint64_t changes_ = 0;
    std::vector<TMdbField> fields_; // index 0 unused; fields 1..fieldCount_
    std::vector<int> columns_;
    TMdbRecord* records_ = nullptr;
    TMdbRecord* spareRecords_ = nullptr; // freed records for reuse, linked through Next
    // Stream layout, kept up by AddField: the fields a record block holds and, for a table
    // without texts, where its payload words go: runs of consecutive words to consecutive
    // slots, in payload order.
    struct TWordRun {
        std::int32_t Word = 0;
        std::int32_t Slot = 0;
        std::int32_t Count = 0;
    };
    std::vector<TWordRun> wordRuns_;
    std::int32_t payloadWords_ = 0; // word fields: the payload of a table without texts
    std::int32_t storedFields_ = 0;
    bool storesTexts_ = false;
    std::vector<TMdbRecord*> view_;
    std::vector<TMdbRecord*> keyIndex_;
    std::vector<std::string> texts_;
    std::vector<std::uint32_t> freeTexts_;
};

} // namespace corvane
