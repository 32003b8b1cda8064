#include "model/Calibration.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "measurements/TMdbMw.h"
#include "model/CurveFit.h"

#include <algorithm>
#include <vector>

namespace corvane {

TCalibration CalibrateCurve(std::span<const TCalibrationPoint> points) {
    TCalibration cal;
    if (points.size() < 3) return cal;

    TPolyFit fit;
    fit.BeginFit(3, points.front().Flow, points.back().Flow);
    double bestEta = points.front().EtaShaftTot;
    double bestFlow = points.front().Flow;
    for (const TCalibrationPoint& p : points) {
        fit.AddFitPoint(p.Flow, p.PressureFa);
        if (p.EtaShaftTot > bestEta) { // on equal efficiencies the smaller flow stays
            bestEta = p.EtaShaftTot;
            bestFlow = p.Flow;
        }
    }
    const TPolyCoefficients c = fit.SolveFit();
    cal.A0 = c[0];
    cal.A1 = c[1];
    cal.A2 = c[2];

    if (bestEta > 0) {
        const double threshold = 0.3 * bestEta;
        bool any = false;
        for (const TCalibrationPoint& p : points) {
            if (p.EtaShaftTot < threshold) continue;
            cal.VMin = any ? std::min(cal.VMin, p.Flow) : p.Flow;
            cal.VMax = any ? std::max(cal.VMax, p.Flow) : p.Flow;
            any = true;
        }
        cal.VMin = std::min(cal.VMin, 0.8 * bestFlow);
        cal.VMax = std::max(cal.VMax, 1.3 * bestFlow);
    } else {
        cal.VMin = points.front().Flow;
        cal.VMax = points.back().Flow;
    }
    return cal;
}

namespace {

// Calibrates records against one series. The series' raw points are read once into a private
// measured-points table (the catalogue's shared one may hold anything) and evaluated again
// only when the diameter changes; records with the diameter of the previous one reuse its
// calibration. The table forgets what it held before, so that it reads the series as a new
// table would.
class TSeriesCalibrator {
public:
    TSeriesCalibrator(TMdbMw& table, std::int32_t seriesNo) : table_(table), seriesNo_(seriesNo) {
        table_.ForgetSeries();
    }

    TCalibration ForDiameter(float d2) {
        if (!(d2 > 0)) return {};
        if (hasLast_ && d2 == lastD2_) return last_;
        TCalibration cal;
        if (table_.LoadSeries(seriesNo_, -1, d2, -1)) {
            table_.Sort(TMdbMw::F_VC, false);
            points_.clear();
            for (int i = 0; i < table_.ViewCount(); ++i) {
                const TMdbRecord* point = table_.ViewRecord(i);
                const float flow = table_.GetFloat(point, TMdbMw::F_VC);
                const float pressure = table_.GetFloat(point, TMdbMw::F_PFA);
                // A point without flow or pressure says nothing about the curve.
                if (flow == -1.0f || pressure == -1.0f) continue;
                points_.push_back({flow, pressure, table_.GetFloat(point, TMdbMw::F_ETATOT)});
            }
            cal = CalibrateCurve(points_);
        }
        hasLast_ = true;
        lastD2_ = d2;
        last_ = cal;
        return cal;
    }

private:
    TMdbMw& table_;
    std::int32_t seriesNo_;
    std::vector<TCalibrationPoint> points_;
    bool hasLast_ = false;
    float lastD2_ = 0;
    TCalibration last_;
};

template <class Table> void Store(Table& table, TMdbRecord* record, const TCalibration& cal) {
    table.SetFloat(record, Table::F_CALVMIN, cal.VMin);
    table.SetFloat(record, Table::F_CALVMAX, cal.VMax);
    table.SetFloat(record, Table::F_CALA0, cal.A0);
    table.SetFloat(record, Table::F_CALA1, cal.A1);
    table.SetFloat(record, Table::F_CALA2, cal.A2);
}

} // namespace

void CalibrateSeries(TCatalogue& catalogue, std::int32_t seriesNo) {
    if (seriesNo <= 0) return; // 0 or less refers to no series
    std::vector<TMdbRecord*> impellerRecords;
    const TMdbLaufrad& impellers = catalogue.Laufrad();
    for (int i = 0; i < impellers.KeyIndexCount(); ++i) {
        TMdbRecord* impeller = impellers.KeyRecord(i);
        if (impellers.MeasurementNo(impeller) == seriesNo) impellerRecords.push_back(impeller);
    }
    std::vector<TMdbRecord*> housingRecords;
    const TMdbGehaeuse& housings = catalogue.Gehaeuse();
    for (int i = 0; i < housings.KeyIndexCount(); ++i) {
        TMdbRecord* housing = housings.KeyRecord(i);
        if (housings.MeasurementNo(housing) == seriesNo) housingRecords.push_back(housing);
    }
    CalibrateRecords(catalogue, seriesNo, impellerRecords, housingRecords);
}

void CalibrateRecords(TCatalogue& catalogue, std::int32_t seriesNo,
                      std::span<TMdbRecord* const> impellerRecords,
                      std::span<TMdbRecord* const> housingRecords) {
    TMdbMw table(&catalogue);
    CalibrateRecords(catalogue, seriesNo, impellerRecords, housingRecords, table);
}

void CalibrateRecords(TCatalogue& catalogue, std::int32_t seriesNo,
                      std::span<TMdbRecord* const> impellerRecords,
                      std::span<TMdbRecord* const> housingRecords, TMdbMw& table) {
    if (seriesNo <= 0) return;
    TSeriesCalibrator calibrator(table, seriesNo);
    TMdbLaufrad& impellers = catalogue.Laufrad();
    for (TMdbRecord* impeller : impellerRecords)
        Store(impellers, impeller,
              calibrator.ForDiameter(impellers.GetFloat(impeller, TMdbLaufrad::F_D2)));
    TMdbGehaeuse& housings = catalogue.Gehaeuse();
    for (TMdbRecord* housing : housingRecords) {
        const TMdbRecord* impeller = housings.ImpellerRecord(housing);
        const float d2 = impeller ? impellers.GetFloat(impeller, TMdbLaufrad::F_D2) : -1.0f;
        Store(housings, housing, calibrator.ForDiameter(d2));
    }
}

} // namespace corvane
