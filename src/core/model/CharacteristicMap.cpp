#include "model/CharacteristicMap.h"

#include "model/TMapSettings.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace corvane {

namespace {

constexpr std::size_t kLookedAt = 50;
constexpr std::size_t kMaxValid = 40;

bool Valid(const TMapPoint& p) {
    return p.Speed >= 5 && p.Pressure > 1e-5 && p.Flow >= 1e-5;
}

// The valid points scaled to one speed, ascending in flow, with their efficiencies.
std::vector<TMapPoint> ScaledCurve(const std::vector<TMapPoint>& base, double speed) {
    std::vector<TMapPoint> curve;
    curve.reserve(base.size());
    for (const TMapPoint& p : base)
        curve.push_back(ScaleToSpeed(p, speed));
    std::stable_sort(curve.begin(), curve.end(),
                     [](const TMapPoint& a, const TMapPoint& b) { return a.Flow < b.Flow; });
    return curve;
}

// Efficiency and pressure of a scaled curve at a flow, linear between its points; nothing
// outside the curve's flows or where an efficiency is missing.
std::optional<TMapPoint> CurveAt(const std::vector<TMapPoint>& curve, double flow) {
    if (curve.empty() || flow < curve.front().Flow || flow > curve.back().Flow) return {};
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const TMapPoint& a = curve[i - 1];
        const TMapPoint& b = curve[i];
        if (flow > b.Flow) continue;
        if (a.Efficiency < 0 || b.Efficiency < 0) return {};
        const double t = b.Flow > a.Flow ? (flow - a.Flow) / (b.Flow - a.Flow) : 0.0;
        TMapPoint r;
        r.Flow = flow;
        r.Pressure = a.Pressure + t * (b.Pressure - a.Pressure);
        r.Efficiency = a.Efficiency + t * (b.Efficiency - a.Efficiency);
        return r;
    }
    return {};
}

// Walks from the best point's flow outward (left: down, right: up) in 1/400 of that flow
// while the efficiency stays above level + 0.5. Nothing when the curve ends first.
std::optional<TMapXY> FindLevel(const std::vector<TMapPoint>& curve, double bestFlow, double level,
                                bool left) {
    const double step = bestFlow / 400;
    double flow = bestFlow;
    for (;;) {
        const std::optional<TMapPoint> at = CurveAt(curve, flow);
        if (!at) return {};
        if (at->Efficiency <= level + 0.5) return TMapXY{at->Flow, at->Pressure};
        if (left) {
            if (flow <= step) return TMapXY{at->Flow, at->Pressure};
            flow -= step;
        } else {
            flow += step;
        }
    }
}

// Efficiency levels of one side: from the spacing multiple at or below the best efficiency
// down to the bound, the last one raised to the bound; the best itself is its own line.
std::vector<double> SideLevels(double best, double bound, double spacing) {
    std::vector<double> levels;
    for (double level = std::trunc(best / spacing) * spacing;; level -= spacing) {
        const bool last = level <= bound - 0.01;
        const double value = last ? bound : level;
        const bool repeated = last && !levels.empty() && levels.back() <= bound + 0.01;
        if (value < best - 0.01 && !repeated) levels.push_back(value);
        if (last || levels.size() > kMaxMapLines) break;
    }
    return levels;
}

void FitLine(TMapLine& line, int order) {
    const int n = static_cast<int>(line.Points.size());
    if (n < order + 1) return;
    TPolyFit fit;
    fit.BeginFit(order + 1, line.Points.front().Flow, line.Points.back().Flow);
    for (const TMapXY& p : line.Points)
        fit.AddFitPoint(p.Flow, p.Pressure);
    line.Fit = fit.SolveFit();
}

void SortByFlow(std::vector<TMapXY>& points) {
    std::stable_sort(points.begin(), points.end(),
                     [](const TMapXY& a, const TMapXY& b) { return a.Flow < b.Flow; });
}

