#include "efficiency/GradeFields.h"

#include "efficiency/EfficiencyTexts.h"
#include "efficiency/TEfficiencyGrade.h"
#include "util/Numbers.h"

#include <algorithm>
#include <numeric>

namespace corvane {

namespace {

TGradeValue Number(bool applies, double value) {
    TGradeValue v;
    if (!applies) return v;
    v.Kind = TGradeValue::IsNumber;
    v.Number = value;
    return v;
}

TGradeValue Flag(bool applies, bool value) {
    TGradeValue v;
    if (!applies) return v;
    v.Kind = TGradeValue::IsFlag;
    v.Flag = value;
    return v;
}

} // namespace

TGradeFields GradeFields(const TEfficiencyGrade& grade) {
    const TCategoryGrade& declared = grade.Declared();
    const TBestEfficiencyPoint& bep = declared.Bep;
    const TRegulationGrade& eu327 = declared.Eu327;
    const TRegulationGrade& eu1834 = declared.Eu1834;
    const TFanEnergyIndex& fei = grade.Fei;
    return {{
        {"etaBep", "%", 1, Number(bep.Found, bep.OverallEfficiency)},
        {"peBep", "kW", 3, Number(bep.Found, bep.ElectricalKw())},
        {"n327Achieved", "", 1, Number(eu327.Applies, eu327.AchievedN)},
        {"n327Required", "", 0, Number(eu327.Applies, eu327.RequiredN)},
        {"pass327", "", 0, Flag(eu327.Applies, eu327.Pass)},
        {"n1834Achieved", "", 1, Number(eu1834.Applies, eu1834.AchievedN)},
        {"n1834Required", "", 0, Number(eu1834.Applies, eu1834.RequiredN)},
        {"pass1834", "", 0, Flag(eu1834.Applies, eu1834.Pass)},
        {"fepRef", "kW", 3, Number(fei.Applies, fei.FepRef)},
        {"fepAct", "kW", 3, Number(fei.Applies, fei.FepAct)},
        {"fei", "", 2, Number(fei.Applies, fei.Fei)},
    }};
}

std::string GradeFieldText(const TGradeField& field, int language) {
    switch (field.Value.Kind) {
    case TGradeValue::IsNumber:
        return FormatFixed(field.Value.Number, field.Decimals, 0);
    case TGradeValue::IsFlag:
        return PassText(field.Value.Flag, language);
    case TGradeValue::Null:
        break;
    }
    return {};
}

std::vector<std::size_t> OrderByFei(const std::vector<TEfficiencyGrade>& grades) {
    std::vector<std::size_t> order(grades.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&grades](std::size_t a, std::size_t b) {
        const TFanEnergyIndex& fa = grades[a].Fei;
        const TFanEnergyIndex& fb = grades[b].Fei;
        if (fa.Applies != fb.Applies) return fa.Applies;
        return fa.Applies && fa.Fei > fb.Fei;
    });
    return order;
}

} // namespace corvane
