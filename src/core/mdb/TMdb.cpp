#include "mdb/TMdb.h"

#include "mdb/EMdbError.h"
#include "mdb/MdbSlots.h"
#include "mdb/TMdbBrowser.h"
#include "util/Text.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace corvane {

namespace {

constexpr int kFieldLimit = 200;
constexpr std::size_t kKeyChars = 16;
constexpr std::size_t kCaptionChars = 20;
constexpr std::size_t kLongCaptionChars = 40;
constexpr std::size_t kTableNameChars = 40;
constexpr std::uint32_t kMaxMdbNo = 65535;

// A record is one block: the TMdbRecord header (the list link) directly followed by its
// slots, so a table of many records costs one allocation per record and no per-field
// objects. These two functions are the only place where such blocks are made and released.
TMdbRecord* AllocateRecord(int slotCount) {
    const std::size_t slotBytes = static_cast<std::size_t>(slotCount) * sizeof(std::uint32_t);
    void* memory = ::operator new(sizeof(TMdbRecord) + slotBytes);
    auto* record = new (memory) TMdbRecord;
    std::memset(record->Slots(), 0, slotBytes);
    return record;
}

void ReleaseRecordMemory(TMdbRecord* record) {
    record->~TMdbRecord();
    ::operator delete(record);
}

std::string Cut(std::string_view text, std::size_t maxChars) {
    return std::string(mdb_detail::Utf8Prefix(text, maxChars));
}

// Index arrays grow only when needed, and then to the needed count + 10.
void EnsureCapacity(std::vector<TMdbRecord*>& array, std::size_t needed) {
    if (array.capacity() < needed) array.reserve(needed + 10);
}

} // namespace

TMdb::TMdb(int maxFields, int keyField, std::string tableName, TMdbQuery* query,
           std::uint32_t mdbNo)
    : maxFields_(std::clamp(maxFields, 0, kFieldLimit)), keyField_(keyField),
      tableName_(Cut(tableName, kTableNameChars)), query_(query), mdbNo_(mdbNo) {
    // The identity number is written as 16 bits into the data file.
    if (mdbNo > kMaxMdbNo) throw EMdbError("Mdb index error");
    // Reserved up front so that references to descriptors stay valid while fields are added.
    fields_.reserve(static_cast<std::size_t>(maxFields_) + 1);
    fields_.emplace_back();
}

TMdb::~TMdb() {
    FreeAllRecords();
    ReleaseSpareRecords();
}

void TMdb::CheckField(int field) const {
    if (field < 1 || field > fieldCount_) throw EMdbError("Mdb index error");
}

int TMdb::AddField(TFieldType fieldType, int colWidth, int width, float minValue, float maxValue,
                   std::string_view key, std::string_view caption, std::string_view longCaption,
                   int quantity) {
    if (fieldCount_ >= maxFields_) throw EMdbError("Mdb index error");
    if (fieldType > ftFloatTransient) throw EMdbError("Mdb index error");
    TMdbField field;
    field.FieldType = fieldType;
    // Existing records have no room for a new slot: storage fields are declared before the
    // first record exists (calculated fields may still follow).
    if (field.HasSlot() && records_ != nullptr) throw EMdbError("Mdb index error");

    field.ColWidth = colWidth;
    field.Width = width;
    field.MinValue = minValue;
    field.MaxValue = maxValue;
    field.Quantity = static_cast<std::uint8_t>(std::clamp(quantity, 0, 255));
    field.Key = Cut(UpperText(Trim(key)), kKeyChars);
    const std::string shortText = Cut(caption, kCaptionChars);
    const std::string longText = Cut(longCaption, kLongCaptionChars);
    field.Caption.fill(shortText);
    field.LongCaption.fill(longText);
    if (field.HasSlot()) {
        field.Slot = slotCount_++;
        // Kept records have no room for the new slot.
        ReleaseSpareRecords();
    }
    if (field.IsStored()) ++storedFields_;
    if (field.FieldType == ftString) {
        storesTexts_ = true;
    } else if (field.IsStored()) {
        // A word field: the next payload word, which extends the last run when its slot
        // follows that run's last slot.
        if (wordRuns_.empty() || wordRuns_.back().Slot + wordRuns_.back().Count != field.Slot)
            wordRuns_.push_back({payloadWords_, field.Slot, 0});
        ++wordRuns_.back().Count;
        ++payloadWords_;
    }

    fields_.push_back(std::move(field));
    ++fieldCount_;
    if (colWidth != 0) columns_.push_back(fieldCount_);
    return fieldCount_;
}

void TMdb::SetCaption(int language, int field, std::string_view caption,
                      std::string_view longCaption) {
    CheckField(field);
    if (language < 0 || language > 2) throw EMdbError("Mdb index error");
    TMdbField& descriptor = fields_[field];
    descriptor.Caption[language] = Cut(caption, kCaptionChars);
    descriptor.LongCaption[language] = Cut(longCaption, kLongCaptionChars);
}

int TMdb::FieldByKey(std::string_view key) const {
    const std::string wanted = UpperText(Trim(key));
    for (int i = 1; i <= fieldCount_; ++i) {
        if (fields_[i].Key == wanted) return i;
    }
    return 0;
}

const TMdbField& TMdb::Field(int field) const {
    CheckField(field);
    return fields_[field];
}

TMdbField& TMdb::MutableField(int field) {
    CheckField(field);
    return fields_[field];
}

void TMdb::SetColumns(std::vector<int> columns) {
    columns_ = std::move(columns);
}

