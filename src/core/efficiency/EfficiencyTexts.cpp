#include "efficiency/EfficiencyTexts.h"

#include "efficiency/TEfficiencyGrade.h"
#include "units/Units.h"
#include "util/GreekText.h"
#include "util/Numbers.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

enum class T {
    Title,
    FanType,
    ForwardCurved,
    BackwardCurved,
    Housed,
    Unhoused,
    NotRated,
    ReasonFanType,
    ReasonNoCurve,
    ReasonPowerRange,
    Bep,
    Input,
    Measured,
    DefaultMotor,
    Required,
    Pass,
    Fail,
    SpeedController,
    NotApplicable,
    Reg327,
    Reg1834,
    Fei,
    Count
};

// German, English, Russian.
constexpr std::array<std::array<const char*, 3>, static_cast<std::size_t>(T::Count)> kTexts = {{
    {"Energieeffizienz", "Energy efficiency", "Энергоэффективность"},
    {"Ventilatorart", "fan type", "Тип вентилятора"},
    {"vorwärtsgekrümmt", "forward-curved", "лопатки загнуты вперёд"},
    {"rückwärtsgekrümmt", "backward-curved", "лопатки загнуты назад"},
    {"mit Gehäuse", "with housing", "с корпусом"},
    {"ohne Gehäuse", "without housing", "без корпуса"},
    {"nicht bewertet", "not rated", "не оценивается"},
    {"Laufradtyp weder vorwärts- noch rückwärtsgekrümmt",
     "impeller type neither forward- nor backward-curved",
     "тип колеса не относится ни к загнутым вперёд, ни к загнутым назад"},
    {"kein Bestpunkt (zu wenige Messpunkte mit Wirkungsgrad und Wellenleistung)",
     "no best efficiency point (too few points with efficiency and shaft power)",
     "нет точки наилучшего КПД (мало точек с КПД и мощностью на валу)"},
    {"Pe außerhalb 0.125 … 500 kW", "Pe outside 0.125 … 500 kW",
     "Pe вне диапазона 0.125 … 500 кВт"},
    {"Bestpunkt (statisch)", "best efficiency point (static)",
     "точка наилучшего КПД (статический)"},
    {"el. Leistungsaufnahme Pe", "electrical input Pe", "потребляемая мощность Pe"},
    {"gemessen", "measured", "измерено"},
    {"Normmotor", "default motor", "стандартный двигатель"},
    {"gefordert", "required", "требуется"},
    {"erfüllt", "pass", "соответствует"},
    {"nicht erfüllt", "fail", "не соответствует"},
    {"mit Drehzahlregelung", "with speed controller", "с регулятором частоты вращения"},
    {"entfällt", "not applicable", "неприменимо"},
    {"VO (EU) Nr. 327/2011", "Regulation (EU) No 327/2011", "Регламент (ЕС) № 327/2011"},
    {"VO (EU) 2024/1834", "Regulation (EU) 2024/1834", "Регламент (ЕС) 2024/1834"},
    {"FEI (AMCA 208)", "FEI (AMCA 208)", "FEI (AMCA 208)"},
}};

// Quantity kind of volume flows.
constexpr int kFlowQuantity = kQuantityFlow;

std::string Text(T id, int language) {
    return kTexts[static_cast<std::size_t>(id)]
                 [static_cast<std::size_t>(std::clamp(language, 0, 2))];
}

std::string Fixed(double value, int decimals) {
    return FormatFixed(value, decimals, 0);
}

std::string RegulationValue(const TRegulationGrade& grade, int language) {
    if (!grade.Applies) return Text(T::NotApplicable, language);
    return "N = " + Fixed(grade.AchievedN, 1) + " (" + Text(T::Required, language) + " " +
           Fixed(grade.RequiredN, 0) + "): " + PassText(grade.Pass, language);
}

} // namespace

std::string EnergyEfficiencyTitle(int language) {
    return Text(T::Title, language);
}

std::string PassText(bool pass, int language) {
    return Text(pass ? T::Pass : T::Fail, language);
}

std::string NotApplicableText(int language) {
    return Text(T::NotApplicable, language);
}

std::vector<TGradeLine> GradeLines(const TEfficiencyGrade& grade, int language, int unitSystem) {
    std::vector<TGradeLine> lines;
    std::string type = Text(T::NotRated, language);
    if (grade.FanType != EFanType::NotRated)
        type = Text(grade.FanType == EFanType::ForwardCurved ? T::ForwardCurved : T::BackwardCurved,
                    language) +
               ", " + Text(grade.Housed ? T::Housed : T::Unhoused, language);
    lines.push_back({Text(T::FanType, language), type});

    const TBestEfficiencyPoint& bep = grade.Declared().Bep;
    switch (grade.NotRated()) {
    case ENotRated::FanType:
        lines.push_back({Text(T::NotRated, language), Text(T::ReasonFanType, language)});
        break;
    case ENotRated::NoCurve:
        lines.push_back({Text(T::NotRated, language), Text(T::ReasonNoCurve, language)});
        break;
    case ENotRated::PowerRange:
        lines.push_back({Text(T::NotRated, language), Text(T::ReasonPowerRange, language)});
        break;
    case ENotRated::No:
        break;
    }
    if (bep.Found) {
        lines.push_back({Text(T::Bep, language),
                         "V = " + FormatQuantity(0, kFlowQuantity, unitSystem, bep.Flow) + " " +
                             UnitLabel(kFlowQuantity, unitSystem) +
                             ", ´eta´e = " + Fixed(bep.OverallEfficiency, 1) + " %"});
        std::string input = Fixed(bep.ElectricalKw(), 3) + " kW (";
        input += bep.ElectricalMeasured
                     ? Text(T::Measured, language)
                     : Text(T::DefaultMotor, language) +
                           ", ´eta´m = " + Fixed(bep.MotorEfficiency * 100, 1) + " %";
        lines.push_back({Text(T::Input, language), input + ")"});
    }
    if (grade.FanType != EFanType::NotRated && bep.Found) {
        lines.push_back(
            {Text(T::Reg327, language), RegulationValue(grade.Declared().Eu327, language)});
        std::string label1834 = Text(T::Reg1834, language);
        if (grade.SpeedController) label1834 += ", " + Text(T::SpeedController, language);
        lines.push_back({label1834, RegulationValue(grade.Declared().Eu1834, language)});
    }
    const TFanEnergyIndex& fei = grade.Fei;
    lines.push_back({Text(T::Fei, language),
                     fei.Applies ? Fixed(fei.Fei, 2) + " (FEP ref " + Fixed(fei.FepRef, 3) +
                                       " kW, FEP act " + Fixed(fei.FepAct, 3) +
                                       " kW): " + PassText(fei.Pass(), language)
                                 : Text(T::NotApplicable, language)});
    for (TGradeLine& line : lines) {
        line.Label = GreekText(line.Label);
        line.Value = GreekText(line.Value);
    }
    return lines;
}

} // namespace corvane
