// Field list of the housing table.

#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TableFieldDecl.h"

#include <iterator>

namespace corvane {

namespace {

using G = TMdbGehaeuse;
constexpr float kMax = kNoUpperBound;
constexpr int kLen = kQuantityLength;

// clang-format off
constexpr TFieldDecl kFields[] = {
    {G::F_GEHSNR, ftInteger, "GEHSNR", "Gehäuse-Nr.", "", 0, 0, 1, kMax, false},
    {G::F_GEHSBEZ, ftString, "GEHSBEZ", "Gehäuse-Bezeichnung", "", 0, 16, 1, kMax, true, "housing designation"},
    {G::F_BLATTNR, ftString, "BLATTNR", "Blatt-Nr.", "", 0, 15, -1, kMax, true},
    {G::F_TYPNR, ftInteger, "TYPNR", "Typ-Nr.", "", 0, 0, 1, kMax, true},
    {G::F_TYPBEZ, ftCalcText, "", "Typ-Bezeichnung", "", 0, 10, -1, kMax, true},
    {G::F_FLUTIGKEIT, ftString, "FLUTIGKEIT", "Flutigkeit", "Flutigkeit", 0, 1, -1, kMax, true, "suction single/doubl", "suction E=single/D=double"},
    {G::F_BAUGROESSE, ftInteger, "BAUGROESSE", "Bez-Typ", "Baugrösse", kLen, 0, 0, 999999, true},
    {G::F_BREITENVAR, ftInteger, "BREITENVAR", "Breiten-Variation", "", 0, 0, -1000000000, 1000000000, true},
    {G::F_D2, ftFloat, "D2", "D2", "", kLen, 1, 0, kMax, true},
    {G::F_RB, ftFloat, "RB", "RB", "", kLen, 1, 0, kMax, true},
    {G::F_B2, ftFloat, "B2", "B2", "", kLen, 1, 0, kMax, true},
    {G::F_B0, ftFloat, "B0", "B0", "", kLen, 1, 0, kMax, true},
    {G::F_BS, ftFloat, "BS", "Bs", "", kLen, 1, 0, kMax, true},
    {G::F_A, ftFloat, "A", "A", "", kLen, 1, 0, kMax, true},
    {G::F_H, ftFloat, "H", "H", "", kLen, 1, 0, kMax, true},
    {G::F_HZ, ftFloat, "HZ", "Hz", "", kLen, 1, 0, kMax, true},
    {G::F_H1Q, ftFloat, "H1Q", "H1Q", "", kLen, 1, 0, kMax, true},
    {G::F_H2Q, ftFloat, "H2Q", "H2Q", "", kLen, 1, 0, kMax, true},
    {G::F_C, ftFloat, "C", "C", "", kLen, 1, 0, kMax, true},
    {G::F_E, ftFloat, "E", "E", "", kLen, 1, 0, kMax, true},
    {G::F_F, ftFloat, "F", "F", "", kLen, 1, 0, kMax, true},
    {G::F_G, ftFloat, "G", "G", "", kLen, 1, 0, kMax, true},
    {G::F_B, ftFloat, "B", "B", "", kLen, 1, 0, kMax, true},
    {G::F_E1, ftFloat, "E1", "E1", "", kLen, 1, 0, kMax, true},
    {G::F_K, ftFloat, "K", "K", "", kLen, 1, 0, kMax, true},
    {G::F_L, ftFloat, "L", "L", "", kLen, 1, 0, kMax, true},
    {G::F_M, ftFloat, "M", "M", "", kLen, 1, 0, kMax, true},
    {G::F_N, ftFloat, "N", "N", "", kLen, 1, 0, kMax, true},
    {G::F_L1, ftFloat, "L1", "L1", "", kLen, 1, 0, kMax, true},
    {G::F_L2, ftFloat, "L2", "L2", "", kLen, 1, 0, kMax, true},
    {G::F_L3, ftFloat, "L3", "L3", "", kLen, 1, 0, kMax, true},
    {G::F_L4, ftFloat, "L4", "L4", "", kLen, 1, 0, kMax, true},
    {G::F_R1, ftFloat, "R1", "R1", "", kLen, 1, 0, kMax, true},
    {G::F_R2, ftFloat, "R2", "R2", "", kLen, 1, 0, kMax, true},
    {G::F_R3, ftFloat, "R3", "R3", "", kLen, 1, 0, kMax, true},
    {G::F_R4, ftFloat, "R4", "R4", "", kLen, 1, 0, kMax, true},
    {G::F_R5, ftFloat, "R5", "R5", "", kLen, 1, 0, kMax, true},
    {G::F_R6, ftFloat, "R6", "R6", "", kLen, 1, 0, kMax, true},
    {G::F_R7, ftFloat, "R7", "R7", "", kLen, 1, 0, kMax, true},
    {G::F_R8, ftFloat, "R8", "R8", "", kLen, 1, 0, kMax, true},
    {G::F_R, ftFloat, "R", "r", "", kLen, 1, 0, kMax, true},
    {G::F_X1, ftFloat, "X1", "X1", "", kLen, 1, 0, kMax, true},
    {G::F_X2, ftFloat, "X2", "X2", "", kLen, 1, 0, kMax, true},
    {G::F_X3, ftFloat, "X3", "X3", "", kLen, 1, 0, kMax, true},
    {G::F_X4, ftFloat, "X4", "X4", "", kLen, 1, 0, kMax, true},
    {G::F_Y1, ftFloat, "Y1", "Y1", "", kLen, 1, 0, kMax, true},
    {G::F_Y2, ftFloat, "Y2", "Y2", "", kLen, 1, 0, kMax, true},
    {G::F_Y3, ftFloat, "Y3", "Y3", "", kLen, 1, 0, kMax, true},
    {G::F_Y5, ftFloat, "Y5", "Y5", "", kLen, 1, 0, kMax, true},
    {G::F_S1, ftFloat, "S1", "S1", "", kLen, 1, 0, kMax, true},
    {G::F_S2, ftFloat, "S2", "S2", "", kLen, 1, 0, kMax, true},
    {G::F_DE1, ftFloat, "DE1", "DE1", "", kLen, 1, 0, kMax, true},
    {G::F_H1, ftFloat, "H1", "H1", "", kLen, 1, 0, kMax, true},
    {G::F_R1E, ftFloat, "R1E", "r1E", "", kLen, 1, 0, kMax, true},
    {G::F_R2E, ftFloat, "R2E", "r2E", "", kLen, 1, 0, kMax, true},
    {G::F_DA, ftFloat, "DA", "DA", "", kLen, 1, 0, kMax, true},
    {G::F_U, ftFloat, "U", "U", "Axialspalt", kLen, 1, -1000000, kMax, true},
    {G::F_OEFFWKL, ftString, "OEFFWKL", "Öffnungswinkel", "", kQuantityAngle, 8, -1, kMax, true},
    {G::F_GEHSEFORM, ftCode, "GEHSEFORM", "Gehäuseform", "", 0, 0, 1, 4, true},
    {G::F_LAUFRADNR, ftInteger, "LAUFRADNR", "Laufrad-Nr", "", 0, 0, -1, kMax, false},
    {G::F_LAUFRADBEZ, ftCalcText, "", "Laufrad-Bezeichnung", "", 0, 20, -1, kMax, true},
    {G::F_EINSTROEMDUESE, ftCalcText, "", "Einströmdüse", "", 0, 20, -1, kMax, true},
    {G::F_BILDNR, ftInteger, "BILDNR", "Bild-Nr", "", 0, 0, -1, kMax, true},
    {G::F_BILDBEZ, ftCalcText, "", "Bild-Bezeichnung", "", 0, 20, -1, kMax, true},
    {G::F_MESSNR, ftInteger, "MESSNR", "Mess-Nr.", "", 0, 0, 0, kMax, true},
    {G::F_GEHAEUSENR, ftString, "GEHAEUSENR", "Gehäuse-Nr.", "", 0, 16, -1, kMax, true, "housing no."},
    {G::F_HERSTELLER, ftString, "HERSTELLER", "Hersteller", "", 0, 16, -1, kMax, true, "manufacturer"},
    {G::F_ERSTDATUM, ftDate, "ERSTDATUM", "Erst.-Datum", "", 0, 0, 1, kMax, true},
    {G::F_AENDDATUM, ftDate, "AENDDATUM", "Änd.-Datum", "", 0, 0, -1, kMax, true},
    {G::F_CALVMIN, ftFloat, "", "CalVmin", "", 0, 0, -1000000000, 1000000000, false},
    {G::F_CALVMAX, ftFloat, "", "CalVmax", "", 0, 0, -1000000000, 1000000000, false},
    {G::F_CALA0, ftFloat, "", "CalA0", "", 0, 0, -1000000000, 1000000000, false},
    {G::F_CALA1, ftFloat, "", "CalA1", "", 0, 0, -1000000000, 1000000000, false},
    {G::F_CALA2, ftFloat, "", "CalA2", "", 0, 0, -1000000000, 1000000000, false},
    {G::F_INKATALOG, ftInteger, "", "in Katalog", "", 0, 0, 0, 0, false},
};
// clang-format on

static_assert(std::size(kFields) == G::kFieldCount);

} // namespace

// Russian uses the English captions, which DeclareFields sets for languages 1 and 2.
TMdbGehaeuse::TMdbGehaeuse(TCatalogue* catalogue)
    : TMdb(kFieldCount, F_GEHSNR, "GEHAEUS", nullptr, kMdbNo), catalogue_(catalogue) {
    DeclareFields(*this, kFields);
}

} // namespace corvane
