// Evaluation of the measured points: from the raw rig readings to density, pressures, powers,
// efficiencies, coefficients and sound levels, converted to the table's targets.

#include "measurements/TMdbMw.h"
#include "measurements/TPointBaseMemo.h"
#include "physics/AirDensity.h"
#include "physics/FanLaws.h"
#include "physics/TPointValues.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>

namespace corvane {

namespace {

constexpr double kPDynFactor = kStandardDensity / 2;
constexpr double kTiny = 1e-9;
constexpr double kPi = std::numbers::pi;

// Field n of the measured-points table lives in slot n - 1 (checked by the constructor).
float Value(const TMdbRecord* point, int field) {
    return std::bit_cast<float>(point->Slots()[field - 1]);
}
void Store(TMdbRecord* point, int field, float value) {
    point->Slots()[field - 1] = std::bit_cast<std::uint32_t>(value);
}

bool Missing(float value) {
    return value == -1.0f;
}

// Mean of three phase readings: the first reading alone unless all three are present.
float PhaseMean(float a, float b, float c) {
    if (!Missing(a) && b > 1e-6f && c > 1e-6f) return static_cast<float>((double(a) + b + c) / 3);
    return a;
}

} // namespace

void TMdbMw::EvaluatePoint(TMdbRecord* point) const {
    TPointBaseMemo memo;
    TPointValues v = BaseValues(point, true, memo);
    // Diameter, speed, scale-up, sound, density and distance steps, then Lambda.
    const float measuredSpeed = v.Speed;
    ConvertPoint(v, Geometry(), measuredSpeed, Targets());
    StoreValues(point, v);
}

TPointValues TMdbMw::BaseValues(const TMdbRecord* point, bool complete,
                                TPointBaseMemo& memo) const {
    TPointValues v; // every result starts missing

    const float pb = Value(point, F_PB);
    const float speed = Value(point, F_N);
    const float torque = Value(point, F_M);
    const float flow = Value(point, F_V);
    const float chamber = Value(point, F_PK);

    if (pb > 0 && shape_.Arrangement >= 0 && shape_.OutletArea > 0 && shape_.MeasuredD2 > 0) {
        const double rho = memo.Density(pb, Value(point, F_RT), Value(point, F_RF));
        v.Density = static_cast<float>(rho);
        const double toStd = kStandardDensity / rho;
        // A missing chamber pressure leaves everything that depends on it missing.
        if (!Missing(chamber)) v.PFa = static_cast<float>(chamber * toStd);
        if (speed >= 0 && torque >= 0)
            v.ShaftPower = static_cast<float>(torque * (speed * kPi / 30) * toStd);
        if (complete) DerivedValues(point, toStd, v);
    }
    if (complete) ElectricalAndSoundValues(point, v);

    v.Flow = flow;
    v.Speed = speed;
    v.Torque = torque;
    return v;
}

// The values from flow, pressures and powers that a flow load does not read; `toStd` is the
// factor from the test air to standard density.
void TMdbMw::DerivedValues(const TMdbRecord* point, double toStd, TPointValues& v) const {
    const float speed = Value(point, F_N);
    const float torque = Value(point, F_M);
    const float flow = Value(point, F_V);
    const float chamber = Value(point, F_PK);

    // A missing flow or chamber pressure leaves everything that depends on it missing.
    const bool haveFlow = !Missing(flow);
    const bool havePressure = !Missing(chamber);
    const double vs = flow / 3600.0;
    double pFa = -1, pDyn = -1, pTot = -1;
    if (haveFlow) {
        pDyn = kPDynFactor * std::pow(vs / shape_.OutletArea, 2);
        v.PDyn = static_cast<float>(pDyn);
    }
    if (havePressure) pFa = chamber * toStd;
    if (haveFlow && havePressure) {
        pTot = pFa + pDyn;
        v.PTot = static_cast<float>(pTot);
        v.AirPowerTot = static_cast<float>(vs * pTot);
        v.AirPowerFa = static_cast<float>(vs * pFa);
    }

    double shaft = -1;
    if (speed >= 0 && torque >= 0) shaft = torque * (speed * kPi / 30) * toStd;
    const double el = (std::max(Value(point, F_PW1), 0.0f) + std::max(Value(point, F_PW2), 0.0f) +
                       std::max(Value(point, F_PW3), 0.0f)) *
                      toStd;
    v.ElPower = static_cast<float>(el);

    if (haveFlow && havePressure) {
        if (el >= kTiny) {
            v.EtaSysTot = static_cast<float>(vs * pTot / el * 100);
            v.EtaSysFa = static_cast<float>(vs * pFa / el * 100);
        }
        if (shaft >= kTiny) {
            v.EtaShaftTot = static_cast<float>(vs * pTot / shaft * 100);
            v.EtaShaftFa = static_cast<float>(vs * pFa / shaft * 100);
        }
    }

    const double u = speed >= 0 ? shape_.MeasuredD2 / 1000.0 * kPi * speed / 60 : -1;
    if (u >= kTiny && havePressure) {
        const double q = u * u * kStandardDensity / 2;
        if (haveFlow) v.PsiTot = static_cast<float>(pTot / q);
        v.PsiFa = static_cast<float>(pFa / q);
    }
    if (u >= 0 && shape_.PhiArea > 0 && haveFlow && u * shape_.PhiArea >= kTiny) {
        double phi = vs / (u * shape_.PhiArea);
        if (shape_.Arrangement == 1 || shape_.Arrangement == 3) phi /= 2; // tandem: two impellers
        v.Phi = static_cast<float>(phi);
    }
}

void TMdbMw::ElectricalAndSoundValues(const TMdbRecord* point, TPointValues& v) const {
    v.MeanVoltage = PhaseMean(Value(point, F_U1), Value(point, F_U2), Value(point, F_U3));
    v.MeanCurrent = PhaseMean(Value(point, F_I1), Value(point, F_I2), Value(point, F_I3));
    v.MeanCosPhi = PhaseMean(Value(point, F_PF1), Value(point, F_PF2), Value(point, F_PF3));

    const float lp = BandLevel(point, F_LP, false, 0);
    const float lpA = BandLevel(point, F_LP_A, false, 0);
    v.Lp = lp < 1.0f ? 0.0f : lp;
    v.LpA = lpA < 1.0f ? 0.0f : lpA;
}

void TMdbMw::StoreValues(TMdbRecord* point, const TPointValues& v) {
    Store(point, F_RHO, v.Density);
    Store(point, F_PFA, v.PFa);
    Store(point, F_PDYN, v.PDyn);
    Store(point, F_PTOT, v.PTot);
    Store(point, F_PLFA, v.AirPowerFa);
    Store(point, F_PLTOT, v.AirPowerTot);
    Store(point, F_PWE, v.ShaftPower);
    Store(point, F_ETAFA, v.EtaShaftFa);
    Store(point, F_ETATOT, v.EtaShaftTot);
    Store(point, F_UMEAN, v.MeanVoltage);
    Store(point, F_IMEAN, v.MeanCurrent);
    Store(point, F_PFMEAN, v.MeanCosPhi);
    Store(point, F_PW, v.ElPower);
    Store(point, F_ETAFAM, v.EtaSysFa);
    Store(point, F_ETATOTM, v.EtaSysTot);
    Store(point, F_PSIFA, v.PsiFa);
    Store(point, F_PSITOT, v.PsiTot);
    Store(point, F_PHI, v.Phi);
    Store(point, F_LAMBDA, v.Lambda);
    Store(point, F_VC, v.Flow);
    Store(point, F_NC, v.Speed);
    Store(point, F_MC, v.Torque);
    Store(point, F_LPC, v.Lp);
    Store(point, F_LPAC, v.LpA);
    Store(point, F_LPSCRATCH, v.LpA);
}

// One reading of the LP family (offset 0 level, 1 A-weighted, 2.. bands) at a position:
// the point's own level, one microphone, or the energy mean of the three microphones.
float TMdbMw::RawLevel(const TMdbRecord* point, int offset, int position) const {
    if (soundInstrument_ != kThreeMicrophoneInstrument) {
        if (position == 2 || position == 3) return -1;
        return Value(point, F_LP + offset);
    }
    const int microphones[3] = {F_LP1, F_LP2, F_LP3};
    if (position >= 1 && position <= 3) return Value(point, microphones[position - 1] + offset);
    double sum = 0;
    int count = 0;
    for (const int first : microphones) {
        const float level = Value(point, first + offset);
        if (level > 1 && level < 200) {
            sum += 4e-10 * std::pow(10.0, level / 10.0);
            ++count;
        }
    }
    if (count == 0) return 0;
    return static_cast<float>(10 * std::log10(sum / count / 4e-10));
}

float TMdbMw::BandLevel(const TMdbRecord* point, int bandField, bool octave, int position) const {
    const int offset = bandField - F_LP;
    if (offset < 0 || offset >= kFamilySize || position < 0 || position > 3) return -1;
    const int band = offset - 2; // 0 = 50 Hz .. 23 = 10 kHz
    // Octaves from the band and its neighbours, 63 Hz .. 8 kHz, for the microphone families.
    if (octave && soundInstrument_ == kThreeMicrophoneInstrument && band >= 1 &&
        band <= kBandCount - 2) {
        double energy = 0;
        for (int k = -1; k <= 1; ++k)
            energy += std::pow(10.0, RawLevel(point, offset + k, position) / 10.0);
        return static_cast<float>(10 * std::log10(energy));
    }
    return RawLevel(point, offset, position);
}

void TMdbMw::EvaluateBand(int bandField, bool octave, int position) {
    const TSeriesGeometry geometry = Geometry();
    const TConvertTargets targets = Targets();
    for (TMdbRecord* point = FirstRecord(); point != nullptr; point = point->Next) {
        const float level = BandLevel(point, bandField, octave, position);
        Store(point, F_LPSCRATCH, ConvertBandLevel(level, geometry, targets, Value(point, F_N)));
    }
}

} // namespace corvane
