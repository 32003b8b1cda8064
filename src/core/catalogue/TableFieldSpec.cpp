#include "catalogue/TableFieldSpec.h"

#include "mdb/TMdb.h"

#include <stdexcept>
#include <string>

namespace corvane {

void DeclareFields(TMdb& table, std::span<const TFieldSpec> specs) {
    for (const TFieldSpec& spec : specs) {
        const int no =
            table.AddField(spec.Type, spec.Column ? -1 : 0, spec.Width, spec.Min, spec.Max,
                           spec.Key, spec.Caption, spec.LongCaption, spec.Quantity);
        if (no != spec.No) {
            throw std::logic_error("field " + std::string(spec.Caption) + " of " +
                                   table.TableName() + " declared as " + std::to_string(no) +
                                   ", expected " + std::to_string(spec.No));
        }
        if (spec.OtherCaption != nullptr) {
            const char* longCaption = spec.OtherLongCaption != nullptr ? spec.OtherLongCaption : "";
            table.SetCaption(1, no, spec.OtherCaption, longCaption);
            table.SetCaption(2, no, spec.OtherCaption, longCaption);
        }
    }
}

} // namespace corvane
