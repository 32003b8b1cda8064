// Sorting, searching and look-ups of TMdb.

#include "mdb/EMdbError.h"
#include "mdb/MdbSlots.h"
#include "mdb/TMdb.h"
#include "util/MiddlePivotSort.h"
#include "util/Numbers.h"
#include "util/Text.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace corvane {

using mdb_detail::SlotFloat;
using mdb_detail::SlotInt;

namespace {

constexpr std::size_t kSortTextChars = 40;
constexpr std::size_t kMaxTextChars = 255;

bool IsIntSlot(TFieldType type) {
    return type == ftInteger || type == ftDate || type == ftCode;
}

template <class Key> struct SortItem {
    Key key;
    TMdbRecord* record;
};

// Sorts `records` by the keys made by `keyOf(k)` for the record at position k, ascending or
// descending. The keys are read once, so the comparisons touch only the item array.
template <class Key, class KeyOf>
void SortRecords(std::vector<TMdbRecord*>& records, bool descending, KeyOf keyOf) {
    if (records.size() < 2) return;
    std::vector<SortItem<Key>> items;
    items.reserve(records.size());
    for (std::size_t k = 0; k < records.size(); ++k)
        items.push_back({keyOf(k), records[k]});
    const auto high = static_cast<std::ptrdiff_t>(items.size()) - 1;
    using Item = SortItem<Key>;
    if (descending)
        MiddlePivotSort(items, 0, high, [](const Item& a, const Item& b) { return b.key < a.key; });
    else
        MiddlePivotSort(items, 0, high, [](const Item& a, const Item& b) { return a.key < b.key; });
    for (std::size_t k = 0; k < items.size(); ++k)
        records[k] = items[k].record;
}

} // namespace

std::int32_t TMdb::KeyOf(const TMdbRecord* record) const {
    const TMdbField& f = Field(keyField_);
    return IsIntSlot(f.FieldType) ? SlotInt(record, f.Slot) : GetInt(record, keyField_);
}

void TMdb::Sort(int field, bool descending) {
    if (field == kKeyIndexSort) {
        SortKeyIndex();
        return;
    }
    CheckField(field);
    SortView(field, descending);
}

void TMdb::SortKeyIndex() {
    if (keyIndex_.size() < 2) return;
    // Records read in key order stand in the list newest first: strictly descending. When no
    // two keys are equal the ascending order is the only one the sort can give, so a strictly
    // ascending run is kept and a strictly descending one reversed without sorting.
    std::int32_t previous = KeyOf(keyIndex_[0]);
    const bool ascending = previous < KeyOf(keyIndex_[1]);
    std::size_t next = 1;
    for (; next < keyIndex_.size(); ++next) {
        const std::int32_t key = KeyOf(keyIndex_[next]);
        if (ascending ? !(previous < key) : !(key < previous)) break;
        previous = key;
    }
    if (next == keyIndex_.size()) {
        if (!ascending) std::reverse(keyIndex_.begin(), keyIndex_.end());
        return;
    }
    SortRecords<std::int32_t>(keyIndex_, false,
                              [this](std::size_t k) { return KeyOf(keyIndex_[k]); });
}

void TMdb::SortView(int field, bool descending) {
    if (view_.size() < 2) return;
    const TMdbField& f = fields_[field];
    const int slot = f.Slot;
    switch (f.FieldType) {
    case ftInteger:
    case ftDate:
        SortRecords<std::int32_t>(view_, descending,
                                  [this, slot](std::size_t k) { return SlotInt(view_[k], slot); });
        return;
    case ftFloat:
    case ftFloatTransient:
        SortRecords<float>(view_, descending,
                           [this, slot](std::size_t k) { return SlotFloat(view_[k], slot); });
        return;
    default:
        break;
    }
    // Text types compare the upper-cased start of the display text. The texts are made once
    // per record; the items refer to them, so the sort itself moves no strings.
    std::vector<std::string> texts;
    texts.reserve(view_.size());
    for (const TMdbRecord* r : view_)
        texts.push_back(UpperText(mdb_detail::Utf8Prefix(GetFieldText(r, field), kSortTextChars)));
    SortRecords<std::string_view>(view_, descending,
                                  [&texts](std::size_t k) { return std::string_view(texts[k]); });
}

std::int32_t TMdb::Search(int field, bool backwards, std::string_view text) const {
    CheckField(field);
    if (view_.empty()) return 0;
    const TMdbField& f = fields_[field];

    const double number = ParseNumber(text);
    const std::int32_t integer =
        std::isnan(number)
            ? 0
            : static_cast<std::int32_t>(RoundHalfEven(std::clamp(number, -2e9, 2e9)));
    const std::string upper = UpperText(text);

    // 0: sorts before the target, 1: matches, 2: sorts after it.
    auto classify = [&](const TMdbRecord* r) -> int {
        switch (f.FieldType) {
        case ftInteger: {
            const std::int32_t v = SlotInt(r, f.Slot);
            return v < integer ? 0 : (v == integer ? 1 : 2);
        }
        case ftFloat:
        case ftFloatTransient: {
            const double v = SlotFloat(r, f.Slot);
            if (!(v >= number)) return 0;
            return std::fabs(v - number) < 1e-6 ? 1 : 2;
        }
        default: {
            // Upper-casing keeps byte lengths, so the prefix can be cut before upper-casing.
            const std::string own = GetFieldText(r, field);
            const int c = UpperText(std::string_view(own).substr(0, upper.size())).compare(upper);
            return c < 0 ? 0 : (c == 0 ? 1 : 2);
        }
        }
    };

    const auto count = static_cast<std::ptrdiff_t>(view_.size());
    const std::ptrdiff_t step = backwards ? -1 : 1;
    std::ptrdiff_t position = backwards ? count - 1 : 0;
    for (std::ptrdiff_t i = position; i >= 0 && i < count; i += step) {
        const int result = classify(view_[static_cast<std::size_t>(i)]);
        if (result == 2) break;
        position = i;
        if (result == 1) break;
    }
    return KeyOf(view_[static_cast<std::size_t>(position)]);
}

