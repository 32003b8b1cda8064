#pragma once

#include <array>
#include <string>
#include <vector>

namespace corvane {

class TCatalogue;
class TMdbMw;
class TMessAuswahl;
struct TCurveSet;
struct TPointList;

// The table of every curve read at the selected volume flows, or at its intersections with
// the system parabolas: one row per point and curve. Values come from the measured points of
// each curve's series (interpolated along the volume flow), in a given unit system.
class TPointTable {
public:
    static constexpr int kColumnCount = 11;
    static constexpr int kHeaderRows = 2;

    struct TRow {
        int Point = 0;    // 1-based entry of the point list; beyond it: the duty point's parabola
        int Curve = 0;    // 1-based curve of the set
        double Flow = -1; // m³/h; -1 when the curve does not meet the parabola
        std::array<std::string, kColumnCount> Cells;
    };

    // Builds the rows for `showMode` 1 (selected flows) or 2 (parabolas; in selection mode one
    // more point: the parabola through the requested duty point). Any other mode gives none.
    // In selection mode column 1 names the impeller: `slotNames[slot - 1]` when given (the
    // result list's designation), else the catalogue designation of the series' impeller;
    // otherwise it shows the series number. Sorts the series tables by volume flow.
    void Build(TCatalogue& catalogue, TMessAuswahl& selection, const TCurveSet& set, int showMode,
               const TPointList& flows, const TPointList& parabolas, bool selectionMode,
               int unitSystem, const std::vector<std::string>& slotNames = {});

    const std::vector<TRow>& Rows() const { return rows_; }
    int CurvesPerPoint() const { return curves_; }
    int PointCount() const { return points_; }

    // Header cell of a column: row 0 the quantity's name ("Nr.", impeller or measurement,
    // long field captions), row 1 its symbol with the unit ("V [m³/h]", "Pwe(max) [W]").
    // With Greek-letter markers, in the given language.
    static std::string Header(const TMdbMw& fields, int column, int headerRow, bool selectionMode,
                              int language, int unitSystem);

private:
    std::vector<TRow> rows_;
    int curves_ = 0;
    int points_ = 0;
};

} // namespace corvane
