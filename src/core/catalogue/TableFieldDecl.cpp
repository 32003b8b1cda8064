#include "catalogue/TableFieldDecl.h"

#include "mdb/TMdb.h"

#include <stdexcept>
#include <string>

namespace corvane {

void DeclareFields(TMdb& table, std::span<const TFieldDecl> decls) {
    for (const TFieldDecl& decl : decls) {
        const int no =
            table.AddField(decl.Type, decl.Column ? -1 : 0, decl.Width, decl.Min, decl.Max,
                           decl.Key, decl.Caption, decl.LongCaption, decl.Quantity);
        if (no != decl.No) {
            throw std::logic_error("field " + std::string(decl.Caption) + " of " +
                                   table.TableName() + " declared as " + std::to_string(no) +
                                   ", expected " + std::to_string(decl.No));
        }
        if (decl.OtherCaption != nullptr) {
            const char* longCaption = decl.OtherLongCaption != nullptr ? decl.OtherLongCaption : "";
            table.SetCaption(1, no, decl.OtherCaption, longCaption);
            table.SetCaption(2, no, decl.OtherCaption, longCaption);
        }
    }
}

} // namespace corvane
