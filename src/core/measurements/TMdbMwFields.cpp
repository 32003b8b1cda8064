// Field declarations of the measured-points table: 191 fields with captions in German,
// English and Russian. The sound families are generated from the band list.

#include "mdb/EMdbError.h"
#include "measurements/TMdbMw.h"

#include <string>

namespace corvane {

namespace {

constexpr float kFloatMin = -1e32f;
constexpr float kFloatMax = 1e32f;
constexpr float kIntMax = 2147483648.0f;

struct TFieldDef {
    int Number;
    TFieldType Type;
    bool Hidden;
    int Decimals;
    int Quantity;
    const char* Key;
    const char* Caption[3];
    const char* LongCaption[3];
};

// Key suffix and caption text of the 24 third-octave bands, in field order.
struct TBand {
    const char* KeySuffix;
    const char* Caption;
};
constexpr TBand kBands[TMdbMw::kBandCount] = {
    {"50", "50"},     {"63", "63"},     {"80", "80"},     {"100", "100"},     {"125", "125"},
    {"160", "160"},   {"200", "200"},   {"250", "250"},   {"315", "315"},     {"400", "400"},
    {"500", "500"},   {"630", "630"},   {"800", "800"},   {"1K", "1k"},       {"1P25K", "1.25k"},
    {"1P6K", "1.6k"}, {"2K", "2k"},     {"2P5K", "2.5k"}, {"3P15K", "3.15k"}, {"4K", "4k"},
    {"5K", "5k"},     {"6P3K", "6.3k"}, {"8K", "8k"},     {"10K", "10k"},
};

using F = TMdbMw;

// Fields 1..28: point number and the raw readings of the rig.
// clang-format off
const TFieldDef kReadings[] = {
    {F::F_MESSNR, ftInteger, true, 0, 0, "MESSNR", {"Messreihe Nr.", "series no.", "Серия №"},
        {"", "", ""}},
    {F::F_MWNR, ftInteger, false, 0, 0, "MWNR", {"Nr.", "No.", "№"},
        {"Messpunkt-Nr.", "measuring point no.", "Номер точки измерения"}},
    {F::F_RT, ftFloat, false, 1, 6, "RT", {"RT", "RT", "RT"},
        {"Raumtemperatur", "room temperature", "Температура помещения"}},
    {F::F_RF, ftFloat, false, 0, 7, "RF", {"RF", "RH", "RF"},
        {"Luftfeuchtigkeit", "relative humidity", "Влажность воздуха"}},
    {F::F_PB, ftFloat, false, 1, 8, "PB", {"pB", "pB", "pB"},
        {"barometr. Luftdruck", "barometric pressure", "Атмосферное давление"}},
    {F::F_PD, ftFloat, false, 0, 9, "PD", {"´d´pD", "´d´pD", "´d´pD"},
        {"Düsen-/Blendendruckabf.", "nozzle/orifice pressure drop",
         "Перепад давления на сопле/диафрагме"}},
    {F::F_PK, ftFloat, false, 0, 9, "PK", {"´d´pK", "´d´pK", "´d´pK"},
        {"Messkammerdruck-Diff.", "chamber pressure difference", "Перепад давления в камере"}},
    {F::F_M, ftFloat, false, 3, 10, "M", {"M(m)", "M(m)", "M(изм)"},
        {"Drehmoment (gemessen)", "torque (measured)", "Крутящий момент (измеренный)"}},
    {F::F_N, ftFloat, false, 0, 5, "N", {"n(m)", "n(m)", "n(изм)"},
        {"Drehzahl (gemessen)", "speed (measured)", "Частота вращения (измеренная)"}},
    {F::F_LTV, ftFloat, false, 1, 6, "LTV", {"LTV", "LTV", "LTV"},
        {"Lufttemp. nach Ventilator", "air temp. after fan", "Темп. воздуха за вентилятором"}},
    {F::F_V, ftFloat, false, 0, 11, "V", {"V(m)", "V(m)", "V(изм)"},
        {"Volumenstrom (gemessen)", "volume flow (measured)", "Расход воздуха (измеренный)"}},
    {F::F_U1, ftFloat, false, 2, 2, "U1", {"U1", "U1", "U1"},
        {"Spannung L1", "voltage L1", "Напряжение L1"}},
    {F::F_U2, ftFloat, false, 2, 2, "U2", {"U2", "U2", "U2"},
        {"Spannung L2", "voltage L2", "Напряжение L2"}},
    {F::F_U3, ftFloat, false, 2, 2, "U3", {"U3", "U3", "U3"},
        {"Spannung L3", "voltage L3", "Напряжение L3"}},
    {F::F_RES2, ftFloat, false, 2, 0, "RES2", {"Res2", "Res2", "Рез2"},
        {"Reserve", "reserve", "Резерв"}},
    {F::F_I1, ftFloat, false, 2, 3, "I1", {"I1", "I1", "I1"},
        {"Strom L1", "current L1", "Ток L1"}},
    {F::F_I2, ftFloat, false, 2, 3, "I2", {"I2", "I2", "I2"},
        {"Strom L2", "current L2", "Ток L2"}},
    {F::F_I3, ftFloat, false, 2, 3, "I3", {"I3", "I3", "I3"},
        {"Strom L3", "current L3", "Ток L3"}},
    {F::F_PF1, ftFloat, false, 2, 0, "PF1", {"Pf1", "Pf1", "Pf1"},
        {"cos(´phi´) L1", "cos(´phi´) L1", "cos(´phi´) L1"}},
    {F::F_PF2, ftFloat, false, 2, 0, "PF2", {"Pf2", "Pf2", "Pf2"},
        {"cos(´phi´) L2", "cos(´phi´) L2", "cos(´phi´) L2"}},
    {F::F_PF3, ftFloat, false, 2, 0, "PF3", {"Pf3", "Pf3", "Pf3"},
        {"cos(´phi´) L3", "cos(´phi´) L3", "cos(´phi´) L3"}},
    {F::F_PS1, ftFloat, false, 0, 12, "PS1", {"Ps1", "Ps1", "Ps1"},
        {"Scheinleistung L1", "apparent power L1", "Полная мощность L1"}},
    {F::F_PS2, ftFloat, false, 0, 12, "PS2", {"Ps2", "Ps2", "Ps2"},
        {"Scheinleistung L2", "apparent power L2", "Полная мощность L2"}},
    {F::F_PS3, ftFloat, false, 0, 12, "PS3", {"Ps3", "Ps3", "Ps3"},
        {"Scheinleistung L3", "apparent power L3", "Полная мощность L3"}},
    {F::F_PW1, ftFloat, false, 0, 4, "PW1", {"Pw1", "Pw1", "Pw1"},
        {"Wirkleistung L1", "active power L1", "Активная мощность L1"}},
    {F::F_PW2, ftFloat, false, 0, 4, "PW2", {"Pw2", "Pw2", "Pw2"},
        {"Wirkleistung L2", "active power L2", "Активная мощность L2"}},
    {F::F_PW3, ftFloat, false, 0, 4, "PW3", {"Pw3", "Pw3", "Pw3"},
        {"Wirkleistung L3", "active power L3", "Активная мощность L3"}},
    {F::F_RES3, ftFloat, false, 2, 0, "RES3", {"Res3", "Res3", "Рез3"},
        {"Reserve", "reserve", "Резерв"}},
};
// clang-format on

// Fields 81..88: instruments (codes into the measurement texts) and reserves.
// clang-format off
const TFieldDef kInstruments[] = {
    {F::F_DREHMESSG, ftCode, false, 0, 0, "DREHMESSG",
        {"Drehm.-Messgerät", "torque meter", "Измер. момента"},
        {"Drehmoment-Messgerät", "torque measuring device", "Прибор для измерения момента"}},
    {F::F_LEISTMESSG, ftCode, false, 0, 0, "LEISTMESSG",
        {"Leist.-Messgerät", "power meter", "Измер. мощности"},
        {"Leistungs-Messgerät", "power measuring device", "Прибор для измерения мощности"}},
    {F::F_SCHALLMESSG, ftCode, false, 0, 0, "SCHALLMESSG",
        {"Schall-Messgerät", "sound meter", "Шумомер"},
        {"Schall-Messgerät", "sound measuring device", "Прибор для измерения шума"}},
    {F::F_RES7, ftCode, false, 0, 0, "RES7", {"Res7", "Res7", "Рез7"},
        {"Reserve", "reserve", "Резерв"}},
    {F::F_RES8, ftFloat, false, 2, 0, "RES8", {"Res8", "Res8", "Рез8"},
        {"Reserve", "reserve", "Резерв"}},
    {F::F_RES9, ftFloat, false, 2, 13, "RES9", {"Lp (m)", "Lp (m)", "Lp (изм)"},
        {"Schalldruckpegel  (gemessen)", "sound pressure level (measured)",
         "Уровень звук. давления (измеренный)"}},
    {F::F_RES10, ftFloat, false, 2, 0, "RES10", {"Res10", "Res10", "Рез10"},
        {"Reserve", "reserve", "Резерв"}},
    {F::F_RES11, ftFloat, false, 2, 0, "RES11", {"Res11", "Res11", "Рез11"},
        {"Reserve", "reserve", "Резерв"}},
};
// clang-format on

// Fields 167..191: the evaluated and converted quantities (transient).
// clang-format off
const TFieldDef kComputed[] = {
    {F::F_RHO, ftFloatTransient, false, 3, 15, "", {"´rho´", "´rho´", "´rho´"},
        {"gemessene Luftdichte", "measured air density", "Измеренная плотность воздуха"}},
    {F::F_PFA, ftFloatTransient, false, 0, 9, "", {"´d´p fa", "´d´p fa", "´d´p fa"},
        {"Druck frei ausblasend", "pressure, free outlet", "Давление (свободный выхлоп)"}},
    {F::F_PDYN, ftFloatTransient, false, 0, 9, "", {"´d´p dyn", "´d´p dyn", "´d´p dyn"},
        {"dynamischer Druck", "dynamic pressure", "Динамическое давление"}},
    {F::F_PTOT, ftFloatTransient, false, 0, 9, "", {"´d´p tot", "´d´p tot", "´d´p tot"},
        {"totaler Druck", "total pressure", "Полное давление"}},
    {F::F_PLFA, ftFloatTransient, false, 0, 4, "", {"Pfa", "Pfa", "Pfa"},
        {"Luftleistung frei ausbl.", "air power, free outlet", "Мощность потока (своб. выхлоп)"}},
    {F::F_PLTOT, ftFloatTransient, false, 0, 4, "", {"Ptot", "Ptot", "Ptot"},
        {"totale Luftleistung", "total air power", "Полная мощность потока"}},
    {F::F_PWE, ftFloatTransient, false, 0, 4, "", {"Pwe", "Pwe", "Pwe"},
        {"Wellenleistung", "shaft power", "Мощность на валу"}},
    {F::F_ETAFA, ftFloatTransient, false, 1, 16, "", {"´eta´ fa", "´eta´ fa", "´eta´ fa"},
        {"Wellenwirkungsgrad frei ausbl.", "shaft efficiency, free outlet",
         "КПД на валу (своб. выхлоп)"}},
    {F::F_ETATOT, ftFloatTransient, false, 1, 16, "", {"´eta´ tot", "´eta´ tot", "´eta´ tot"},
        {"totaler Wellenwirkungsgrad", "total shaft efficiency", "Полный КПД на валу"}},
    {F::F_UMEAN, ftFloatTransient, false, 2, 2, "", {"U Ø", "U Ø", "U Ø"},
        {"mittlere Spannung", "mean voltage", "Среднее напряжение"}},
    {F::F_IMEAN, ftFloatTransient, false, 2, 3, "", {"I Ø", "I Ø", "I Ø"},
        {"mittlere Stromaufnahme", "mean current", "Средний ток"}},
    {F::F_PFMEAN, ftFloatTransient, false, 2, 0, "", {"Pf Ø", "Pf Ø", "Pf Ø"},
        {"mittl. Cos(´phi´)", "mean cos(´phi´)", "Средний cos(´phi´)"}},
    {F::F_PW, ftFloatTransient, false, 0, 4, "", {"Pw", "Pw", "Pw"},
        {"elektrische Wirkleistung", "electrical active power", "Активная электрическая мощность"}},
    {F::F_ETAFAM, ftFloatTransient, false, 1, 16, "", {"´eta´ fam", "´eta´ fam", "´eta´ fam"},
        {"Systemwirkungsgrad frei ausbl.", "system efficiency, free outlet",
         "КПД системы (своб. выхлоп)"}},
    {F::F_ETATOTM, ftFloatTransient, false, 1, 16, "", {"´eta´ totm", "´eta´ totm", "´eta´ totm"},
        {"totaler Systemwirkungsgrad", "total system efficiency", "Полный КПД системы"}},
    {F::F_PSIFA, ftFloatTransient, false, 3, 0, "", {"´psi´ fa", "´psi´ fa", "´psi´ fa"},
        {"Druckzahl bez. auf Druck frei ausbl.", "pressure coeff., free outlet",
         "Коэфф. давления (своб. выхлоп)"}},
    {F::F_PSITOT, ftFloatTransient, false, 3, 0, "", {"´psi´ tot", "´psi´ tot", "´psi´ tot"},
        {"Druckzahl bez. auf Totaldruck", "pressure coeff., total pressure",
         "Коэфф. полного давления"}},
    {F::F_PHI, ftFloatTransient, false, 3, 0, "", {"´phi´", "´phi´", "´phi´"},
        {"Lieferzahl", "flow coefficient", "Коэффициент расхода"}},
    {F::F_LAMBDA, ftFloatTransient, false, 3, 0, "", {"´Lambda´", "´Lambda´", "´Lambda´"},
        {"Leistungszahl", "power coefficient", "Коэффициент мощности"}},
    {F::F_VC, ftFloatTransient, false, 0, 11, "", {"V", "V", "V"},
        {"Volumenstrom", "volume flow", "Расход воздуха"}},
    {F::F_NC, ftFloatTransient, false, 0, 5, "", {"n", "n", "n"},
        {"Drehzahl", "speed", "Частота вращения"}},
    {F::F_MC, ftFloatTransient, false, 3, 10, "", {"M", "M", "M"},
        {"Drehmoment", "torque", "Крутящий момент"}},
    {F::F_LPC, ftFloatTransient, false, 1, 13, "", {"Lp", "Lp", "Lp"},
        {"Schalldruckpegel", "sound pressure level", "Уровень звукового давления"}},
    {F::F_LPAC, ftFloatTransient, false, 1, 14, "", {"Lp(A)", "Lp(A)", "Lp(A)"},
        {"Schalldruckpegel A-Bew", "A-weighted sound level", "Уровень звука A"}},
    {F::F_LPSCRATCH, ftFloatTransient, true, 1, 14, "", {"Lp", "Lp", "Lp"},
        {"Schalldruckpegel", "sound pressure level", "Уровень звукового давления"}},
};
// clang-format on

// One sound family: overall level, A-weighted level and the 24 bands.
struct TFamilyDef {
    int First;
    const char* Key;       // "LP", "LPN", "LP1", ...
    const char* Level[3];  // short captions of the unweighted level per language
    const char* LevelA[3]; // short captions of the A-weighted level
    const char* LevelLong[3];
    const char* LevelALong[3];
    const char* BandPrefix[3]; // short caption of a band: prefix + "(" + band + ")"
    const char* BandLong[3];   // long caption of a band: text + " " + band
};

const char* const kMeasuredLevelLong[3] = {"Schalldruckpegel unbew. (gemessen)",
                                           "sound pressure level (measured)",
                                           "Уровень звук. давления (измеренный)"};
const char* const kMeasuredLevelALong[3] = {"Schalldruckpegel A-Bew (gemessen)",
                                            "A-weighted level (measured)",
                                            "Уровень звука A (измеренный)"};
const char* const kThirdOctave[3] = {"Terzband", "third-octave band", "Третьоктавная полоса"};

const TFamilyDef kFamilies[] = {
    {F::F_LP,
     "LP",
     {"Lp (m)", "Lp (m)", "Lp (изм)"},
     {"Lp(A)(m)", "Lp(A)(m)", "Lp(A)(изм)"},
     {kMeasuredLevelLong[0], kMeasuredLevelLong[1], kMeasuredLevelLong[2]},
     {kMeasuredLevelALong[0], kMeasuredLevelALong[1], kMeasuredLevelALong[2]},
     {"Lp", "Lp", "Lp"},
     {kThirdOctave[0], kThirdOctave[1], kThirdOctave[2]}},
    {F::F_LPN,
     "LPN",
     {"Lp", "Lp", "Lp"},
     {"Lpn(A)", "Lpn(A)", "Lpn(A)"},
     {"Normschallpegel unbew.", "standard sound level", "Нормированный уровень звука"},
     {"Normschallpegel A-Bew.", "standard sound level A", "Нормированный уровень звука A"},
     {"Lpn", "Lpn", "Lpn"},
     {"Norm-Terzband", "standard third-oct.", "Норм. третьоктава"}},
};

void ApplyCaptions(TMdb& table, const TFieldDef& def) {
    for (int language = 1; language < 3; ++language)
        table.SetCaption(language, def.Number, def.Caption[language], def.LongCaption[language]);
}

} // namespace

void TMdbMw::DeclareFields() {
    const auto declare = [this](const TFieldDef& def) {
        const bool isFloat = def.Type == ftFloat || def.Type == ftFloatTransient;
        const float minValue = isFloat ? kFloatMin : (def.Type == ftCode ? 0.0f : 1.0f);
        const float maxValue = isFloat ? kFloatMax : kIntMax;
        const int number = AddField(def.Type, def.Hidden ? 0 : -1, def.Decimals, minValue, maxValue,
                                    def.Key, def.Caption[0], def.LongCaption[0], def.Quantity);
        if (number != def.Number) throw EMdbError("Mdb index error");
        ApplyCaptions(*this, def);
    };

    for (const TFieldDef& def : kReadings)
        declare(def);
    for (const TFamilyDef& family : kFamilies)
        DeclareSoundFamily(family.First, family.Key, family.Level, family.LevelLong, 1);
    // The A-weighted captions of the two stored families differ from the generated ones.
    for (const TFamilyDef& family : kFamilies)
        for (int language = 0; language < 3; ++language)
            SetCaption(language, family.First + 1, family.LevelA[language],
                       family.LevelALong[language]);
    for (const TFamilyDef& family : kFamilies)
        for (int band = 0; band < kBandCount; ++band)
            for (int language = 0; language < 3; ++language)
                SetCaption(language, family.First + 2 + band,
                           std::string(family.BandPrefix[language]) + "(" + kBands[band].Caption +
                               ")",
                           std::string(family.BandLong[language]) + " " + kBands[band].Caption);

    for (const TFieldDef& def : kInstruments)
        declare(def);

    // Microphone positions 1..3: "Lp1 (m)", "Lp1(A)(m)", "Lp1(50)"...
    const int micFirst[3] = {F_LP1, F_LP2, F_LP3};
    for (int mic = 0; mic < 3; ++mic) {
        const std::string prefix = "Lp" + std::to_string(mic + 1);
        const std::string level[3] = {prefix + " (m)", prefix + " (m)", prefix + " (изм)"};
        const char* const levelText[3] = {level[0].c_str(), level[1].c_str(), level[2].c_str()};
        DeclareSoundFamily(micFirst[mic], ("LP" + std::to_string(mic + 1)).c_str(), levelText,
                           kMeasuredLevelLong, 1);
        const std::string levelA[3] = {prefix + "(A)(m)", prefix + "(A)(m)", prefix + "(A)(изм)"};
        for (int language = 0; language < 3; ++language) {
            SetCaption(language, micFirst[mic] + 1, levelA[language],
                       kMeasuredLevelALong[language]);
            for (int band = 0; band < kBandCount; ++band)
                SetCaption(language, micFirst[mic] + 2 + band,
                           prefix + "(" + kBands[band].Caption + ")",
                           std::string(kThirdOctave[language]) + " " + kBands[band].Caption);
        }
    }

    for (const TFieldDef& def : kComputed)
        declare(def);
    if (FieldCount() != kFieldCount) throw EMdbError("Mdb index error");
}

// Declares level, A-weighted level and the 24 bands of one family (hidden columns); the
// captions given here are those of the level, the caller sets the others.
void TMdbMw::DeclareSoundFamily(int firstField, const char* key, const char* const captions[3],
                                const char* const longCaptions[3], int levelDecimals) {
    const std::string base(key);
    const auto add = [&](const std::string& fieldKey, int quantity, int expected) {
        const int number = AddField(ftFloat, 0, levelDecimals, kFloatMin, kFloatMax, fieldKey,
                                    captions[0], longCaptions[0], quantity);
        if (number != expected) throw EMdbError("Mdb index error");
        for (int language = 1; language < 3; ++language)
            SetCaption(language, number, captions[language], longCaptions[language]);
    };
    add(base, 13, firstField);
    add(base + "_A", 14, firstField + 1);
    for (int band = 0; band < kBandCount; ++band)
        add(base + "_" + kBands[band].KeySuffix, 13, firstField + 2 + band);
}

} // namespace corvane
