#include "acquisition/TMwGrid.h"

#include "i18n/Language.h"
#include "mdb/EMdbError.h"
#include "measurements/TMdbMw.h"
#include "units/Units.h"
#include "util/GreekText.h"
#include "util/Numbers.h"
#include "util/Text.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

using F = TMdbMw;

bool IsShownType(const TMdbField& field) {
    return field.FieldType == ftFloat || field.FieldType == ftCode;
}

} // namespace

TMwGrid::TMwGrid(TMdbMw& table) : table_(table) {
    rows_ = {F::F_MESSNR, F::F_MWNR};
    for (int field = F::F_MWNR + 1; field <= F::F_RES11; ++field)
        if (IsShownType(table_.Field(field))) rows_.push_back(field);
    for (int field = F::F_LP1; field < F::F_LP3 + F::kFamilySize; ++field)
        rows_.push_back(field);
}

void TMwGrid::Load() {
    points_.clear();
    for (TMdbRecord* r = table_.FirstRecord(); r != nullptr; r = r->Next)
        points_.push_back(r);
    SortByNumber();
}

void TMwGrid::SortByNumber() {
    std::stable_sort(points_.begin(), points_.end(), [this](const auto* a, const auto* b) {
        return table_.GetInt(a, F::F_MWNR) < table_.GetInt(b, F::F_MWNR);
    });
}

int TMwGrid::RowField(int row) const {
    return row >= 0 && row < RowCount() ? rows_[static_cast<std::size_t>(row)] : 0;
}

int TMwGrid::RowOfField(int field) const {
    const auto it = std::find(rows_.begin(), rows_.end(), field);
    return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
}

TMdbRecord* TMwGrid::Point(int column) const {
    return column >= 1 && column <= PointCount() ? points_[static_cast<std::size_t>(column - 1)]
                                                 : nullptr;
}

int TMwGrid::ColumnOf(const TMdbRecord* point) const {
    const auto it = std::find(points_.begin(), points_.end(), point);
    return it == points_.end() ? -1 : static_cast<int>(it - points_.begin()) + 1;
}

std::string TMwGrid::CellText(int row, int column) const {
    const int field = RowField(row);
    if (field == 0) return {};
    const TMdbField& f = table_.Field(field);
    if (column == 0) {
        const int language = std::clamp(TextLanguage(), 0, 2);
        const std::string unit = table_.GetUnitText(field, false);
        return f.LongCaptionIn(language) + (unit.empty() ? std::string() : "[" + unit + "]");
    }
    const TMdbRecord* point = Point(column);
    if (point == nullptr) return {};
    if (f.IsFloat()) return table_.GetFieldTextInUnits(point, field, false);
    return std::to_string(table_.GetInt(point, field)); // codes show their number
}

bool TMwGrid::IsEditable(int row, int column) const {
    const int field = RowField(row);
    return field != 0 && field != F::F_MESSNR && Point(column) != nullptr;
}

bool TMwGrid::SetCellText(int row, int column, std::string_view text) {
    if (!IsEditable(row, column)) return false;
    const int field = RowField(row);
    TMdbRecord* point = Point(column);
    const TMdbField& f = table_.Field(field);
    if (!f.IsFloat()) {
        table_.SetInt(point, field, ClampRoundInt(ParseNumber(text)));
    } else if (Trim(text).empty()) {
        table_.SetFloat(point, field, -1.0);
    } else {
        table_.SetFloat(point, field,
                        FromDisplay(f.Quantity, ScreenUnitSystem(), ParseNumber(text)));
    }
    return true;
}

TMdbRecord* TMwGrid::AddPoint() {
    const std::int32_t number = table_.NextKey();
    TMdbRecord* point = table_.NewRecord();
    table_.SetInt(point, F::F_MWNR, number);
    table_.AddToIndex(point);
    points_.push_back(point);
    return point;
}

void TMwGrid::DeletePoint(TMdbRecord* point) {
    const auto it = std::find(points_.begin(), points_.end(), point);
    if (it == points_.end()) return;
    points_.erase(it);
    table_.FreeRecord(point, true);
}

std::string TMwGrid::ClipboardText(const std::string& caption) const {
    std::string text = caption + "\r\n";
    for (int row = 0; row < RowCount(); ++row)
        for (int column = 0; column < ColumnCount(); ++column)
            text += GreekText(CellText(row, column)) + (column + 1 < ColumnCount() ? "\t" : "\r\n");
    return text;
}

void TMwGrid::Fail(int row, int column, const std::string& message) {
    errorRow_ = row;
    errorColumn_ = column;
    throw EMdbError(message);
}

void TMwGrid::Validate() {
    errorRow_ = errorColumn_ = -1;
    const int language = std::clamp(TextLanguage(), 0, 2);
    const int numberRow = RowOfField(F::F_MWNR);
    for (int column = 1; column <= PointCount(); ++column)
        for (int other = 1; other < column; ++other)
            if (table_.GetInt(Point(other), F::F_MWNR) == table_.GetInt(Point(column), F::F_MWNR))
                Fail(numberRow, column,
                     table_.Field(F::F_MWNR).CaptionIn(language) + " muss eindeutig sein!");

    for (int row = 0; row < RowCount(); ++row) {
        const int field = RowField(row);
        const TMdbField& f = table_.Field(field);
        if (f.FieldType != ftFloat && f.FieldType != ftInteger) continue;
        for (int column = 1; column <= PointCount(); ++column) {
            const double value = f.IsFloat()
                                     ? table_.GetFloat(Point(column), field)
                                     : static_cast<double>(table_.GetInt(Point(column), field));
            if (value >= f.MinValue && value <= f.MaxValue) continue; // NaN fails too
            Fail(row, column,
                 f.CaptionIn(language) + " muss zwischen " + FormatDouble(f.MinValue) + " und " +
                     FormatDouble(f.MaxValue) + " liegen!");
        }
    }
}

bool TMwGrid::IsEmpty(const TMdbRecord* point) const {
    for (std::size_t row = 2; row < rows_.size(); ++row) {
        const int field = rows_[row];
        const bool isFloat = table_.Field(field).IsFloat();
        if (isFloat ? table_.GetFloat(point, field) > -0.5f : table_.GetInt(point, field) != 0)
            return false;
    }
    return true;
}

int TMwGrid::RemoveEmptyPoints() {
    int removed = 0;
    for (std::size_t i = points_.size(); i-- > 0;) {
        if (!IsEmpty(points_[i])) continue;
        table_.FreeRecord(points_[i], true);
        points_.erase(points_.begin() + static_cast<std::ptrdiff_t>(i));
        ++removed;
    }
    return removed;
}

} // namespace corvane
