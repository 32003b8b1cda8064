#pragma once

#include "mdb/TMdbVariant.h"

#include <utility>
#include <vector>

namespace corvane {

class TMdb;
class TMdbRecord;

// The stored values of one record, to be put back when a change cannot be completed (a
// database that refuses the write).
class TRecordSnapshot {
public:
    TRecordSnapshot(const TMdb& table, const TMdbRecord* record);
    void Restore(TMdb& table, TMdbRecord* record) const;

private:
    std::vector<std::pair<int, TMdbVariant>> values_;
};

} // namespace corvane
