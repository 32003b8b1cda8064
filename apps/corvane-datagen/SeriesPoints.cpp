#include "SeriesPoints.h"

#include "Random.h"
#include "measurements/TMdbMw.h"
#include "physics/AirDensity.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvane {

namespace {

constexpr double kHalfDensity = kStandardDensity / 2;

double TipSpeed(double diameter, double speed) {
    return diameter * std::numbers::pi * speed / 60;
}

double ReferenceArea(double diameter) {
    return std::numbers::pi / 4 * diameter * diameter;
}

double ShaftPowerAt(const TSeriesPlan& plan, double x, double speed) {
    const double u = TipSpeed(plan.Diameter, speed);
    return plan.Shape.Lambda(x) * kHalfDensity * ReferenceArea(plan.Diameter) * u * u * u;
}

} // namespace

std::array<double, 32> TSeriesPoints::RelativeFlows(const TSeriesPlan& plan, int& count) {
    std::array<double, 32> x{};
    count = std::clamp(plan.PointCount, 3, 32);
    TRandom random(plan.Seed ^ 0x5EED);
    const double step = 1.0 / (count - 1);
    for (int i = 0; i < count; ++i)
        x[i] = i * step + (i > 0 && i + 1 < count ? random.Uniform(-0.25, 0.25) * step : 0);
    // Free delivery: the throttle fully open, the static pressure all but gone.
    x[count - 1] = 1 - random.Uniform(0, 0.004);
    return x;
}

TTruePoint TSeriesPoints::TruePointAt(const TSeriesPlan& plan, double x) {
    // Induction motor: the speed falls with the load in proportion to the slip, and the load
    // grows with the cube of the speed; a few rounds settle the pair.
    double speed = plan.SyncSpeed * (1 - 0.5 * plan.RatedSlip);
    for (int round = 0; round < 6; ++round) {
        const double load = ShaftPowerAt(plan, x, speed) / plan.RatedPower;
        speed = plan.SyncSpeed * (1 - plan.RatedSlip * load);
    }
    TTruePoint p;
    p.Speed = speed;
    const double u = TipSpeed(plan.Diameter, speed);
    p.Flow = plan.Shape.Phi(x) * u * ReferenceArea(plan.Diameter) * 3600;
    p.PressureFa = plan.Shape.PsiFa(x) * kHalfDensity * u * u;
    p.ShaftPower = ShaftPowerAt(plan, x, speed);

    // Motor losses and power factor worsen at part load.
    const double load = p.ShaftPower / plan.RatedPower;
    const double part = 1 - std::min(load, 1.0);
    const double eta = std::clamp(plan.MotorEta - 0.12 * part * part, 0.75, 0.9);
    p.Electrical.Phases = plan.Phases;
    p.Electrical.Power = p.ShaftPower / eta;
    p.Electrical.Voltage = plan.Voltage;
    p.Electrical.CosPhi = std::clamp(plan.CosPhi - 0.4 * part * part, 0.45, 0.92);
    return p;
}

TSound::TBands TSeriesPoints::SoundAt(const TSeriesPlan& plan, double x, const TTruePoint& truth) {
    const TFanShape& shape = plan.Shape;
    const double u = TipSpeed(plan.Diameter, truth.Speed);
    const double area = ReferenceArea(plan.Diameter);
    const double flow = truth.Flow / 3600;
    const double bestFlow = shape.Phi(shape.PeakX()) * u * area;
    // Towards shut-off the flow term would vanish; the recirculating flow keeps it up.
    const double effectiveFlow = std::sqrt(flow * flow + 0.09 * bestFlow * bestFlow);
    const double pTot = std::max(shape.PsiTot(x) * kHalfDensity * u * u, 1.0);
    const double offDesign = x - shape.PeakX();
    const double lw = plan.Kw + 10 * offDesign * offDesign + 10 * std::log10(effectiveFlow) +
                      20 * std::log10(pTot);
    const TSound sound(plan.Octaves);
    TSound::TBands bands = sound.PowerBands(lw, plan.Blades * truth.Speed / 60, plan.ToneAbove);
    for (double& b : bands)
        b += TSound::kPressureAt1m;
    return bands;
}

double TSeriesPoints::PeakShaftPower(const TSeriesPlan& plan) {
    double peak = 0;
    for (int i = 0; i <= 50; ++i)
        peak = std::max(peak, ShaftPowerAt(plan, i / 50.0, plan.SyncSpeed));
    return peak;
}

void TSeriesPoints::FitSoundLevel(TSeriesPlan& plan) {
    int count = 0;
    const auto x = RelativeFlows(plan, count);
    double lo = 1e9;
    double hi = -1e9;
    for (int i = 0; i < count; ++i) {
        const double la = TSound::OverallA(SoundAt(plan, x[i], TruePointAt(plan, x[i])));
        lo = std::min(lo, la);
        hi = std::max(hi, la);
    }
    if (hi > 100)
        plan.Kw -= hi - 100;
    else if (lo < 50)
        plan.Kw += std::min(50 - lo, 100 - hi);
}

void TSeriesPoints::Fill(const TSeriesPlan& plan, TMdbMw& table) {
    TRandom random(plan.Seed);
    int count = 0;
    const auto x = RelativeFlows(plan, count);
    TRigAir air = plan.Air;
    for (int i = 0; i < count; ++i) {
        TMdbRecord* point = table.NewRecord();
        table.SetInt(point, TMdbMw::F_MESSNR, plan.SeriesNo);
        table.SetInt(point, TMdbMw::F_MWNR, i + 1);
        const TTruePoint truth = TruePointAt(plan, x[i]);
        TRawReadings::Write(table, point, air, plan.Metering, truth, random);
        table.SetInt(point, TMdbMw::F_DREHMESSG, plan.TorqueInstrument);
        table.SetInt(point, TMdbMw::F_LEISTMESSG, plan.PowerInstrument);
        if (plan.SoundInstrument > 0) {
            TSoundReading sound;
            sound.Bands = SoundAt(plan, x[i], truth);
            sound.Instrument = plan.SoundInstrument;
            sound.MicrophoneOffsets = plan.MicrophoneOffsets;
            TRawReadings::WriteSound(table, point, sound, random);
        }
        // The room warms up a little during the test.
        air.Temperature += random.Uniform(0, 0.08);
    }
}

} // namespace corvane