void EfficiencyLines(TMapLines& map, const std::vector<TMapPoint>& base, const TMapSettings& s,
                     double nLow, double nHigh) {
    int best = -1;
    for (std::size_t i = 0; i < base.size(); ++i)
        if (base[i].Efficiency >= 0 && (best < 0 || base[i].Efficiency > base[best].Efficiency))
            best = static_cast<int>(i);
    if (best < 0) return;
    const TMapPoint& b = base[static_cast<std::size_t>(best)];
    map.BestIndex = best;
    map.BestEfficiency = b.Efficiency;
    map.LeftEfficiency = std::max(base.front().Efficiency, 0.0);
    map.RightEfficiency = std::max(base.back().Efficiency, 0.0);
    const std::vector<TMapPoint> low = ScaledCurve(base, nLow);
    const std::vector<TMapPoint> high = ScaledCurve(base, nHigh);
    const TMapPoint bLow = ScaleToSpeed(b, nLow);
    const TMapPoint bHigh = ScaleToSpeed(b, nHigh);

    // One side's lines, outermost first on the left and last on the right.
    const auto side = [&](bool left, double limit) {
        const double edge = left ? base.front().Efficiency : base.back().Efficiency;
        const double bound = std::min(std::max(edge, limit), b.Efficiency);
        std::vector<TMapLine> lines;
        for (const double level : SideLevels(b.Efficiency, bound, s.EtaStep)) {
            const std::optional<TMapXY> pLow = FindLevel(low, bLow.Flow, level, left);
            if (!pLow) break;
            const std::optional<TMapXY> pHigh = FindLevel(high, bHigh.Flow, level, left);
            if (!pHigh) continue;
            TMapLine line;
            line.Value = level;
            line.Low = *pLow;
            line.High = *pHigh;
            line.Points = {*pLow, *pHigh};
            lines.push_back(line);
        }
        return lines;
    };
    std::vector<TMapLine> leftLines = side(true, s.EtaMin0);
    const std::vector<TMapLine> rightLines = side(false, s.EtaMin1);
    std::vector<TMapLine>& family = map.Families[kMapEfficiency];
    family.assign(leftLines.rbegin(), leftLines.rend());
    TMapLine bestLine;
    bestLine.Value = b.Efficiency;
    bestLine.Low = {bLow.Flow, bLow.Pressure};
    bestLine.High = {bHigh.Flow, bHigh.Pressure};
    bestLine.Points = {bestLine.Low, bestLine.High};
    family.push_back(bestLine);
    family.insert(family.end(), rightLines.begin(), rightLines.end());
    if (family.size() > kMaxMapLines) family.resize(kMaxMapLines);
}

// A line of the points that reach `target` within the speed range; nothing with fewer than
// `minPoints`.
std::optional<TMapLine> SearchLine(const std::vector<TMapPoint>& base, EMapQuantity quantity,
                                   double target, double lo, double hi, std::size_t minPoints) {
    TMapLine line;
    line.Value = target;
    for (const TMapPoint& p : base)
        if (const std::optional<TMapXY> found = SearchSpeed(p, quantity, target, lo, hi))
            line.Points.push_back(*found);
    if (line.Points.size() < minPoints || line.Points.empty()) return {};
    SortByFlow(line.Points);
    return line;
}

std::vector<TMapLine> PowerLines(const std::vector<TMapPoint>& base, int series, double lo,
                                 double hi) {
    const std::vector<double>& mantissas = PowerMantissas();
    const int count = static_cast<int>(mantissas.size());
    for (int k = 1 << series;; k *= 2) {
        std::vector<TMapLine> lines;
        int index = 0; // 0-based position in the mantissa table
        double decade = 1;
        while (lines.size() < kMaxMapLines && decade <= 5e6) {
            const double target = mantissas[static_cast<std::size_t>(index)] * decade;
            std::optional<TMapLine> line = SearchLine(base, EMapQuantity::Power, target, lo, hi, 3);
            if (line) {
                lines.push_back(std::move(*line));
            } else if (!lines.empty()) {
                break;
            }
            index += k;
            if (index >= count) {
                index = 0;
                decade *= 10;
            }
        }
        if (lines.size() < kMaxMapLines || 2 * k >= 16) return lines;
    }
}

std::vector<TMapLine> SoundLines(const std::vector<TMapPoint>& base, int spacing, double lo,
                                 double hi) {
    std::vector<TMapLine> lines;
    for (double level = 60.0 - 5.0 * spacing; level <= 140 && lines.size() < kMaxMapLines;
         level += spacing) {
        if (level <= 49) continue;
        if (std::optional<TMapLine> line = SearchLine(base, EMapQuantity::Level, level, lo, hi, 1))
            lines.push_back(std::move(*line));
    }
    return lines;
}

} // namespace

