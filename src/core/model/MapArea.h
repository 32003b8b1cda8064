#pragma once

#include "model/TMapLines.h"

#include <vector>

namespace corvane {

// Where the lines of a characteristic map may be drawn: between the straight lines (in
// log-log coordinates) through the end points of the outermost efficiency lines, and for
// power and sound lines also within the flows of the speed lines, not below the lowest-speed
// curve and not above the highest-speed curve (where those curves reach).
class TMapArea {
public:
    explicit TMapArea(const TMapLines& map);

    bool Inside(EMapFamily family, double flow, double pressure) const;

    // The drawn runs of a fitted line: the polynomial sampled in 800 steps from the line's
    // first to its last flow, cut where it leaves the area. Lines without a fit (fewer points
    // than the order needs) give none.
    std::vector<std::vector<TMapXY>> Runs(EMapFamily family, const TMapLine& line) const;

private:
    struct TLogLine {
        double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
        bool Valid = false;
        // log flow of the line at a log pressure
        double XAt(double y) const;
    };
    static TLogLine Through(const TMapLine& line);
    // Pressure of a speed line at a flow, linear between its points; false outside them.
    static bool PressureAt(const TMapLine& line, double flow, double& pressure);

    TLogLine left_;
    TLogLine right_;
    const TMapLine* lowest_ = nullptr;
    const TMapLine* highest_ = nullptr;
    double flowMin_ = 0;
    double flowMax_ = 0;
};

} // namespace corvane
