#pragma once

#include "mdb/TMdb.h"

#include <cstdint>

namespace corvane {

class TCatalogue;
class TMdbRecord;
class TRecordDialog;

// Edit-dialog rules the housing and impeller tables share. Both number their records in field
// 1, keep a creation and a change date and a mark that the record belongs to the catalogue,
// and refer to a picture, an impeller type and a measurement series.
struct TPartFields {
    int Number = 1;
    // Creation and change date.
    int Created = 0, Changed = 0;
    int InCatalogue = 0;
    // The picked numbers and the fields that show the picked record's text.
    int Picture = 0, PictureText = 0;
    int Type = 0, TypeText = 0;
    int Series = 0;
};

// On storing a dialog: the change date becomes `today` unless the record was created today; a
// new record takes the next free number and is part of the catalogue, as every record read
// from the database is.
void StorePartRecord(TMdb& table, const TRecordDialog& dialog, TMdbRecord* record,
                     const TPartFields& fields, std::int32_t today);

// The picture, type and series references of a part; no reference for any other field.
TMdb::TDialogReference PartReference(TCatalogue& catalogue, int numberField,
                                     const TPartFields& fields);

} // namespace corvane
