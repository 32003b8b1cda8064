#include "catalogue/PartDialogRules.h"

#include "catalogue/RefTableRules.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbBild.h"
#include "catalogue/TMdbLrTyp.h"
#include "mdb/TRecordDialog.h"
#include "measurements/TMdbMessung.h"

namespace corvane {

void StorePartRecord(TMdb& table, const TRecordDialog& dialog, TMdbRecord* record,
                     const TPartFields& fields, std::int32_t today) {
    StampChangeDate(table, record, fields.Created, fields.Changed, today);
    if (!dialog.IsNewRecord()) return;
    // Cleared first so that the record's own old number does not count as the largest in use.
    table.SetInt(record, fields.Number, 0);
    table.SetInt(record, fields.Number, table.NextKey());
    table.SetInt(record, fields.InCatalogue, 1);
}

TMdb::TDialogReference PartReference(TCatalogue& catalogue, int numberField,
                                     const TPartFields& fields) {
    if (numberField == fields.Picture) return {&catalogue.Bild(), fields.PictureText, {}};
    if (numberField == fields.Type) return {&catalogue.LrTyp(), fields.TypeText, {}};
    if (numberField == fields.Series) return {&catalogue.Messung(), 0, {}};
    return {};
}

} // namespace corvane
