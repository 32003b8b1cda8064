#include "SketchGeometry.h"

#include "DemoContent.h"

#include <cmath>
#include <numbers>

namespace corvane {

namespace {

constexpr double kPi = std::numbers::pi;

TSketchPath Circle(double r, int fill, double cx = 0, double cy = 0) {
    TSketchPath p;
    p.Closed = true;
    p.Fill = fill;
    for (int i = 0; i < 72; ++i) {
        const double a = 2 * kPi * i / 72;
        p.Points.emplace_back(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    return p;
}

void ImpellerPaths(const TSketchPlan& plan, std::vector<TSketchPath>& paths) {
    paths.push_back(Circle(1, 1));
    if (plan.Blades > 0) {
        const double inner = plan.ForwardCurved ? 0.82 : plan.InletRatio * 0.98;
        for (int k = 0; k < plan.Blades; ++k) {
            const double start = 2 * kPi * k / plan.Blades;
            TSketchPath blade;
            for (int i = 0; i <= 12; ++i) {
                const double r = inner + (1 - inner) * i / 12.0;
                // Backward-curved blades trail against the rotation, forward-curved ones lead.
                const double bend = plan.RadialBlades ? 0 : plan.ForwardCurved ? 0.9 : -0.7;
                const double a = start + bend * (r - inner);
                blade.Points.emplace_back(r * std::cos(a), r * std::sin(a));
            }
            paths.push_back(std::move(blade));
        }
    }
    paths.push_back(Circle(plan.InletRatio, 2));
    paths.push_back(Circle(0.15, 3));
}

void HousingPaths(const TSketchPlan& plan, std::vector<TSketchPath>& paths) {
    // Spiral r(t) = 1.1 (1 + 0.35 t / 2 pi) from the tongue round to the outlet, which points
    // in the direction of the outlet angle.
    const double turn = plan.Angle * kPi / 180;
    const auto rotate = [turn](double x, double y) {
        return std::make_pair(x * std::cos(turn) - y * std::sin(turn),
                              x * std::sin(turn) + y * std::cos(turn));
    };
    TSketchPath casing;
    casing.Closed = true;
    casing.Fill = 1;
    const double growth = plan.Form == 2 ? 0.45 : plan.Form == 3 ? 0.3 : 0.38;
    // Counter-clockwise from the tongue at (1.1, 0); the outlet leaves along +y from the
    // spiral's end and is turned to the outlet angle afterwards.
    double end = 1.1;
    for (int i = 0; i <= 60; ++i) {
        const double t = 2 * kPi * i / 60;
        end = 1.1 * (1 + growth * t / (2 * kPi));
        casing.Points.push_back(rotate(end * std::cos(t), end * std::sin(t)));
    }
    const double outletLength = 0.6;
    casing.Points.push_back(rotate(end, outletLength));
    casing.Points.push_back(rotate(1.1, outletLength));
    paths.push_back(std::move(casing));
    paths.push_back(Circle(1, 2));
    paths.push_back(Circle(0.65, 3));
    if (plan.Form == 2 || plan.Form == 3) {
        // Rectangular and trapezoid forms: the base frame below the casing.
        TSketchPath frame;
        frame.Closed = true;
        const double w = plan.Form == 3 ? 1.2 : 1.5;
        frame.Points = {{-1.6, -1.75}, {1.6, -1.75}, {w, -1.55}, {-w, -1.55}};
        paths.push_back(std::move(frame));
    }
}

} // namespace

std::vector<TSketchPath> SketchPaths(const TSketchPlan& plan) {
    std::vector<TSketchPath> paths;
    if (plan.Kind == TSketchPlan::TKind::Impeller)
        ImpellerPaths(plan, paths);
    else
        HousingPaths(plan, paths);
    return paths;
}

double SketchExtent(const TSketchPlan& plan) {
    return plan.Kind == TSketchPlan::TKind::Impeller ? 1.1 : 2.2;
}

} // namespace corvane
