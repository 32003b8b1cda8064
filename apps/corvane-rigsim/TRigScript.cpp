#include "TRigScript.h"

#include "Random.h"
#include "ReferenceTables.h"
#include "measurements/TMdbMw.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvane {

namespace {

constexpr std::array<double, 22> kMotorRatings = {
    90,   120,  180,  250,   370,   550,   750,   1100,  1500,  2200,  3000,
    4000, 5500, 7500, 11000, 15000, 18500, 22000, 30000, 37000, 45000, 55000};
constexpr double kTipSpeedLimit = 50; // m/s
constexpr int kReverberationRoom = 3;

} // namespace

TRigScript::TRigScript(const TRigSeries& series, int pointCount)
    : count_(std::clamp(pointCount, 1, 32)) {
    TRandom random(0x51A7E5ULL + static_cast<std::uint64_t>(series.SeriesNo));
    plan_.SeriesNo = series.SeriesNo;
    plan_.Seed = random.Next();
    plan_.Diameter = (series.Diameter > 50 ? series.Diameter : 400) / 1000;
    const double a0 = std::numbers::pi / 4 * plan_.Diameter * plan_.Diameter;
    const double outlet = series.OutletArea > 1e-4 ? series.OutletArea : 1.2 * a0;
    plan_.Shape = TFanShape::Draw(TFanKind::Backward, random);
    plan_.Shape.Normalise(a0 / outlet, 1, random.Uniform(0.74, 0.82), random.Uniform(0.18, 0.24));

    // The fastest drive that keeps the tip speed within the rig's limit, then its motor.
    plan_.RatedPower = 1e12; // no droop while sizing
    plan_.RatedSlip = 0;
    for (const int poles : {2, 4, 6, 8}) {
        plan_.SyncSpeed = 6000.0 / poles;
        if (plan_.Diameter * std::numbers::pi * plan_.SyncSpeed / 60 <= kTipSpeedLimit) break;
    }
    const double needed = TSeriesPoints::PeakShaftPower(plan_) / 0.85;
    const auto rating = std::find_if(kMotorRatings.begin(), kMotorRatings.end(),
                                     [needed](double r) { return r >= needed; });
    plan_.RatedPower = rating == kMotorRatings.end() ? kMotorRatings.back() : *rating;
    plan_.RatedSlip = plan_.RatedPower < 1000 ? 0.06 : 0.035;
    plan_.MotorEta = 0.86;
    plan_.CosPhi = 0.84;
    plan_.Phases = 3;
    plan_.Voltage = 230;
    plan_.Air = {random.Uniform(17, 23), random.Uniform(35, 60), random.Uniform(985, 1025)};
    plan_.Metering = series.Pipe > 0 ? TMetering{2, series.Nozzle, series.Pipe}
                                     : TMetering{1, series.Nozzle > 0 ? series.Nozzle : 325, -1};
    plan_.TorqueInstrument = TReferenceTables::kTorqueMedium;
    plan_.PowerInstrument = TReferenceTables::kPowerThreePhase;
    plan_.SoundInstrument = series.Rig == kReverberationRoom ? TReferenceTables::kThreeMicrophones
                                                             : TReferenceTables::kSoundMeter;
    plan_.Kw = 35;
    plan_.Octaves = {-3, -4, -5, -7, -9, -12, -15, -19};
    plan_.Blades = 10;
    plan_.ToneAbove = 5;
    plan_.PointCount = count_;
}

// Free blowing first, then throttled step by step towards shut-off.
double TRigScript::X(int index) const {
    const int i = std::clamp(index, 0, count_ - 1);
    return count_ == 1 ? 1.0 : 1.0 - 0.9 * i / (count_ - 1);
}

double TRigScript::Flow(int index) const {
    return TSeriesPoints::TruePointAt(plan_, X(index)).Flow;
}

double TRigScript::Pressure(int index) const {
    return TSeriesPoints::TruePointAt(plan_, X(index)).PressureFa;
}

void TRigScript::Readings(int index, bool settled, TRandom& random, TMdbMw& table,
                          TMdbRecord* point) const {
    const double x = X(index);
    TTruePoint truth = TSeriesPoints::TruePointAt(plan_, x);
    if (!settled) {
        truth.Flow *= 1 + random.Uniform(-0.03, 0.03);
        truth.PressureFa *= 1 + random.Uniform(-0.03, 0.03);
        truth.Speed *= 1 + random.Uniform(-0.005, 0.005);
    }
    TRigAir air = plan_.Air;
    air.Temperature += 0.05 * index; // the room warms up during the test
    TRawReadings::Write(table, point, air, plan_.Metering, truth, random);
    table.SetInt(point, TMdbMw::F_DREHMESSG, plan_.TorqueInstrument);
    table.SetInt(point, TMdbMw::F_LEISTMESSG, plan_.PowerInstrument);
    table.SetInt(point, TMdbMw::F_SCHALLMESSG, plan_.SoundInstrument);
    if (plan_.SoundInstrument == TReferenceTables::kThreeMicrophones) return;
    TSoundReading sound;
    sound.Bands = TSeriesPoints::SoundAt(plan_, x, truth);
    sound.Instrument = plan_.SoundInstrument;
    TRawReadings::WriteSound(table, point, sound, random);
}

} // namespace corvane
