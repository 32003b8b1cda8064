#include "efficiency/TEfficiencyRater.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLaufrad.h"
#include "efficiency/EfficiencyGrading.h"
#include "measurements/TMdbMw.h"
#include "measurements/TSeriesPointCache.h"
#include "selection/TErgebnisZeile.h"

namespace corvane {

TEfficiencyRater::TEfficiencyRater(TCatalogue& catalogue)
    : catalogue_(catalogue), cache_(std::make_unique<TSeriesPointCache>()),
      mw_(std::make_unique<TMdbMw>(&catalogue)) {
    mw_->SetPointCache(cache_.get());
}

TEfficiencyRater::~TEfficiencyRater() = default;

void TEfficiencyRater::ForgetPoints() {
    cache_->Clear();
    mw_->FreeAllRecords();
    mw_->ForgetSeries();
}

EFanType TEfficiencyRater::FanTypeOf(const TErgebnisZeile& row) const {
    const TMdbLaufrad& impellers = catalogue_.Laufrad();
    const TMdbRecord* impeller =
        row.Impeller != nullptr ? row.Impeller : impellers.FindByKey(row.ImpellerNo);
    return impeller != nullptr ? FanTypeOfImpeller(impellers.TypeNumber(impeller))
                               : EFanType::NotRated;
}

bool TEfficiencyRater::Load(const TErgebnisZeile& row, double density, double speed) {
    const bool loaded =
        row.Series > 0 && mw_->LoadSeries(row.Series, static_cast<float>(density),
                                          static_cast<float>(row.D2), static_cast<float>(speed));
    if (loaded) mw_->Sort(TMdbMw::F_VC, false);
    return loaded;
}

TEfficiencyGrade TEfficiencyRater::Grade(const TErgebnisZeile& row, double density) {
    // A missing series leaves the table empty: no best-efficiency point, and the index
    // from the row's shaft power.
    Load(row, density, row.N);
    const TGradeDuty duty{row.Vop, row.P2, row.Power, density};
    return GradeConvertedSeries(*mw_, FanTypeOf(row), row.Housing != nullptr || row.HousingNo > 0,
                                duty, options_);
}

TFanEnergyIndex TEfficiencyRater::FanEnergyIndexOf(const TErgebnisZeile& row, double density) {
    Load(row, density, row.N);
    return FanEnergyIndexAtDuty(*mw_, {row.Vop, row.P2, row.Power, density});
}

std::vector<TEfficiencyGrade> TEfficiencyRater::Grade(const std::vector<TErgebnisZeile>& rows,
                                                      double density) {
    std::vector<TEfficiencyGrade> grades;
    grades.reserve(rows.size());
    for (const TErgebnisZeile& row : rows)
        grades.push_back(Grade(row, density));
    return grades;
}

TPartLoadCurves TEfficiencyRater::PartLoad(const TErgebnisZeile& row, double density) {
    TPartLoadCurves curves;
    for (std::size_t i = 0; i < kPartLoadFractions.size(); ++i) {
        TPartLoadCurve& curve = curves.Curves[i];
        curve.SpeedFraction = kPartLoadFractions[i];
        curve.Speed = row.N * curve.SpeedFraction;
        if (!(row.N > 0) || !Load(row, density, curve.Speed)) return curves;
        curve.Points = PartLoadPoints(*mw_);
        if (i == 0) curves.ElectricalMeasured = HasElectricalReadings(*mw_);
    }
    curves.Found = !curves.Curves[0].Points.empty();
    return curves;
}

} // namespace corvane
