#include "model/CurveKinds.h"

#include "measurements/TMdbMwFieldNo.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

using F = TMdbMwFieldNo;

struct TKindInfo {
    int YField;
    bool OverCoefficient;
    const char* Caption[3];
};

// clang-format off
constexpr std::array<TKindInfo, kLastCurveKind + 1> kKinds{{
    {F::F_PFA, false, {"Druckerausgabe mit Vorschau", "printing preview", "Печать с предварительным просмотром"}},
    {F::F_PFA, false, {"Druck frei ausblasend", "static pressure", "Статическое давление"}},
    {F::F_PTOT, false, {"Totaldruck", "total pressure", "Полное давление"}},
    {F::F_PWE, false, {"Wellenleistung", "shaft power", "Мощность на валу"}},
    {F::F_PW, false, {"elektr. Wirkleistung", "electrical input power", "Потребляемая электрическая мощность"}},
    {F::F_ETAFA, false, {"Wellenwirkungsgrad frei ausblasend", "mechanical efficiency static", "Статический КПД на валу"}},
    {F::F_ETATOT, false, {"totaler Wellenwirkungsgrad", "mechanical efficiency total", "Полный КПД на валу"}},
    {F::F_ETAFAM, false, {"Systemwirkungsgrad frei ausblasend", "system efficiency static", "Статический КПД системы"}},
    {F::F_ETATOTM, false, {"totaler Systemwirkungsgrad", "system efficiency total", "Полный КПД системы"}},
    {F::F_LPC, false, {"Schalldruckpegel unbewertet", "sound pressure level", "Уровень звукового давления"}},
    {F::F_LPAC, false, {"Schalldruckpegel A-Bewertet", "sound pressure level A-weighted", "Уровень звукового давления по A"}},
    {F::F_PSIFA, true, {"Druckzahl bez. auf Druck frei ausblasend", "static pressure number", "Коэффициент статического давления"}},
    {F::F_PSITOT, true, {"Druckzahl bez. auf Totaldruck", "total pressure number", "Коэффициент полного давления"}},
    {F::F_LAMBDA, true, {"Leistungszahl ´Lambda´", "figure of merit ´Lambda´", "Коэффициент мощности ´Lambda´"}},
    {F::F_ETAFA, true, {"Wellenwirkungsgrad frei ausblasend", "mechanical efficiency static", "Статический КПД на валу"}},
    {F::F_ETATOT, true, {"totaler Wellenwirkungsgrad", "mechanical efficiency total", "Полный КПД на валу"}},
    {F::F_ETAFAM, true, {"Systemwirkungsgrad frei ausblasend", "system efficiency static", "Статический КПД системы"}},
    {F::F_ETATOTM, true, {"totaler Systemwirkungsgrad", "system efficiency total", "Полный КПД системы"}},
    {F::F_NC, false, {"Drehzahl", "speed", "Частота вращения"}},
    {F::F_MC, false, {"Drehmoment", "torque", "Крутящий момент"}},
    {F::F_UMEAN, false, {"mittlere Spannung", "voltage", "Напряжение"}},
    {F::F_IMEAN, false, {"mittlerer Strom", "current", "Ток"}},
    {F::F_LP1, false, {"Schallp. unbew. (Messwert Mik.1)", "sound pr. (reading mic.1)", "Зв. давл. (замер мик.1)"}},
    {F::F_LP1_A, false, {"Schallp. A-bew. (Messwert Mik.1)", "sound pr. A-weighted (reading mic.1)", "Зв. давл. по A (замер мик.1)"}},
    {F::F_LP2, false, {"Schallp. unbew. (Messwert Mik.2)", "sound pr. (reading mic.2)", "Зв. давл. (замер мик.2)"}},
    {F::F_LP2_A, false, {"Schallp. A-bew. (Messwert Mik.2)", "sound pr. A-weighted (reading mic.2)", "Зв. давл. по A (замер мик.2)"}},
    {F::F_LP3, false, {"Schallp. unbew. (Messwert Mik.3)", "sound pr. (reading mic.3)", "Зв. давл. (замер мик.3)"}},
    {F::F_LP3_A, false, {"Schallp. A-bew. (Messwert Mik.3)", "sound pr. A-weighted (reading mic.3)", "Зв. давл. по A (замер мик.3)"}},
    {F::F_RES9, false, {"Schallpegel (Messwert Mik.1-3)", "sound pressure (reading mic.1-3)", "Уровень звука (замер мик.1-3)"}},
}};
// clang-format on

bool InRange(int kind) {
    return kind >= 0 && kind <= kLastCurveKind;
}

} // namespace

TCurveFields FieldsForCurveKind(int kind) {
    const bool coefficient = CurveKindOverCoefficient(kind);
    // Kinds 0 and 1 and every unknown kind draw the static pressure.
    const int y = kind >= 2 && kind <= kLastCurveKind
                      ? kKinds[static_cast<std::size_t>(kind)].YField
                      : F::F_PFA;
    return {coefficient ? F::F_PHI : F::F_VC, y};
}

bool CurveKindOverCoefficient(int kind) {
    return InRange(kind) && kKinds[static_cast<std::size_t>(kind)].OverCoefficient;
}

const char* CurveKindCaption(int kind, int language) {
    if (!InRange(kind)) return "";
    return kKinds[static_cast<std::size_t>(kind)].Caption[std::clamp(language, 0, 2)];
}

} // namespace corvane
