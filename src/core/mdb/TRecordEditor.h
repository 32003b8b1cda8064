#pragma once

#include "util/TInstalledHandler.h"

namespace corvane {

class TMdb;
class TMdbBrowser;
class TMdbRecord;

// Shows the edit dialog of a table for one record. The window layer installs one; without
// it no record can be edited (EditRecord answers false).
class TRecordEditor : public TInstalledHandler<TRecordEditor> {
public:
    virtual ~TRecordEditor() = default;
    // Shows the dialog of `table` modally for `record` (`isNew`: the record was just created
    // and is not yet part of the indexes); true when it ended with OK, the record then
    // validated, filled from the dialog and stored.
    virtual bool ShowEditDialog(TMdb& table, TMdbRecord* record, bool isNew,
                                TMdbBrowser* owner) = 0;
};

// Told about every record an edit dialog stored and every record deleted, after the fact.
class TMdbObserver {
public:
    virtual ~TMdbObserver() = default;
    virtual void RecordStored(TMdb& table, int key) = 0;
    virtual void RecordDeleted(TMdb& table, int key) = 0;
};

} // namespace corvane
