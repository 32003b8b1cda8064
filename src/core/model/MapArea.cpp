#include "model/MapArea.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

constexpr int kSteps = 800;
constexpr double kTiny = 1e-6;
constexpr double kSlack = 1e-9; // log units: points on a boundary are inside

} // namespace

double TMapArea::TLogLine::XAt(double y) const {
    if (std::fabs(Y2 - Y1) < 1e-12) return std::min(X1, X2);
    return X1 + (y - Y1) * (X2 - X1) / (Y2 - Y1);
}

TMapArea::TLogLine TMapArea::Through(const TMapLine& line) {
    TLogLine l;
    if (line.Low.Flow > kTiny && line.Low.Pressure > kTiny && line.High.Flow > kTiny &&
        line.High.Pressure > kTiny) {
        l = {std::log10(line.Low.Flow), std::log10(line.Low.Pressure), std::log10(line.High.Flow),
             std::log10(line.High.Pressure), true};
    }
    return l;
}

bool TMapArea::PressureAt(const TMapLine& line, double flow, double& pressure) {
    const std::vector<TMapXY>& p = line.Points;
    if (p.size() < 2 || flow < p.front().Flow || flow > p.back().Flow) return false;
    for (std::size_t i = 1; i < p.size(); ++i) {
        if (flow > p[i].Flow) continue;
        const double span = p[i].Flow - p[i - 1].Flow;
        const double t = span > 0 ? (flow - p[i - 1].Flow) / span : 0.0;
        pressure = p[i - 1].Pressure + t * (p[i].Pressure - p[i - 1].Pressure);
        return true;
    }
    return false;
}

TMapArea::TMapArea(const TMapLines& map) {
    const std::vector<TMapLine>& eta = map.Family(kMapEfficiency);
    if (!eta.empty()) {
        left_ = Through(eta.front());
        right_ = Through(eta.back());
    }
    const std::vector<TMapLine>& speeds = map.Family(kMapSpeed);
    if (!speeds.empty()) {
        lowest_ = &speeds.front();
        highest_ = &speeds.back();
        bool first = true;
        for (const TMapLine& line : speeds) {
            if (line.Points.empty()) continue;
            flowMin_ =
                first ? line.Points.front().Flow : std::min(flowMin_, line.Points.front().Flow);
            flowMax_ =
                first ? line.Points.back().Flow : std::max(flowMax_, line.Points.back().Flow);
            first = false;
        }
    }
}

bool TMapArea::Inside(EMapFamily family, double flow, double pressure) const {
    if (!(flow > kTiny) || !(pressure > kTiny)) return false;
    const double x = std::log10(flow);
    const double y = std::log10(pressure);
    if (left_.Valid && x < left_.XAt(y) - kSlack) return false;
    if (right_.Valid && x > right_.XAt(y) + kSlack) return false;
    if (family == kMapPower || family == kMapSound) {
        if (flow < flowMin_ || flow > flowMax_) return false;
        double limit = 0;
        if (lowest_ != nullptr && PressureAt(*lowest_, flow, limit) && pressure < limit)
            return false;
        if (highest_ != nullptr && PressureAt(*highest_, flow, limit) && pressure > limit)
            return false;
    }
    return true;
}

std::vector<std::vector<TMapXY>> TMapArea::Runs(EMapFamily family, const TMapLine& line) const {
    std::vector<std::vector<TMapXY>> runs;
    if (line.Points.size() < 2 || line.Fit[10] < 1) return runs;
    const double from = line.Points.front().Flow;
    const double to = line.Points.back().Flow;
    std::vector<TMapXY> run;
    for (int i = 0; i <= kSteps; ++i) {
        const double flow = from + (to - from) * i / kSteps;
        const double pressure = EvalFit(line.Fit, flow);
        if (Inside(family, flow, pressure)) {
            run.push_back({flow, pressure});
            continue;
        }
        if (run.size() >= 2) runs.push_back(std::move(run));
        run.clear();
    }
    if (run.size() >= 2) runs.push_back(std::move(run));
    return runs;
}

} // namespace corvane