std::vector<TMapPoint> MapBaseCurve(std::vector<TMapPoint> points) {
    std::stable_sort(points.begin(), points.end(),
                     [](const TMapPoint& a, const TMapPoint& b) { return a.Flow < b.Flow; });
    if (points.size() > kLookedAt) points.resize(kLookedAt);
    std::erase_if(points, [](const TMapPoint& p) { return !Valid(p); });
    std::size_t k = 2; // 1-based position of the next point to drop
    while (points.size() > kMaxValid) {
        points.erase(points.begin() + static_cast<std::ptrdiff_t>(k - 1));
        if (points.size() > kMaxValid) points.erase(points.end() - static_cast<std::ptrdiff_t>(k));
        if (++k > points.size() / 2) k = 2;
    }
    return points;
}

TMapPoint ScaleToSpeed(const TMapPoint& point, double speed) {
    TMapPoint p = point;
    if (!(point.Speed > 0) || !(speed > 0)) return p;
    const double h = speed / point.Speed;
    p.Speed = speed;
    p.Flow = point.Flow * h;
    p.Pressure = point.Pressure * h * h;
    if (point.Power >= 0) p.Power = point.Power * h * h * h;
    if (point.Level > 0) p.Level = point.Level + 50 * std::log10(h);
    return p;
}

std::optional<TMapXY> SearchSpeed(const TMapPoint& point, EMapQuantity quantity, double target,
                                  double lo, double hi) {
    const auto value = [quantity](const TMapPoint& p) {
        return quantity == EMapQuantity::Power ? p.Power : p.Level;
    };
    if (!(value(point) > 0) || !(target > 0) || !(hi > lo)) return {};
    double step = (hi - lo) / 2;
    double speed = lo + step;
    TMapPoint scaled = ScaleToSpeed(point, speed);
    while (step >= 1) {
        scaled = ScaleToSpeed(point, speed);
        step /= 2;
        speed = std::clamp(value(scaled) >= target ? speed - step : speed + step, lo, hi);
    }
    scaled = ScaleToSpeed(point, speed);
    if (std::fabs(value(scaled) - target) >= 0.05 * target) return {};
    return TMapXY{scaled.Flow, scaled.Pressure};
}

TMapLines ComputeMap(const TMapSettings& settings, const std::vector<TMapPoint>& points) {
    TMapLines map;
    const TMapSettings s = settings.Effective();
    const std::vector<TMapPoint> base = MapBaseCurve(points);
    if (base.size() < 2) return map;

    const std::vector<double> speeds = MapSpeeds(s);
    for (const double n : speeds) {
        TMapLine line;
        line.Value = n;
        line.Operating = s.OpSpeed > 0 && std::fabs(n - s.OpSpeed) <= 1;
        for (const TMapPoint& p : ScaledCurve(base, n))
            line.Points.push_back({p.Flow, p.Pressure});
        FitLine(line, s.SpeedPoly);
        map.Families[kMapSpeed].push_back(std::move(line));
    }
    EfficiencyLines(map, base, s, speeds.front(), speeds.back());
    if (map.Empty()) return TMapLines{};

    const double lo = 0.8 * s.MinSpeed;
    const double hi = 1.2 * s.MaxSpeed;
    map.Families[kMapPower] = PowerLines(base, s.PowerSeries, lo, hi);
    for (TMapLine& line : map.Families[kMapPower])
        FitLine(line, s.PowerPoly);
    map.Families[kMapSound] = SoundLines(base, s.SoundStep, lo, hi);
    for (TMapLine& line : map.Families[kMapSound])
        FitLine(line, s.SoundPoly);

    const std::vector<TMapLine>& eta = map.Families[kMapEfficiency];
    const std::array<TMapXY, 4> ends{eta.front().Low, eta.front().High, eta.back().Low,
                                     eta.back().High};
    map.FlowMin = map.FlowMax = ends[0].Flow;
    map.PressureMin = map.PressureMax = ends[0].Pressure;
    for (const TMapXY& p : ends) {
        map.FlowMin = std::min(map.FlowMin, p.Flow);
        map.FlowMax = std::max(map.FlowMax, p.Flow);
        map.PressureMin = std::min(map.PressureMin, p.Pressure);
        map.PressureMax = std::max(map.PressureMax, p.Pressure);
    }
    return map;
}

} // namespace corvane
