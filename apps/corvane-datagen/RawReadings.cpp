#include "RawReadings.h"

#include "Random.h"
#include "measurements/TMdbMw.h"
#include "physics/AirDensity.h"

#include <cmath>
#include <numbers>

namespace corvane {

namespace {

constexpr double kNozzleDischarge = 0.98;  // flow coefficient of a standard nozzle
constexpr double kOrificeDischarge = 0.61; // and of a standard orifice
constexpr double kHeatCapacity = 1005;     // of air, J/(kg K)

void WriteFamily(TMdbMw& table, TMdbRecord* point, int first, const TSound::TBands& bands) {
    table.SetFloat(point, first, TSound::Overall(bands));
    table.SetFloat(point, first + 1, TSound::OverallA(bands));
    for (int b = 0; b < TSound::kBands; ++b)
        table.SetFloat(point, first + 2 + b, bands[b]);
}

} // namespace

double TRawReadings::Density(const TRigAir& air) {
    const double x = TMdbMw::HumidityContent(air.Temperature, air.Humidity);
    return air.Pressure * (1 + x / 1000) / (287.1 + 461.4 * x / 1000) * 100 /
           (air.Temperature + 273);
}

void TRawReadings::Write(TMdbMw& table, TMdbRecord* point, const TRigAir& air,
                         const TMetering& metering, const TTruePoint& truth, TRandom& random) {
    const double rho = Density(air);
    const double toTest = rho / kStandardDensity; // standard density -> test air
    const double vs = truth.Flow / 3600;

    table.SetFloat(point, TMdbMw::F_RT, air.Temperature);
    table.SetFloat(point, TMdbMw::F_RF, air.Humidity);
    table.SetFloat(point, TMdbMw::F_PB, air.Pressure);
    table.SetFloat(point, TMdbMw::F_PK, truth.PressureFa * toTest);
    table.SetFloat(point, TMdbMw::F_V, truth.Flow);
    table.SetFloat(point, TMdbMw::F_N, truth.Speed);
    const double omega = truth.Speed * std::numbers::pi / 30;
    table.SetFloat(point, TMdbMw::F_M, truth.ShaftPower * toTest / omega);

    // Pressure drop at the metering element and the air warmed by the fan's losses: recorded
    // for the protocol, not used by the evaluation.
    const double d = metering.Diameter / 1000;
    if (d > 0) {
        const double alpha = metering.Method == 2 ? kOrificeDischarge : kNozzleDischarge;
        const double velocity = vs / (alpha * std::numbers::pi / 4 * d * d);
        table.SetFloat(point, TMdbMw::F_PD, rho / 2 * velocity * velocity);
    }
    const double massFlow = std::max(vs * rho, 0.05);
    table.SetFloat(point, TMdbMw::F_LTV,
                   air.Temperature + truth.ShaftPower * toTest / (massFlow * kHeatCapacity));

    const TElectrical& el = truth.Electrical;
    if (el.Phases <= 0) return;
    const double total = el.Power * toTest;
    // Slightly unequal phases whose active powers add up to the total.
    double share[3] = {1, 0, 0};
    if (el.Phases == 3) {
        const double a = random.Uniform(-0.015, 0.015);
        const double b = random.Uniform(-0.015, 0.015);
        share[0] = (1 + a) / 3;
        share[1] = (1 + b) / 3;
        share[2] = 1 - share[0] - share[1];
    }
    for (int p = 0; p < el.Phases; ++p) {
        const double u = el.Voltage * (1 + random.Uniform(-0.006, 0.006));
        const double pf = std::min(el.CosPhi * (1 + random.Uniform(-0.01, 0.01)), 0.99);
        const double pw = total * share[p];
        const double i = pw / (u * pf);
        table.SetFloat(point, TMdbMw::F_U1 + p, u);
        table.SetFloat(point, TMdbMw::F_I1 + p, i);
        table.SetFloat(point, TMdbMw::F_PF1 + p, pf);
        table.SetFloat(point, TMdbMw::F_PS1 + p, u * i);
        table.SetFloat(point, TMdbMw::F_PW1 + p, pw);
    }
}

void TRawReadings::WriteSound(TMdbMw& table, TMdbRecord* point, const TSoundReading& sound,
                              TRandom& random) {
    table.SetInt(point, TMdbMw::F_SCHALLMESSG, sound.Instrument);
    if (sound.Instrument != TMdbMw::kThreeMicrophoneInstrument) {
        WriteFamily(table, point, TMdbMw::F_LP, sound.Bands);
        return;
    }
    TSound::TBands mean{};
    const int families[3] = {TMdbMw::F_LP1, TMdbMw::F_LP2, TMdbMw::F_LP3};
    for (int m = 0; m < 3; ++m) {
        TSound::TBands mic = sound.Bands;
        for (double& l : mic)
            l += sound.MicrophoneOffsets[m] + random.Uniform(-0.3, 0.3);
        WriteFamily(table, point, families[m], mic);
        for (int b = 0; b < TSound::kBands; ++b)
            mean[b] += std::pow(10, mic[b] / 10) / 3;
    }
    for (double& l : mean)
        l = 10 * std::log10(l);
    WriteFamily(table, point, TMdbMw::F_LP, mean);
}

} // namespace corvane