TMdbRecord* TMdb::FindByKey(std::int32_t key) const {
    const std::ptrdiff_t position = KeyPosition(key);
    return position < 0 ? nullptr : keyIndex_[static_cast<std::size_t>(position)];
}

std::ptrdiff_t TMdb::KeyPosition(std::int32_t key) const {
    if (keyIndex_.empty()) return -1;
    const TMdbField& f = Field(keyField_);
    const bool direct = IsIntSlot(f.FieldType);
    std::ptrdiff_t low = 0;
    std::ptrdiff_t high = static_cast<std::ptrdiff_t>(keyIndex_.size()) - 1;
    while (low <= high) {
        const std::ptrdiff_t middle = (low + high) / 2;
        const TMdbRecord* record = keyIndex_[static_cast<std::size_t>(middle)];
        const std::int32_t k = direct ? SlotInt(record, f.Slot) : GetInt(record, keyField_);
        if (k == key) return middle;
        if (key < k)
            high = middle - 1;
        else
            low = middle + 1;
    }
    return -1;
}

TMdbRecord* TMdb::FindByKeyNear(std::int32_t key, std::size_t& position) const {
    const std::size_t next = position + 1;
    const std::size_t count = keyIndex_.size();
    // The entry after the last one, when its neighbours' keys are below and above the key:
    // then no other entry of a sorted index has it, and the bisection finds this one.
    if (next < count && KeyOf(keyIndex_[next]) == key &&
        (next == 0 || KeyOf(keyIndex_[next - 1]) < key) &&
        (next + 1 == count || KeyOf(keyIndex_[next + 1]) > key)) {
        position = next;
        return keyIndex_[next];
    }
    const std::ptrdiff_t found = KeyPosition(key);
    if (found < 0) return nullptr;
    position = static_cast<std::size_t>(found);
    return keyIndex_[position];
}

// A bisection for the first entry of the key index with the key, then a walk over the
// entries with that key, skipping the record: the index stays untouched, so the bisection
// stays valid wherever the record sits in it.
TMdbRecord* TMdb::FindOtherByKey(std::int32_t key, const TMdbRecord* record) const {
    const auto first =
        std::partition_point(keyIndex_.begin(), keyIndex_.end(),
                             [this, key](const TMdbRecord* r) { return KeyOf(r) < key; });
    for (auto it = first; it != keyIndex_.end() && KeyOf(*it) == key; ++it)
        if (*it != record) return *it;
    return nullptr;
}

std::vector<std::int32_t> TMdb::DropDuplicateKeys() {
    std::vector<std::int32_t> dropped;
    // The key index is sorted, so equal keys sit side by side; most tables have none.
    const auto sameKey = [this](const TMdbRecord* a, const TMdbRecord* b) {
        return KeyOf(a) == KeyOf(b);
    };
    if (std::adjacent_find(keyIndex_.begin(), keyIndex_.end(), sameKey) == keyIndex_.end())
        return dropped;

    // Age of each record: its distance from the head of the list, the oldest the largest.
    std::unordered_map<const TMdbRecord*, std::size_t> age;
    std::size_t n = 0;
    for (const TMdbRecord* r = records_; r != nullptr; r = r->Next)
        age[r] = n++;
    std::unordered_set<const TMdbRecord*> doomed;
    for (auto first = keyIndex_.begin(); first != keyIndex_.end();) {
        auto last = first + 1;
        while (last != keyIndex_.end() && sameKey(*first, *last))
            ++last;
        const auto kept =
            std::max_element(first, last, [&age](const TMdbRecord* a, const TMdbRecord* b) {
                return age.at(a) < age.at(b);
            });
        for (auto it = first; it != last; ++it) {
            if (it == kept) continue;
            doomed.insert(*it);
            dropped.push_back(KeyOf(*it));
        }
        first = last;
    }

    // One pass over the list and the arrays, however many records go.
    std::erase_if(view_, [&doomed](const TMdbRecord* r) { return doomed.count(r) > 0; });
    std::erase_if(keyIndex_, [&doomed](const TMdbRecord* r) { return doomed.count(r) > 0; });
    for (TMdbRecord** link = &records_; *link != nullptr;) {
        TMdbRecord* record = *link;
        if (doomed.count(record) == 0) {
            link = &record->Next;
            continue;
        }
        *link = record->Next;
        DisposeRecord(record);
    }
    return dropped;
}

TMdbRecord* TMdb::FindByValue(std::int32_t intValue, std::string_view text,
                              const TMdbRecord* exclude, int field) const {
    CheckField(field);
    const TMdbField& f = fields_[field];
    if (f.FieldType == ftInteger || f.FieldType == ftCode) {
        for (TMdbRecord* r = records_; r != nullptr; r = r->Next)
            if (SlotInt(r, f.Slot) == intValue) return r;
        return nullptr;
    }
    if (f.FieldType != ftString && f.FieldType != ftCalcText) return nullptr;
    const std::string wanted = UpperText(text);
    for (TMdbRecord* r = records_; r != nullptr; r = r->Next) {
        if (r == exclude) continue;
        const std::string own =
            f.FieldType == ftString
                ? UpperText(mdb_detail::Utf8Prefix(GetText(r, field), kMaxTextChars))
                : UpperText(GetCalcText(r, field));
        if (own == wanted) return r;
    }
    return nullptr;
}

} // namespace corvane