// ---- records ------------------------------------------------------------------------------

TMdbRecord* TMdb::NewRecord() {
    ++changes_;
    TMdbRecord* record = spareRecords_;
    if (record != nullptr) {
        spareRecords_ = record->Next;
        std::memset(record->Slots(), 0,
                    static_cast<std::size_t>(slotCount_) * sizeof(std::uint32_t));
    } else {
        record = AllocateRecord(slotCount_);
    }
    record->Next = records_;
    records_ = record;
    return record;
}

void TMdb::DisposeRecord(TMdbRecord* record) {
    // Only texts hold something beyond the slots (a table without them has many fields
    // and records that come and go: the measured points).
    for (int i = 1; storesTexts_ && i <= fieldCount_; ++i) {
        const TMdbField& field = fields_[i];
        if (field.FieldType == ftString) ReleaseText(record->Slots()[field.Slot]);
    }
    record->Next = spareRecords_;
    spareRecords_ = record;
}

void TMdb::ReleaseSpareRecords() {
    while (spareRecords_ != nullptr) {
        TMdbRecord* next = spareRecords_->Next;
        ReleaseRecordMemory(spareRecords_);
        spareRecords_ = next;
    }
}

void TMdb::FreeRecord(TMdbRecord* record, bool unlink) {
    if (record == nullptr) return;
    if (unlink) {
        TMdbRecord** link = &records_;
        while (*link != nullptr && *link != record)
            link = &(*link)->Next;
        // Not one of ours (or freed before): releasing it would corrupt the heap.
        if (*link == nullptr) return;
        *link = record->Next;
    }
    ++changes_;
    // A freed record must not stay reachable through the view or the key index.
    RemoveFromIndex(record);
    DisposeRecord(record);
}

void TMdb::FreeAllRecords() {
    ++changes_;
    view_.clear();
    keyIndex_.clear();
    // Every text goes below, so the records' text handles need no release one by one. The
    // whole list joins the spare records.
    if (records_ != nullptr) {
        TMdbRecord* last = records_;
        while (last->Next != nullptr)
            last = last->Next;
        last->Next = spareRecords_;
        spareRecords_ = records_;
        records_ = nullptr;
    }
    texts_.clear();
    freeTexts_.clear();
}

int TMdb::RecordCount() const {
    int count = 0;
    for (const TMdbRecord* r = records_; r != nullptr; r = r->Next)
        ++count;
    return count;
}

// Both arrays start in list order (newest record first); the key index is then sorted.
// More than kMaxRecords records are accepted: the arrays are vectors without a fixed bound.
void TMdb::RebuildIndex(bool /*flag*/) {
    const auto count = static_cast<std::size_t>(RecordCount());
    EnsureCapacity(view_, count);
    EnsureCapacity(keyIndex_, count);
    view_.clear();
    keyIndex_.clear();
    for (TMdbRecord* r = records_; r != nullptr; r = r->Next) {
        view_.push_back(r);
        keyIndex_.push_back(r);
    }
    SortKeyIndex();
}

TMdbRecord* TMdb::ViewRecord(int index) const {
    if (index < 0 || index >= ViewCount()) return nullptr;
    return view_[static_cast<std::size_t>(index)];
}

TMdbRecord* TMdb::KeyRecord(int index) const {
    if (index < 0 || index >= KeyIndexCount()) return nullptr;
    return keyIndex_[static_cast<std::size_t>(index)];
}

int TMdb::ViewIndexOf(const TMdbRecord* record) const {
    const auto it = std::find(view_.begin(), view_.end(), record);
    return it == view_.end() ? -1 : static_cast<int>(it - view_.begin());
}

void TMdb::AddToIndex(TMdbRecord* record) {
    if (record == nullptr) return;
    EnsureCapacity(view_, view_.size() + 1);
    EnsureCapacity(keyIndex_, keyIndex_.size() + 1);
    view_.push_back(record);
    keyIndex_.push_back(record);
}

void TMdb::RemoveFromIndex(const TMdbRecord* record) {
    std::erase(view_, record);
    std::erase(keyIndex_, record);
}

// ---- text store ---------------------------------------------------------------------------

std::uint32_t TMdb::StoreText(std::string_view text) {
    if (text.empty()) return 0;
    if (!freeTexts_.empty()) {
        const std::uint32_t handle = freeTexts_.back();
        freeTexts_.pop_back();
        texts_[handle - 1].assign(text);
        return handle;
    }
    texts_.emplace_back(text);
    return static_cast<std::uint32_t>(texts_.size());
}

void TMdb::ReleaseText(std::uint32_t handle) {
    if (handle == 0 || handle > texts_.size()) return;
    std::string().swap(texts_[handle - 1]);
    freeTexts_.push_back(handle);
}

// ---- overridable operations: base behaviour -------------------------------------------------

std::string TMdb::GetCalcText(const TMdbRecord* /*record*/, int /*field*/) const {
    return {};
}

std::string TMdb::GetCodeText(const TMdbRecord* /*record*/, int /*field*/) const {
    return {};
}

void TMdb::ReservedHook(int /*value*/) {}

void TMdb::PrepareBrowser(TMdbBrowser& browser) {
    browser.SetCaption(BrowserCaption());
}

bool TMdb::BrowserCloseAllowed(TMdbBrowser& /*browser*/) {
    return true;
}

bool TMdb::EditRecord(TMdbBrowser* /*owner*/, std::int32_t& /*key*/, int /*flag*/) {
    return false;
}

} // namespace corvane
