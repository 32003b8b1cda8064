#include "mdb/TableGridText.h"

#include "mdb/TClipboardText.h"
#include "mdb/TMdb.h"
#include "util/GreekText.h"

#include <algorithm>

namespace corvane {

int GridColumnCount(const TMdb& table) {
    return std::max(TMdb::kFixedCols + 1, table.ColumnCount());
}

int GridRowCount(const TMdb& table) {
    return TMdb::kHeaderRows + std::max(1, table.ViewCount());
}

void AppendGridText(const TMdb& table, std::string_view caption, TClipboardText& out) {
    out.Append(GreekText(caption));
    out.Append("\r\n");
    const int columns = GridColumnCount(table);
    const int rows = GridRowCount(table);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            out.Append(GreekText(table.CellText(column, row).Text));
            out.Append(column + 1 < columns ? "\t" : "\r\n");
        }
    }
}

} // namespace corvane
