#pragma once

#include <utility>
#include <vector>

namespace corvane {

struct TSketchPlan;

// One drawn path of a sketch in unit coordinates (y up, the impeller's outer radius is 1).
struct TSketchPath {
    std::vector<std::pair<double, double>> Points;
    bool Closed = false;
    int Fill = 0; // 0 outline only, else a shade index 1..3 for the filled picture
};

// The paths of an impeller front view (discs, inlet, blades) or of a housing outline (spiral
// casing turned to its outlet angle, with the wheel inside). Shared by the JPEG sketches and
// the data sheets so both show the same drawing.
std::vector<TSketchPath> SketchPaths(const TSketchPlan& plan);

// Extent of the paths: the drawing fits into [-Extent, Extent] in both directions.
double SketchExtent(const TSketchPlan& plan);

} // namespace corvane
