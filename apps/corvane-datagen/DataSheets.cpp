#include "DataSheets.h"

#include "DemoFamilies.h"
#include "TextFormat.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"

#include <cstdlib>

namespace corvane {

namespace {

std::string Millimetres(float value) {
    return FixedText(value, 1) + " mm";
}

} // namespace

std::string SheetFileName(const std::string& sheetNo) {
    std::string name = sheetNo;
    for (char& c : name)
        if (c == '.') c = '_';
    return name + ".pdf";
}

TDataSheet ImpellerSheet(const TMdbLaufrad& table, const TMdbRecord* impeller,
                         const TFamily& family, const std::string& sheetNo) {
    using L = TMdbLaufrad;
    TDataSheet ds;
    ds.FileName = SheetFileName(sheetNo);
    const bool twin = table.IsDoubleInlet(impeller);
    ds.Title = std::string("Laufrad ") + family.Def.TypeText + " " +
               std::to_string(table.GetInt(impeller, L::F_D2NENN)) +
               (twin ? " doppelflutig" : " einflutig");
    ds.Subtitle = "Datenblatt " + sheetNo;
    const float nmax = table.GetFloat(impeller, L::F_MAXDREHZ);
    ds.Rows = {
        {"D2", Millimetres(table.GetFloat(impeller, L::F_D2))},
        {"D1", Millimetres(table.GetFloat(impeller, L::F_D1))},
        {"D0", Millimetres(table.GetFloat(impeller, L::F_D0))},
        {"B2", Millimetres(table.GetFloat(impeller, L::F_B2))},
        {"Bs", Millimetres(table.GetFloat(impeller, L::F_BS))},
        {"Schaufelzahl z", std::to_string(table.GetInt(impeller, L::F_SCHFLZAHL))},
        {"beta1 / beta2", FixedText(table.GetFloat(impeller, L::F_BETA1), 1) + " / " +
                              FixedText(table.GetFloat(impeller, L::F_BETA2), 1) + " Grad"},
        {"Nabe D2n", Millimetres(table.GetFloat(impeller, L::F_D2NABE))},
        {"Einbaubreite", Millimetres(table.GetFloat(impeller, L::F_EINBHOEHE))},
        {"Gewicht", FixedText(table.GetFloat(impeller, L::F_GEWICHT), 1) + " kg"},
        {"max. Drehzahl", nmax > 1 ? FixedText(nmax, 0) + " 1/min" : "ohne Begrenzung"},
        {"Material", table.GetText(impeller, L::F_MATERIAL)},
    };
    ds.Sketch.Kind = TSketchPlan::TKind::Impeller;
    ds.Sketch.Blades = family.Blades;
    ds.Sketch.ForwardCurved = family.Def.Kind == TFanKind::Forward;
    ds.Sketch.RadialBlades = family.Def.Kind == TFanKind::RadialBlade;
    ds.Sketch.InletRatio = family.InletRatio;
    return ds;
}

TDataSheet HousingSheet(const TMdbGehaeuse& table, const TMdbRecord* housing,
                        const std::string& sheetNo) {
    using G = TMdbGehaeuse;
    TDataSheet ds;
    ds.FileName = SheetFileName(sheetNo);
    const std::int32_t form = table.GetInt(housing, G::F_GEHSEFORM);
    ds.Title = "Gehäuse Baugröße " + std::to_string(table.GetInt(housing, G::F_BAUGROESSE)) +
               ", Form " + G::FormText(form, 0);
    ds.Subtitle = "Datenblatt " + sheetNo;
    ds.Rows = {
        {"D2", Millimetres(table.GetFloat(housing, G::F_D2))},
        {"A", Millimetres(table.GetFloat(housing, G::F_A))},
        {"H", Millimetres(table.GetFloat(housing, G::F_H))},
        {"C (Ausblashöhe)", Millimetres(table.GetFloat(housing, G::F_C))},
        {"E (Ausblasbreite)", Millimetres(table.GetFloat(housing, G::F_E))},
        {"B", Millimetres(table.GetFloat(housing, G::F_B))},
        {"DE1", Millimetres(table.GetFloat(housing, G::F_DE1))},
        {"R1 / R8", FixedText(table.GetFloat(housing, G::F_R1), 1) + " / " +
                        FixedText(table.GetFloat(housing, G::F_R8), 1) + " mm"},
        {"Blechdicke S1", Millimetres(table.GetFloat(housing, G::F_S1))},
        {"Axialspalt U", Millimetres(table.GetFloat(housing, G::F_U))},
    };
    ds.Sketch.Kind = TSketchPlan::TKind::Housing;
    ds.Sketch.Angle = std::atoi(table.GetText(housing, G::F_OEFFWKL).c_str());
    ds.Sketch.Form = form;
    return ds;
}

} // namespace corvane
