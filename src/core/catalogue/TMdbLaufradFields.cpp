// Field list of the impeller table.

#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TableFieldDecl.h"

#include <iterator>

namespace corvane {

namespace {

using L = TMdbLaufrad;
constexpr float kMax = kNoUpperBound;
constexpr int kLen = kQuantityLength;
constexpr int kNoUnit = kQuantityNoUnit;

// clang-format off
constexpr TFieldDecl kFields[] = {
    {L::F_LFRDNR, ftInteger, "LFRDNR", "Laufrad-Nr.", "", 0, 0, 1, kMax, false},
    {L::F_LAUFRADBEZ, ftCalcText, "", "Laufrad-Bezeichnung", "", 0, 20, -1, kMax, true, "wheel no."},
    {L::F_BLATTNR, ftString, "BLATTNR", "Blatt-Nr.", "", 0, 15, -1, kMax, true},
    {L::F_TYPNR, ftInteger, "TYPNR", "Typ-Nr.", "", 0, 0, 1, kMax, true},
    {L::F_TYPBEZ, ftCalcText, "", "Typ-Bezeichnung", "", 0, 10, -1, kMax, true, "type"},
    {L::F_D2NENN, ftInteger, "D2NENN", "Bez-Typ", "Nenndurchmesser", kLen, 0, 0, kMax, true, "Bez-Typ", "rated diameter D2"},
    {L::F_RB, ftFloat, "RB", "RB", "", kNoUnit, 3, 0, kMax, true},
    {L::F_B2, ftFloat, "B2", "B2", "B2 Nenn", kLen, 1, 0, kMax, true},
    {L::F_B0, ftFloat, "B0", "B0", "", kLen, 1, 0, kMax, true},
    {L::F_BS, ftFloat, "BS", "Bs", "", kLen, 1, 0, kMax, true},
    {L::F_DREHRICHT, ftString, "DREHRICHT", "Drehrichtung", "", 0, 1, -1, kMax, true},
    {L::F_FLUTIGKEIT, ftString, "FLUTIGKEIT", "Flutigkeit", "", 0, 1, -1, kMax, true},
    {L::F_VERSION, ftInteger, "VERSION", "Version", "", 0, 0, 0, kMax, true},
    {L::F_HERSTELLER, ftString, "HERSTELLER", "Hersteller", "", 0, 16, 0, kMax, true, "manufacturer"},
    {L::F_SCHFLZAHL, ftInteger, "SCHFLZAHL", "z", "Schaufelzahl", 0, 0, 0, kMax, true, "z", "number of blades"},
    {L::F_SCHFLBREIT, ftFloat, "SCHFLBREIT", "b", "Schaufelbreite", kLen, 1, 0, kMax, true},
    {L::F_SCHFLDICKE, ftFloat, "SCHFLDICKE", "d", "Schaufeldicke", kLen, 1, 0, kMax, true, "d", "blade thickness"},
    {L::F_SCHFLLAENG, ftFloat, "SCHFLLAENG", "L", "Schaufellänge", kLen, 1, 0, kMax, true},
    {L::F_KRUEMRAD, ftFloat, "KRUEMRAD", "Krümm-Rad.", "Krümmungsradius", kLen, 1, 0, kMax, true, "curv. rad.", "blade curveture radius"},
    {L::F_UEBERST_L1, ftFloat, "UEBERST_L1", "L1", "Überst. L1", kLen, 1, 0, kMax, true},
    {L::F_UEBERST_L2, ftFloat, "UEBERST_L2", "L2", "Überst. L2", kLen, 1, 0, kMax, true},
    {L::F_D2, ftFloat, "D2", "D2", "", kLen, 1, 0, kMax, true},
    {L::F_D1, ftFloat, "D1", "D1", "", kLen, 1, 0, kMax, true},
    {L::F_D0, ftFloat, "D0", "D0", "Ansaugdurchmesser", kLen, 1, 0, kMax, true},
    {L::F_DRI, ftFloat, "DRI", "DRI", "", kLen, 1, 0, kMax, true},
    {L::F_DR0, ftFloat, "DR0", "DR0", "", kLen, 1, 0, kMax, true},
    {L::F_RODICKE_S1, ftFloat, "RODICKE_S1", "S1", "RODICKE S1", kLen, 1, 0, kMax, true},
    {L::F_ROHOEHE_H4, ftFloat, "ROHOEHE_H4", "h4", "ROHOEHE h4", kLen, 1, 0, kMax, true},
    {L::F_RIDICKE_S2, ftFloat, "RIDICKE_S2", "S2", "RIDICKE S2", kLen, 1, 0, kMax, true},
    {L::F_DRHOEHE_H3, ftFloat, "DRHOEHE_H3", "h3", "DRHOEHE h3", kLen, 1, 0, kMax, true},
    {L::F_BOEHOEH_H5, ftFloat, "BOEHOEH_H5", "h5", "BOEHOEH h5", kLen, 1, 0, kMax, true},
    {L::F_H6, ftFloat, "H6", "h6", "", kLen, 1, 0, kMax, true},
    {L::F_H7, ftFloat, "H7", "h7", "", kLen, 1, 0, kMax, true},
    {L::F_DRRADIUS, ftFloat, "DRRADIUS", "DRRADIUS", "", kLen, 1, 0, kMax, true},
    {L::F_BETA1, ftFloat, "BETA1", "´beta´1", "´beta´1", kQuantityAngle, 1, 0, kMax, true},
    {L::F_BETA2, ftFloat, "BETA2", "´beta´2", "´beta´2", kQuantityAngle, 1, 0, kMax, true},
    {L::F_GAMMA, ftFloat, "GAMMA", "GAMMA", "", kLen, 1, 0, kMax, true},
    {L::F_SEHNLAENGE, ftFloat, "SEHNLAENGE", "Sehnenlänge", "", kLen, 1, 0, kMax, true},
    {L::F_BREITE1, ftFloat, "BREITE1", "Breite 1", "Breite 1", kLen, 1, 0, kMax, true, "width 1", "blade width (at D1)"},
    {L::F_BREITE2, ftFloat, "BREITE2", "Breite 2", "Breite 2", kLen, 1, 0, kMax, true, "width 2", "blade width (at D2)"},
    {L::F_D2NABE, ftFloat, "D2NABE", "D2n", "D2 Nabe", kLen, 1, 0, kMax, true},
    {L::F_DMAXNABE, ftFloat, "DMAXNABE", "D max. Nabe", "", kLen, 1, 0, kMax, true},
    {L::F_NABENGEW, ftFloat, "NABENGEW", "Nabengewicht", "", kQuantityMass, 3, 0, kMax, true},
    {L::F_NABENTYP, ftString, "NABENTYP", "Nabentyp", "", 0, 5, -1, kMax, true},
    {L::F_KEILNUT, ftInteger, "KEILNUT", "Keilnut", "", 0, 0, 0, 1, true},
    {L::F_Q_RANZ, ftInteger, "Q_RANZ", "Q_RANZ", "", 0, 0, 0, kMax, true},
    {L::F_Q_RANORD, ftInteger, "Q_RANORD", "Q_RANORD", "", 0, 0, 0, kMax, true},
    {L::F_BREITENVAR, ftInteger, "BREITENVAR", "Breiten-Variation", "", 0, 0, -1000000000, 1000000000, true},
    {L::F_GEWICHT, ftFloat, "GEWICHT", "Gewicht", "", kQuantityMass, 3, 0, kMax, true},
    {L::F_MINDREHZ, ftFloat, "MINDREHZ", "min. Drehzahl", "", kQuantitySpeed, 1, 0, kMax, true},
    {L::F_MAXDREHZ, ftFloat, "MAXDREHZ", "max. Drehzahl", "", kQuantitySpeed, 1, 0, kMax, true},
    {L::F_MASSENTRG, ftFloat, "MASSENTRG", "Massenträgheit", "", kNoUnit, 3, 0, kMax, true},
    {L::F_MATERIAL, ftString, "MATERIAL", "Material", "", 0, 20, -1, kMax, true},
    {L::F_INFOTEXT, ftString, "INFOTEXT", "Infotext", "", 0, 80, -1, kMax, true},
    {L::F_EINSTROEMDUESE, ftCalcText, "", "Einströmdüse", "", 0, 20, -1, kMax, true, "inlet cone"},
    {L::F_BILDNR, ftInteger, "BILDNR", "Bild-Nr", "", 0, 0, -1, kMax, true},
    {L::F_BILDBEZ, ftCalcText, "", "Bild-Bezeichnung", "", 0, 20, -1, kMax, true},
    {L::F_T, ftFloat, "T", "t", "", kNoUnit, 1, 0, kMax, true},
    {L::F_X, ftFloat, "X", "X", "", kNoUnit, 1, 0, kMax, true},
    {L::F_L3, ftFloat, "L3", "L3", "", kNoUnit, 1, 0, kMax, true},
    {L::F_EINBHOEHE, ftFloat, "EINBHOEHE", "Einbaubreite", "Einbaubreite", kLen, 0, 0, kMax, true, "unit length", "unit length"},
    {L::F_MESSNR, ftInteger, "MESSNR", "Mess-Nr.", "", 0, 0, 0, kMax, true},
    {L::F_ZEICHNR, ftString, "ZEICHNR", "Zeichnungs-Nr.", "", 0, 30, -1, kMax, true},
    {L::F_ERSTDATUM, ftDate, "ERSTDATUM", "Erst.-Datum", "", 0, 0, 1, kMax, true},
    {L::F_AENDDATUM, ftDate, "AENDDATUM", "Änd.-Datum", "", 0, 0, -1, kMax, true},
    {L::F_ORGBEZ, ftString, "", "OrgBez", "", 0, 20, -1, kMax, false},
    {L::F_CALVMIN, ftFloat, "", "CalVmin", "", 0, 0, -1000000000, 1000000000, false},
    {L::F_CALVMAX, ftFloat, "", "CalVmax", "", 0, 0, -1000000000, 1000000000, false},
    {L::F_CALA0, ftFloat, "", "CalA0", "", 0, 0, -1000000000, 1000000000, false},
    {L::F_CALA1, ftFloat, "", "CalA1", "", 0, 0, -1000000000, 1000000000, false},
    {L::F_CALA2, ftFloat, "", "CalA2", "", 0, 0, -1000000000, 1000000000, false},
    {L::F_DUESE, ftInteger, "DUESE", "Duesen-Nr.", "", 0, 0, -kMax, kMax, false},
    {L::F_INKATALOG, ftInteger, "", "in Katalog", "", 0, 0, 0, 0, false},
};
// clang-format on

static_assert(std::size(kFields) == L::kFieldCount);

} // namespace

TMdbLaufrad::TMdbLaufrad(TCatalogue* catalogue)
    : TMdb(kFieldCount, F_LFRDNR, "LAUFRAD", nullptr, kMdbNo), catalogue_(catalogue) {
    DeclareFields(*this, kFields);
    // Russian: the English captions, except these three.
    SetCaption(2, F_D2NENN, "des. type", "rated diameter D2");
    SetCaption(2, F_EINSTROEMDUESE, "Входное коническое сопло", "Входное коническое сопло");
    SetCaption(2, F_EINBHOEHE, "длине элемента", "длине элемента");
}

} // namespace corvane
