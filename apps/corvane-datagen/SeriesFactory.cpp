#include "SeriesFactory.h"

#include "DemoFamilies.h"
#include "Random.h"
#include "ReferenceTables.h"
#include "TextFormat.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "measurements/TMdbMessung.h"

#include <array>
#include <cmath>
#include <numbers>

namespace corvane {

namespace {

constexpr std::array<double, 9> kNozzles = {40, 70, 100, 115, 203, 325, 460, 580, 730};
constexpr std::array<double, 3> kOrifices = {40, 70, 100};
constexpr std::array<double, 22> kMotorRatings = {
    90,   120,  180,  250,   370,   550,   750,   1100,  1500,  2200,  3000,
    4000, 5500, 7500, 11000, 15000, 18500, 22000, 30000, 37000, 45000, 55000};
constexpr double kRigPowerLimit = 45000; // largest drive of the rigs, W

enum TRig { kChamber = 1, kDuct = 2, kReverberation = 3, kHighPressure = 4 };

const std::array<const char*, 5> kEditors = {"HK", "MS", "AB", "TW", "JR"};

// Highest tip speed at which the rigs run a model of this kind, m/s.
double RigTipSpeed(TFanKind kind) {
    switch (kind) {
    case TFanKind::Forward:
        return 22;
    case TFanKind::Backward:
        return 50;
    case TFanKind::RadialBlade:
        break;
    }
    return 70;
}

double MaxFlow(const TSeriesPlan& plan) {
    const double u = plan.Diameter * std::numbers::pi * plan.SyncSpeed / 60;
    return plan.Shape.Phi(1) * u * std::numbers::pi / 4 * plan.Diameter * plan.Diameter;
}

} // namespace

TSeriesFactory::TSeriesFactory(TCatalogue& catalogue, TReferenceTables& refs, TRandom& random)
    : catalogue_(catalogue), refs_(refs), random_(random) {}

std::int32_t TSeriesFactory::ChooseDrive(TSeriesPlan& plan, const TFamily& family) {
    const double limit = std::min(RigTipSpeed(family.Def.Kind), 0.85 * family.TipLimit);
    plan.RatedPower = 1e12; // no droop while sizing
    plan.RatedSlip = 0;
    int poles = 8;
    for (int p : {2, 4, 6, 8}) {
        plan.SyncSpeed = 6000.0 / p;
        const double u = plan.Diameter * std::numbers::pi * plan.SyncSpeed / 60;
        if (u <= limit && TSeriesPoints::PeakShaftPower(plan) <= kRigPowerLimit) {
            poles = p;
            break;
        }
    }
    plan.SyncSpeed = 6000.0 / poles;
    const double needed = TSeriesPoints::PeakShaftPower(plan) / 0.85;
    double rated = kMotorRatings.back();
    for (double r : kMotorRatings)
        if (r >= needed) {
            rated = r;
            break;
        }
    plan.RatedPower = rated;

    int type = 5;
    if (rated <= 750) {
        const int small[4] = {5, 2, 4, 3};
        type = small[random_.Int(0, 3)];
    }
    plan.Phases = type == 5 ? 3 : 1;
    plan.Voltage = 230;
    plan.RatedSlip = type == 2 ? 0.004 : rated < 1000 ? 0.06 : rated < 10000 ? 0.035 : 0.02;
    plan.MotorEta = rated < 1000 ? random_.Uniform(0.8, 0.84) : random_.Uniform(0.85, 0.9);
    plan.CosPhi = type == 2 ? random_.Uniform(0.9, 0.95) : random_.Uniform(0.78, 0.86);
    plan.PowerInstrument =
        type == 5 ? TReferenceTables::kPowerThreePhase : TReferenceTables::kPowerSinglePhase;
    return refs_.Motor(type, rated, poles);
}

TSeriesPlan TSeriesFactory::Add(std::int32_t seriesNo, const TFamily& family,
                                const TMdbRecord* impeller, const TMdbRecord* housing) {
    TMdbMessung& table = catalogue_.Messung();
    const TMdbLaufrad& impellers = catalogue_.Laufrad();
    const TMdbGehaeuse& housings = catalogue_.Gehaeuse();
    TMdbRecord* r = table.NewRecord();

    TSeriesPlan plan;
    plan.SeriesNo = seriesNo;
    plan.Seed = random_.Next();
    const double d2 = impellers.GetFloat(impeller, TMdbLaufrad::F_D2);
    const bool twin = impellers.IsDoubleInlet(impeller);
    plan.Diameter = d2 / 1000;
    const double a0 = std::numbers::pi / 4 * plan.Diameter * plan.Diameter;
    // Outlet: the housing's discharge flange, or for a free-running impeller its exit.
    double outlet = 0;
    if (housing) {
        outlet = housings.GetFloat(housing, TMdbGehaeuse::F_C) *
                 housings.GetFloat(housing, TMdbGehaeuse::F_E) / 1e6;
    } else {
        outlet = std::numbers::pi * d2 * impellers.GetFloat(impeller, TMdbLaufrad::F_B2) / 1e6;
    }
    const double flowFactor = twin ? 2 : 1;
    plan.Shape = family.Shape;
    plan.Shape.Normalise(a0 / outlet, flowFactor, family.PeakEfficiency(d2),
                         family.PhiOpt * flowFactor);
    const std::int32_t motor = ChooseDrive(plan, family);

    // Ambient air of the test day.
    plan.Air.Temperature = random_.Uniform(15, 23);
    plan.Air.Humidity = random_.Uniform(30, 65);
    plan.Air.Pressure = random_.Uniform(960, 1030);
    plan.PointCount = random_.Int(15, 25);

    // Rig and metering.
    int rig = kChamber;
    if (housing) {
        const double pick = random_.Unit();
        if (family.Def.Kind == TFanKind::RadialBlade && pick < 0.5)
            rig = kHighPressure;
        else if (pick < 0.18)
            rig = kReverberation;
        else if (pick < 0.4)
            rig = kDuct;
    }
    const double vmax = MaxFlow(plan);
    plan.Metering.Method = 1;
    plan.Metering.PipeDiameter = -1;
    plan.Metering.Diameter = kNozzles.back();
    for (double d : kNozzles)
        if (std::numbers::pi / 4 * d * d / 1e6 * 45 >= vmax) {
            plan.Metering.Diameter = d;
            break;
        }
    if (rig == kDuct) {
        for (double d : kOrifices)
            if (std::numbers::pi / 4 * d * d / 1e6 * 0.61 * 60 >= vmax) {
                plan.Metering = {2, d, 200};
                break;
            }
    }

    // Sound: three microphones in the reverberation room, one meter at 1 m elsewhere.
    if (rig == kReverberation) {
        plan.SoundInstrument = TReferenceTables::kThreeMicrophones;
        for (double& o : plan.MicrophoneOffsets)
            o = random_.Uniform(-1, 1);
    } else if (random_.Chance(rig == kChamber ? 0.9 : 0.75)) {
        plan.SoundInstrument = TReferenceTables::kSoundMeter;
    }
    plan.Kw = family.Kw + random_.Uniform(-1, 1);
    plan.Octaves = family.Octaves;
    plan.Blades = family.Blades;
    plan.ToneAbove = family.ToneAbove;
    TSeriesPoints::FitSoundLevel(plan);

    const double torque =
        TSeriesPoints::PeakShaftPower(plan) / (plan.SyncSpeed * std::numbers::pi / 30);
    plan.TorqueInstrument = torque <= 20    ? TReferenceTables::kTorqueSmall
                            : torque <= 100 ? TReferenceTables::kTorqueMedium
                                            : TReferenceTables::kTorqueLarge;

    float serial = 0;
    const std::int32_t order = refs_.SomeOrder(serial);
    const std::string type = impellers.TypeDesignation(impeller);
    table.SetInt(r, TMdbMessung::F_MESSNR, seriesNo);
    table.SetInt(r, TMdbMessung::F_AUFTRAGSNR, order);
    table.SetInt(r, TMdbMessung::F_LFRDNR, impellers.Key(impeller));
    table.SetInt(r, TMdbMessung::F_GEHSNR, housing ? housings.Key(housing) : 0);
    table.SetInt(r, TMdbMessung::F_MOTORNR, motor);
    table.SetText(r, TMdbMessung::F_BEARBEITER,
                  kEditors[static_cast<std::size_t>(random_.Int(0, 4))]);
    table.SetText(r, TMdbMessung::F_INFOTEXT,
                  "Kennlinie " + type + " D2=" + FixedText(d2, 0) +
                      (housing ? " mit Gehäuse" : " ohne Gehäuse") +
                      (twin ? ", doppelflutig" : ""));
    table.SetFloat(r, TMdbMessung::F_AUFTMESSZ, serial);
    table.SetInt(r, TMdbMessung::F_DBTYP, random_.Chance(0.9) ? 2 : 4);
    table.SetInt(r, TMdbMessung::F_MESSTYP, random_.Chance(0.85) ? 1 : 2);
    table.SetInt(r, TMdbMessung::F_KENNLTYP, 1);
    table.SetFloat(r, TMdbMessung::F_DB, plan.Metering.Diameter);
    table.SetFloat(r, TMdbMessung::F_DR, plan.Metering.PipeDiameter);
    table.SetInt(r, TMdbMessung::F_TANDEM, twin ? 2 : 0);
    table.SetFloat(r, TMdbMessung::F_Ab, outlet);
    table.SetFloat(r, TMdbMessung::F_DLr, d2);
    table.SetFloat(r, TMdbMessung::F_A0, a0);
    table.SetFloat(r, TMdbMessung::F_phiF, 1);
    table.SetInt(r, TMdbMessung::F_phiTyp, 0);
    table.SetFloat(r, TMdbMessung::F_ZEIT_IST, 0.5 * random_.Int(4, 24));
    table.SetText(r, TMdbMessung::F_BEWERTUNG,
                  random_.Chance(0.8) ? "Kennlinie plausibel" : "Nachmessung empfohlen");
    table.SetInt(r, TMdbMessung::F_PRUEFSTAND, rig);
    const double rigSize = rig == kDuct            ? (vmax < 0.5 ? 200 : 400)
                           : rig == kReverberation ? 64
                                                   : (d2 > 450 ? 9 : 4);
    table.SetFloat(r, TMdbMessung::F_PRUEFSTMASS, rigSize);
    table.SetInt(r, TMdbMessung::F_MESSMETHODE, plan.Metering.Method);
    table.SetInt(r, TMdbMessung::F_DPENTNAHME, rig == kReverberation ? 2 : rig == kDuct ? 3 : 1);
    table.SetFloat(r, TMdbMessung::F_AXIALSP,
                   housing ? housings.GetFloat(housing, TMdbGehaeuse::F_U) : 0);
    table.SetFloat(r, TMdbMessung::F_SEHNENW, 0);
    const std::int32_t day = refs_.SomeDay();
    table.SetInt(r, TMdbMessung::F_MESSDATUM, day);
    if (random_.Chance(0.2)) table.SetInt(r, TMdbMessung::F_AENDDATUM, day + random_.Int(1, 60));
    return plan;
}

} // namespace corvane
