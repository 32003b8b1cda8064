#include "render/reports/ReportTexts.h"

#include "i18n/Language.h"
#include "render/diagram/DiagramText.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

using TTriple = std::array<const char*, 3>;

// clang-format off
constexpr std::array<TTriple, static_cast<std::size_t>(ERep::Count)> kTexts{{
    {"Ventilatorprotokoll gemäss DIN 24163, Werte bez. auf Dichte %1", "fan test report according to DIN 24163, values refer to density %1", "Протокол испытаний вентилятора по DIN 24163, значения приведены к плотности %1"},
    {"Ventilatorprotokoll gemäss DIN 24163, ´rho´=1.2 kg/m³, Schalldruckpegel in 1 m Abstand gemessen", "fan test report according to DIN 24163, ´rho´=1.2 kg/m³, sound pressure level measured at 1 m distance", "Протокол испытаний вентилятора по DIN 24163, ´rho´=1.2 кг/м³, уровень звукового давления измерен на расстоянии 1 м"},
    {"Ventilatorprotokoll gemäss DIN 24163.  Werte mit * gegenüber Messung verändert, Ergebnisse entspr. umgerechnet.", "fan test report according to DIN 24163.  Values with * changed against the measurement, results converted accordingly.", "Протокол испытаний вентилятора по DIN 24163.  Значения с * изменены относительно измерения, результаты пересчитаны."},
    {"Ventilatorprotokoll gemäss DIN 24163", "fan test report according to DIN 24163", "Протокол испытаний вентилятора по DIN 24163"},
    {"Laufrad", "fan wheel", "Колесо"},
    {"Gehäuse", "housing", "Корпус"},
    {"Messung", "measurement", "Измерение"},
    {"DLr", "DLr", "DLr"},
    {"n", "n", "n"},
    {"Dichte", "density", "Плотность"},
    {"Weitere Angaben, Bezugsquerschnitt und Informationen, siehe Deckblatt unter der Messreihennummer.", "Further data, reference area and information: see the cover sheet under the series number.", "Дополнительные данные, опорное сечение и информация: см. титульный лист под номером серии измерений."},
    {"Auswertungsdaten der Messreihe Nr.  ", "evaluation data of measurement series no.  ", "Данные обработки серии измерений №  "},
    {"Liste der ausgewählten Punkte", "list of selected points", "Список выбранных точек"},
    {"Liste der Schnittpunkte mit den Anlageparabeln", "list of intersections with the system curves", "Список пересечений с характеристиками сети"},
    {"Deckblatt zur Messreihe Nr.  ", "cover sheet of measurement series no.  ", "Титульный лист серии измерений №  "},
    {"Messung", "measurement", "Измерение"},
    {"Laufrad", "fan wheel", "Рабочее колесо"},
    {"Gehäuse", "housing", "Корпус"},
    {"Motor", "motor", "Двигатель"},
    {"Auftrag", "order", "Заказ"},
    {"Kennlinienfeld der Messreihe Nr.  ", "characteristic map of measurement series no.  ", "Поле характеристик серии измерений №  "},
    {"Wirkungsgrade in %", "efficiencies in %", "КПД в %"},
    {"Leistung [kW]", "power [kW]", "Мощность [кВт]"},
    {"1) Geräuschmessung in der Messhalle gemäß Hüllflächenverfahren DIN 45635", "1) noise measured in the test hall by the enveloping surface method DIN 45635", "1) Измерение шума в испытательном зале методом огибающей поверхности DIN 45635"},
    {"2) Mikrofon in 1m Abstand und 45° vom Ventilatorausblasquerschnitt", "2) microphone at 1 m distance and 45° from the fan outlet", "2) Микрофон на расстоянии 1 м и под 45° к выходному сечению вентилятора"},
    {"1) Die Messung erfolgt im Hallraum Fa. HALVIK nach dem Hallraumverfahren der Genauigkeitsklasse 1 gemäß ISO 3741", "1) measured in the reverberation room of HALVIK by the reverberation room method of accuracy class 1 according to ISO 3741", "1) Измерение в реверберационной камере фирмы HALVIK методом реверберационной камеры класса точности 1 по ISO 3741"},
    {"2) Dieses direkt gemessene Oktav-Band ist nach dem Vergleichsverfahren mittels Normschallquelle (NS) auszuwerten.", "2) this directly measured octave band is to be evaluated by the comparison method with a reference sound source (RSS).", "2) Эта непосредственно измеренная октавная полоса оценивается методом сравнения с эталонным источником шума (ЭИШ)."},
    {"   umgerechnet auf einen Abstand von %1.", "   converted to a distance of %1.", "   пересчитано на расстояние %1."},
    {"Geräuschmessung im Freifeld ¹", "noise measurement in the free field ¹", "Измерение шума в свободном поле ¹"},
    {"Geräuschmessung im Hallraum ¹", "noise measurement in the reverberation room ¹", "Измерение шума в реверберационной камере ¹"},
    {"Schalldruckpegel, unbewertete Oktavbänder ²", "sound pressure level, unweighted octave bands ²", "Уровень звукового давления, невзвешенные октавные полосы ²"},
    {"Frequenz:", "frequency:", "Частота:"},
    {"A-bew.", "A-wtd.", "по A"},
    {"unbew.", "unwtd.", "невзв."},
    {"Mikrofon", "microphone", "Микрофон"},
    {"Volumenstrom", "flow rate", "Расход"},
    {"Datenblatt nicht gefunden: ", "data sheet not found: ", "Паспорт не найден: "},
    {"Kennlinienfeld", "characteristic map", "Поле характеристик"},
    {"Schalldruckpegel Vol, 3 Mikros (erste oder mit * markierte Messungen)", "sound pressure level at flow, 3 mics (first or * marked measurements)", "Уровень звукового давления при расходе, 3 микрофона (первые или отмеченные * измерения)"},
    {"Liste der Schnittpunkte mit den Anlageparabeln", "list of intersections with the system curves", "Список пересечений с характеристиками сети"},
    {"Schalldruckpegel am Betriebspunkt", "sound pressure level at the duty point", "Уровень звукового давления в рабочей точке"},
    {"Schalldruckpegel an ausgewähltem Volumenstrom", "sound pressure level at the selected flow", "Уровень звукового давления при выбранном расходе"},
    {"Liste der ausgewählten Punkte", "list of selected points", "Список выбранных точек"},
    {"Deckblatt (erste oder mit * markierte Messungen)", "cover sheet (first or * marked measurements)", "Титульный лист (первые или отмеченные * измерения)"},
    {"Datenblatt (erste oder mit * markierte Messungen)", "data sheet (first or * marked measurements)", "Паспорт (первые или отмеченные * измерения)"},
    {"Liste der Messwerte (erste oder mit * markierte Messungen)", "list of measured values (first or * marked measurements)", "Список измеренных значений (первые или отмеченные * измерения)"},
    {"Auswertung &hinzufügen ...", "&add evaluation ...", "&Добавить отчёт ..."},
    {"Kennlinien über &Volumenstrom", "charts over &flow rate", "Характеристики по &расходу"},
    {"Kennlinien über &Lieferzahl ´phi´", "charts over flow &coefficient ´phi´", "Характеристики по &коэффициенту расхода ´phi´"},
    {"Auswertung &löschen", "&delete evaluation", "&Удалить отчёт"},
    {"Seite &löschen", "delete &page", "Удалить &страницу"},
    {"Kennlinien&feld bearbeiten", "edit characteristic &map", "Редактировать &поле характеристик"},
    {"&Bemerkung für nächsten Ausdruck bearbeiten", "edit &remark for the next printout", "&Примечание для следующей печати"},
    {"&Kopieren in Zwischenablage", "&copy to clipboard", "&Копировать в буфер обмена"},
    {"Layout Nr.", "layout no.", "Макет №"},
    {"Layout bearbeiten mit der rechten Maustaste", "edit the layout with the right mouse button", "Макет редактируется правой кнопкой мыши"},
    {"Seite", "page", "Страница"},
    {"Vollbild", "full page", "Вся страница"},
    {"doppelte Grösse", "double size", "Двойной размер"},
    {"vierfache Grösse", "fourfold size", "Четырёхкратный размер"},
    {"drucken", "print", "печать"},
    {"Auswahl beenden", "finish selection", "Завершить выбор"},
    {"Abbrechen", "cancel", "Отмена"},
    {"Bitte warten, der Druck läuft noch.", "Please wait, printing is in progress.", "Подождите, идёт печать."},
    {"Kennlinienfeld", "characteristic map", "Поле характеристик"},
    {"linke Grenze", "left limit", "левая граница"},
    {"rechte Grenze", "right limit", "правая граница"},
    {"Linienabstand", "line spacing", "шаг линий"},
    {"Drehzahlreihe", "speed series", "ряд частот вращения"},
    {"min. Drehzahl [1/Min]", "min speed [1/min]", "мин. частота вращения [1/мин]"},
    {"max. Drehzahl [1/Min]", "max speed [1/min]", "макс. частота вращения [1/мин]"},
    {"Betriebsdrehzahl [1/Min]", "operation speed [1/min]", "рабочая частота вращения [1/мин]"},
    {"Leistungsreihe", "power series", "ряд мощностей"},
    {"Schall-Linien-Abstand", "sound line spacing", "шаг линий шума"},
    {"%1. Polynomgrad", "%1. polynom grade", "полином %1-й степени"},
    {"Drehzahllinien", "speed lines", "линии частоты вращения"},
    {"Leistungslinien", "power lines", "линии мощности"},
    {"Schall-Linien", "sound lines", "линии шума"},
    {"Ok", "ok", "Ok"},
}};
// clang-format on

} // namespace

QString RepText(ERep id, int language) {
    const std::size_t index = static_cast<std::size_t>(id);
    if (index >= kTexts.size()) return {};
    return DiagramText(kTexts[index][static_cast<std::size_t>(std::clamp(language, 0, 2))]);
}

QString RepText(ERep id) {
    return RepText(id, TextLanguage());
}

} // namespace corvane
