// Field declarations and code lists of the measurement-series table.

#include "mdb/EMdbError.h"
#include "measurements/TMdbMessung.h"

#include <array>

namespace corvane {

namespace {

constexpr float kNoMax = 2147483648.0f;

struct TSeriesFieldDef {
    int Number;
    TFieldType Type;
    int ColWidth;
    int Width;
    float Min;
    float Max;
    int Quantity;
    const char* Key;
    const char* Caption[3];
    const char* LongCaption[3];
};

using S = TMdbMessung;

// clang-format off
const TSeriesFieldDef kFields[] = {
    {S::F_MESSNR, ftInteger, -1, 0, 1, kNoMax, 0, "MESSNR",
        {"Messreihe Nr.", "series no.", "Серия №"},
        {"", "", ""}},
    {S::F_AUFTRAGSNR, ftInteger, -1, 0, 1, kNoMax, 0, "AUFTRAGSNR",
        {"Auftrags-Nr.", "order no.", "Заказ №"},
        {"", "", ""}},
    {S::F_KUNDE, ftCalcText, -1, 20, -1, kNoMax, 0, "", {"Kunde", "customer", "Заказчик"},
        {"", "", ""}},
    {S::F_LFRDNR, ftCode, -1, 20, 1, kNoMax, 0, "LFRDNR", {"Laufrad", "impeller", "Рабочее колесо"},
        {"", "", ""}},
    {S::F_GEHSNR, ftCode, -1, 16, 1, kNoMax, 0, "GEHSNR", {"Gehäuse", "housing", "Корпус"},
        {"", "", ""}},
    {S::F_MOTORNR, ftCode, -1, 16, 1, kNoMax, 0, "MOTORNR", {"Motor", "motor", "Двигатель"},
        {"", "", ""}},
    {S::F_BEARBEITER, ftString, -1, 4, -1, kNoMax, 0, "BEARBEITER",
        {"Bearbeiter", "operator", "Исполнитель"},
        {"", "", ""}},
    {S::F_INFOTEXT, ftString, -1, 200, -1, kNoMax, 0, "INFOTEXT",
        {"Info-Text", "info text", "Информация"},
        {"", "", ""}},
    {S::F_AUFTMESSZ, ftFloat, -1, 0, 0, kNoMax, 0, "AUFTMESSZ", {"Ser.-Nr.", "ser. no.", "Сер. №"},
        {"auftragsbezogene Ser.-Nr.", "serial no. within the order", "Серийный № в заказе"}},
    {S::F_DBTYP, ftCode, -1, 0, 1, kNoMax, 0, "DBTYP", {"Db-Typ-Nr.", "db type no.", "Тип БД №"},
        {"", "", ""}},
    {S::F_MESSTYP, ftCode, -1, 0, 1, kNoMax, 0, "MESSTYP",
        {"Mess-Typ-Nr.", "meas. type no.", "Тип измерения №"},
        {"", "", ""}},
    {S::F_KENNLTYP, ftCode, -1, 0, 1, kNoMax, 0, "KENNLTYP",
        {"Kennlinie-Typ-Nr.", "charact. type no.", "Тип характеристики"},
        {"", "", ""}},
    {S::F_DB, ftFloat, -1, 0, 1, kNoMax, 17, "DB", {"DB", "DB", "DB"},
        {"Düsen- oder Blendendurchmesser", "nozzle or orifice diameter",
         "Диаметр сопла или диафрагмы"}},
    {S::F_DR, ftFloat, -1, 0, -1, kNoMax, 17, "DR", {"DR", "DR", "DR"},
        {"Blendenrohrdurchmesser (-1 bei Düse)", "orifice pipe diameter (-1: nozzle)",
         "Диаметр трубы диафрагмы (-1: сопло)"}},
    {S::F_TANDEM, ftCode, -1, 0, 0, 3, 0, "TANDEM", {"Anz. Wege", "flows", "Число потоков"},
        {"", "", ""}},
    {S::F_Ab, ftFloat, -1, 6, 0.000001f, kNoMax, 18, "Ab", {"Ab", "Ab", "Ab"},
        {"Ausblasquerschnitt", "outlet area", "Площадь выхода"}},
    {S::F_DLr, ftFloat, -1, 3, 1, kNoMax, 17, "DLr", {"DLr", "DLr", "DLr"},
        {"Laufraddurchmesser", "impeller diameter", "Диаметр рабочего колеса"}},
    {S::F_A0, ftFloat, -1, 6, 0.000001f, kNoMax, 18, "A0", {"A0", "A0", "A0"},
        {"phi-Fläche", "phi area", "Площадь для phi"}},
    {S::F_phiF, ftFloat, -1, 3, 0.001f, kNoMax, 0, "phiF", {"phiF", "phiF", "phiF"},
        {"phi-Faktor", "phi factor", "Коэффициент phi"}},
    {S::F_phiTyp, ftCode, -1, 0, 0, 4, 0, "phiTyp", {"phiTyp", "phi type", "Тип phi"},
        {"", "", ""}},
    {S::F_ZEIT_IST, ftFloat, -1, 2, 0, kNoMax, 19, "ZEIT_IST",
        {"Zeit-Ist", "time spent", "Затраченное время"},
        {"", "", ""}},
    {S::F_BEWERTUNG, ftString, -1, 200, -1, kNoMax, 0, "BEWERTUNG",
        {"Bewertung", "assessment", "Оценка"},
        {"", "", ""}},
    {S::F_PRUEFSTAND, ftCode, -1, 0, 1, kNoMax, 0, "PRUEFSTAND",
        {"Prüfstand", "test rig", "Испытательный стенд"},
        {"", "", ""}},
    {S::F_PRUEFSTMASS, ftFloat, -1, 3, 0, kNoMax, 0, "PRUEFSTMASS",
        {"Prüfstands-Mass", "rig dimension", "Размер стенда"},
        {"", "", ""}},
    {S::F_MESSMETHODE, ftCode, -1, 0, 1, kNoMax, 0, "MESSMETHODE",
        {"Messmethode", "metering method", "Метод измерения"},
        {"", "", ""}},
    {S::F_DPENTNAHME, ftCode, -1, 0, 1, kNoMax, 0, "DPENTNAHME",
        {"´d´p-Entnahme", "´d´p tapping", "Отбор ´d´p"},
        {"", "", ""}},
    {S::F_AXIALSP, ftFloat, -1, 1, -1000000, kNoMax, 17, "AXIALSP",
        {"Axialspalt", "axial gap", "Осевой зазор"},
        {"Axialspalt", "axial gap", "Осевой зазор"}},
    {S::F_SEHNENW, ftFloat, -1, 1, -999, 999, 20, "SEHNENW",
        {"Sehnenwinkel", "chord angle", "Угол хорды"},
        {"Sehnenwinkel", "chord angle", "Угол хорды"}},
    {S::F_MESSDATUM, ftDate, -1, 0, 1, kNoMax, 0, "MESSDATUM",
        {"Mess-Datum", "meas. date", "Дата измерения"},
        {"", "", ""}},
    {S::F_AENDDATUM, ftDate, -1, 0, 0, kNoMax, 0, "AENDDATUM",
        {"Änd.-Datum", "change date", "Дата изменения"},
        {"", "", ""}},
    {S::F_MESSRECORD, ftInteger, 0, 0, 0, kNoMax, 0, "",
        {"Mess-Record", "meas. record", "Запись измерения"},
        {"", "", ""}},
};
// clang-format on

using TTriple = std::array<const char*, 3>;

// Code lists; lists that start at code 1 have "????" as entry 0.
const TTriple kDbTyp[] = {{"????", "????", "????"},
                          {"Verwaltung", "administration", "Управление"},
                          {"Katalog", "catalog", "Каталог"},
                          {"Fremdvergleich", "ext. comparison", "Внешнее сравнение"},
                          {"Entwicklung", "development", "Разработка"},
                          {"QS", "QS", "Контроль качества"},
                          {"sonstige", "other", "Прочее"}};
const TTriple kMessTyp[] = {{"????", "????", "????"},
                            {"Firma intern", "internal", "Внутреннее"},
                            {"Kunden", "customer", "Заказчик"},
                            {"sonstige", "other", "Прочее"}};
const TTriple kKennlTyp[] = {
    {"????", "????", "????"},
    {"Ventilatorkennlinie", "fan characteristic", "Характеристика вентилятора"},
    {"Gerätekennlinie", "unit characteristic", "Характеристика агрегата"},
    {"Systemkennlinie", "system characteristic", "Характеристика системы"}};
const TTriple kTandem[] = {{"einfl.", "single flow", "одностор."},
                           {"einfl. Tandem", "single tandem", "одностор. тандем"},
                           {"doppelfl.", "double flow", "двустор."},
                           {"doppelfl. Tandem", "double tandem", "двустор. тандем"}};
const TTriple kPhiTyp[] = {{"VDI 2044", "VDI 2044", "VDI 2044"},
                           {"Axial", "axial", "Осевой"},
                           {"Radial", "radial", "Радиальный"},
                           {"Mixflow", "mixflow", "Диагональный"},
                           {"Querstrom", "cross-flow", "Диаметральный"}};
const TTriple kPruefstand[] = {
    {"????", "????", "????"},
    {"Kammerprüfstand", "chamber test rig", "Камерный стенд"},
    {"Rohrprüfstand", "duct test rig", "Трубный стенд"},
    {"Hallraum", "reverberation room", "Реверберационная камера"},
    {"Hochdruckprüfstand", "high pressure test rig", "Стенд высокого давления"}};
const TTriple kMessMethode[] = {{"????", "????", "????"},
                                {"Normdüse", "standard nozzle", "Нормальное сопло"},
                                {"Normblende", "standard orifice", "Нормальная диафрагма"},
                                {"sonstige", "other", "Прочее"}};
const TTriple kDpEntnahme[] = {{"????", "????", "????"},
                               {"Kammerprüfstand", "chamber", "Камера"},
                               {"Hallraum", "reverberation room", "Реверберационная камера"},
                               {"Prüfling", "test item", "Испытуемый объект"}};

struct TCodeList {
    const TTriple* Entries;
    int Size;
};

template <std::size_t N> constexpr TCodeList List(const TTriple (&entries)[N]) {
    return {entries, static_cast<int>(N)};
}

TCodeList CodeList(int field) {
    switch (field) {
    case S::F_DBTYP:
        return List(kDbTyp);
    case S::F_MESSTYP:
        return List(kMessTyp);
    case S::F_KENNLTYP:
        return List(kKennlTyp);
    case S::F_TANDEM:
        return List(kTandem);
    case S::F_phiTyp:
        return List(kPhiTyp);
    case S::F_PRUEFSTAND:
        return List(kPruefstand);
    case S::F_MESSMETHODE:
        return List(kMessMethode);
    case S::F_DPENTNAHME:
        return List(kDpEntnahme);
    default:
        return {nullptr, 0};
    }
}

} // namespace

void TMdbMessung::DeclareFields() {
    for (const TSeriesFieldDef& def : kFields) {
        const int number = AddField(def.Type, def.ColWidth, def.Width, def.Min, def.Max, def.Key,
                                    def.Caption[0], def.LongCaption[0], def.Quantity);
        if (number != def.Number) throw EMdbError("Mdb index error");
        for (int language = 1; language < 3; ++language)
            SetCaption(language, number, def.Caption[language], def.LongCaption[language]);
    }
}

std::string TMdbMessung::CodeListText(int field, std::int32_t code, int language) {
    const TCodeList list = CodeList(field);
    if (list.Entries == nullptr) return {};
    if (code < 0 || code >= list.Size) code = 0;
    if (language < 0 || language > 2) language = 0;
    return list.Entries[code][static_cast<std::size_t>(language)];
}

int TMdbMessung::CodeListSize(int field) {
    return CodeList(field).Size;
}

} // namespace corvane
