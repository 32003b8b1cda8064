// Column headers and cell texts of the result list.

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLaufrad.h"
#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "measurements/TMdbMw.h"
#include "physics/ListeningDistance.h"
#include "selection/TResultList.h"
#include "units/Units.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvane {

namespace {

// The row keeps digit angles zero-padded so that they sort numerically; the grid shows the
// housing's own text again ("00000090" -> "90", "00000000" -> "0").
std::string ShownAngle(const std::string& angle) {
    std::size_t first = 0;
    while (first + 1 < angle.size() && angle[first] == '0')
        ++first;
    return angle.substr(first);
}

// Field behind a numeric column in the measured-points table (0: the impeller's width).
int MwFieldOf(int column) {
    switch (column) {
    case 3:
        return TMdbMw::F_VC;
    case 4:
        return TMdbMw::F_PFA;
    case 5:
        return TMdbMw::F_PTOT;
    case 6:
        return TMdbMw::F_LPAC;
    case 7:
        return TMdbMw::F_NC;
    case 8:
    case 9:
        return TMdbMw::F_PWE;
    case 10:
        return TMdbMw::F_ETAFA;
    case 11:
        return TMdbMw::F_ETATOT;
    default:
        return 0;
    }
}

// Decimals of a numeric column in the first unit system.
int BaseDecimals(int column) {
    return column == 6 || column == 10 || column == 11 ? 1 : 0;
}

double RawValue(const TErgebnisZeile& row, int column) {
    switch (column) {
    case 3:
        return row.Vop;
    case 4:
        return row.P;
    case 5:
        return row.P2;
    case 6:
        return row.Lp;
    case 7:
        return row.N;
    case 8:
        return row.Power;
    case 9:
        return row.PowerMax;
    case 10:
        return row.Eff2;
    case 11:
        return row.Eff1;
    case 12:
        return row.Width;
    default:
        return std::numeric_limits<double>::quiet_NaN();
    }
}

// The missing-value marker of a float field, and sound levels below 10 dB.
bool IsEmptyValue(double value, int column) {
    if (column == 6) return value < 10;
    return static_cast<float>(value) == -1.0f;
}

int CurrentLanguage() {
    return std::clamp(TextLanguage(), 0, 2);
}

} // namespace

std::string TResultList::ColumnHeader(int column, int headerRow) const {
    if (headerRow != 0 && headerRow != 1) return {};
    const bool first = headerRow == 0;
    switch (column) {
    case 0:
        return first ? Txt(TextId::GridNr) : "";
    case 1:
        return Txt(first ? TextId::GridImpeller : TextId::GridDesignation);
    case 2:
        return Txt(first ? TextId::GridHousing : TextId::GridAngle);
    case 12: {
        const TMdbLaufrad& impellers = catalogue_.Laufrad();
        return first ? impellers.Field(TMdbLaufrad::F_EINBHOEHE).CaptionIn(CurrentLanguage())
                     : impellers.GetUnitText(TMdbLaufrad::F_EINBHOEHE, false);
    }
    case 13:
        return first ? Txt(TextId::GridRemark) : "";
    default:
        break;
    }
    const int field = MwFieldOf(column);
    if (field == 0) return {};
    const TMdbMw& mw = catalogue_.Mw();
    if (!first) return mw.GetUnitText(field, false);
    std::string name = mw.Field(field).CaptionIn(CurrentLanguage());
    if (column == 9) name += std::string("(") + Txt(TextId::MaxWord) + ")";
    if (column == 6 && ListeningDistance() > 1) {
        const int units = ScreenUnitSystem();
        name += ": " + FormatQuantity(1, kQuantityDistance, units, ListeningDistance()) + " " +
                UnitLabel(kQuantityDistance, units);
    }
    return name;
}

double TResultList::CellValue(std::size_t row, int column) const {
    if (row >= rows_.size() || !IsNumericColumn(column))
        return std::numeric_limits<double>::quiet_NaN();
    const double value = RawValue(rows_[row], column);
    if (IsEmptyValue(value, column)) return std::numeric_limits<double>::quiet_NaN();
    const int quantity = column == 12
                             ? catalogue_.Laufrad().Field(TMdbLaufrad::F_EINBHOEHE).Quantity
                             : catalogue_.Mw().Field(MwFieldOf(column)).Quantity;
    return ToDisplay(quantity, ScreenUnitSystem(), value);
}

std::string TResultList::CellText(std::size_t row, int column) const {
    if (row >= rows_.size()) return {};
    const TErgebnisZeile& r = rows_[row];
    switch (column) {
    case 0:
        return std::to_string(row + 1);
    case 1:
        return r.Impeller != nullptr
                   ? catalogue_.Laufrad().CatalogueDesignation(r.Impeller, r.SpeedClass)
                   : std::string();
    case 2:
        return r.HousingNo > 0 ? ShownAngle(r.Angle) : std::string("-   ");
    case 13:
        return RemarkMarkerOf(row);
    default:
        break;
    }
    if (!IsNumericColumn(column)) return {};
    const double value = RawValue(r, column);
    if (IsEmptyValue(value, column)) return {};
    const int quantity = column == 12
                             ? catalogue_.Laufrad().Field(TMdbLaufrad::F_EINBHOEHE).Quantity
                             : catalogue_.Mw().Field(MwFieldOf(column)).Quantity;
    return FormatQuantity(BaseDecimals(column), quantity, ScreenUnitSystem(), value);
}

} // namespace corvane
