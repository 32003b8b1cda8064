#include "efficiency/PartLoad.h"

#include "efficiency/EcoDesign.h"
#include "efficiency/EfficiencyGrading.h"
#include "measurements/TMdbMw.h"

namespace corvane {

std::vector<TPartLoadPoint> PartLoadPoints(const TMdbMw& mw) {
    const bool measured = HasElectricalReadings(mw);
    std::vector<TPartLoadPoint> points;
    points.reserve(static_cast<std::size_t>(mw.ViewCount()));
    for (int i = 0; i < mw.ViewCount(); ++i) {
        const TMdbRecord* r = mw.ViewRecord(i);
        TPartLoadPoint p;
        p.Flow = mw.GetFloat(r, TMdbMw::F_VC);
        if (p.Flow < 0) continue;
        p.Pressure = mw.GetFloat(r, TMdbMw::F_PFA);
        p.TotalPressure = mw.GetFloat(r, TMdbMw::F_PTOT);
        p.ShaftPower = mw.GetFloat(r, TMdbMw::F_PWE);
        p.Speed = mw.GetFloat(r, TMdbMw::F_NC);
        p.ShaftEfficiency = mw.GetFloat(r, TMdbMw::F_ETAFA);
        if (measured) {
            p.ElectricalPower = mw.GetFloat(r, TMdbMw::F_PW);
            p.OverallEfficiency = mw.GetFloat(r, TMdbMw::F_ETAFAM);
        } else if (p.ShaftPower > 0) {
            const double kw = DefaultMotorInput(p.ShaftPower / 1000.0);
            p.ElectricalPower = kw * 1000.0;
            if (p.ShaftEfficiency >= 0)
                p.OverallEfficiency = p.ShaftEfficiency * DefaultMotorEfficiency(kw) *
                                      kDirectDriveEfficiency * kMatchingCompensation;
        }
        points.push_back(p);
    }
    return points;
}

} // namespace corvane
