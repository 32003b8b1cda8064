#include "SeriesPoints.h"

#include "Random.h"
#include "measurements/TMdbMw.h"
#include "model/FanLaws.h"

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

double ShaftPowerAt(const TSeriesSpec& spec, double x, double speed) {
    const double u = TipSpeed(spec.Diameter, speed);
    return spec.Shape.Lambda(x) * kHalfDensity * ReferenceArea(spec.Diameter) * u * u * u;
}

} // namespace

std::array<double, 32> TSeriesPoints::RelativeFlows(const TSeriesSpec& spec, int& count) {
    std::array<double, 32> x{};
    count = std::clamp(spec.PointCount, 3, 32);
    TRandom random(spec.Seed ^ 0x5EED);
    const double step = 1.0 / (count - 1);
    for (int i = 0; i < count; ++i)
        x[i] = i * step + (i > 0 && i + 1 < count ? random.Uniform(-0.25, 0.25) * step : 0);
    // Free delivery: the throttle fully open, the static pressure all but gone.
    x[count - 1] = 1 - random.Uniform(0, 0.004);
    return x;
}

TTruePoint TSeriesPoints::TruePointAt(const TSeriesSpec& spec, double x) {
    // Induction motor: the speed falls with the load in proportion to the slip, and the load
    // grows with the cube of the speed; a few rounds settle the pair.
    double speed = spec.SyncSpeed * (1 - 0.5 * spec.RatedSlip);
    for (int round = 0; round < 6; ++round) {
        const double load = ShaftPowerAt(spec, x, speed) / spec.RatedPower;
        speed = spec.SyncSpeed * (1 - spec.RatedSlip * load);
    }
    TTruePoint p;
    p.Speed = speed;
    const double u = TipSpeed(spec.Diameter, speed);
    p.Flow = spec.Shape.Phi(x) * u * ReferenceArea(spec.Diameter) * 3600;
    p.PressureFa = spec.Shape.PsiFa(x) * kHalfDensity * u * u;
    p.ShaftPower = ShaftPowerAt(spec, x, speed);

    // Motor losses and power factor worsen at part load.
    const double load = p.ShaftPower / spec.RatedPower;
    const double part = 1 - std::min(load, 1.0);
    const double eta = std::clamp(spec.MotorEta - 0.12 * part * part, 0.75, 0.9);
    p.Electrical.Phases = spec.Phases;
    p.Electrical.Power = p.ShaftPower / eta;
    p.Electrical.Voltage = spec.Voltage;
    p.Electrical.CosPhi = std::clamp(spec.CosPhi - 0.4 * part * part, 0.45, 0.92);
    return p;
}

TSound::TBands TSeriesPoints::SoundAt(const TSeriesSpec& spec, double x, const TTruePoint& truth) {
    const TFanShape& shape = spec.Shape;
    const double u = TipSpeed(spec.Diameter, truth.Speed);
    const double area = ReferenceArea(spec.Diameter);
    const double flow = truth.Flow / 3600;
    const double bestFlow = shape.Phi(shape.PeakX()) * u * area;
    // Towards shut-off the flow term would vanish; the recirculating flow keeps it up.
    const double effectiveFlow = std::sqrt(flow * flow + 0.09 * bestFlow * bestFlow);
    const double pTot = std::max(shape.PsiTot(x) * kHalfDensity * u * u, 1.0);
    const double offDesign = x - shape.PeakX();
    const double lw = spec.Kw + 10 * offDesign * offDesign + 10 * std::log10(effectiveFlow) +
                      20 * std::log10(pTot);
    const TSound sound(spec.Octaves);
    TSound::TBands bands = sound.PowerBands(lw, spec.Blades * truth.Speed / 60, spec.ToneAbove);
    for (double& b : bands)
        b += TSound::kPressureAt1m;
    return bands;
}

double TSeriesPoints::PeakShaftPower(const TSeriesSpec& spec) {
    double peak = 0;
    for (int i = 0; i <= 50; ++i)
        peak = std::max(peak, ShaftPowerAt(spec, i / 50.0, spec.SyncSpeed));
    return peak;
}

void TSeriesPoints::FitSoundLevel(TSeriesSpec& spec) {
    int count = 0;
    const auto x = RelativeFlows(spec, count);
    double lo = 1e9;
    double hi = -1e9;
    for (int i = 0; i < count; ++i) {
        const double la = TSound::OverallA(SoundAt(spec, x[i], TruePointAt(spec, x[i])));
        lo = std::min(lo, la);
        hi = std::max(hi, la);
    }
    if (hi > 100)
        spec.Kw -= hi - 100;
    else if (lo < 50)
        spec.Kw += std::min(50 - lo, 100 - hi);
}

void TSeriesPoints::Fill(const TSeriesSpec& spec, TMdbMw& table) {
    TRandom random(spec.Seed);
    int count = 0;
    const auto x = RelativeFlows(spec, count);
    TRigAir air = spec.Air;
    for (int i = 0; i < count; ++i) {
        TMdbRecord* point = table.NewRecord();
        table.SetInt(point, TMdbMw::F_MESSNR, spec.SeriesNo);
        table.SetInt(point, TMdbMw::F_MWNR, i + 1);
        const TTruePoint truth = TruePointAt(spec, x[i]);
        TRawReadings::Write(table, point, air, spec.Metering, truth, random);
        table.SetInt(point, TMdbMw::F_DREHMESSG, spec.TorqueInstrument);
        table.SetInt(point, TMdbMw::F_LEISTMESSG, spec.PowerInstrument);
        if (spec.SoundInstrument > 0) {
            TSoundReading sound;
            sound.Bands = SoundAt(spec, x[i], truth);
            sound.Instrument = spec.SoundInstrument;
            sound.MicrophoneOffsets = spec.MicrophoneOffsets;
            TRawReadings::WriteSound(table, point, sound, random);
        }
        // The room warms up a little during the test.
        air.Temperature += random.Uniform(0, 0.08);
    }
}

} // namespace corvane
