#include "ReferenceTables.h"

#include "Random.h"
#include "TextFormat.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbAuftrag.h"
#include "catalogue/TMdbBild.h"
#include "catalogue/TMdbDuese.h"
#include "catalogue/TMdbKunde.h"
#include "catalogue/TMdbMotor.h"
#include "catalogue/TMdbTexte.h"

#include <array>
#include <cmath>

namespace corvane {

namespace {

struct TCustomerDef {
    const char* Name;
    const char* Street;
    const char* Zip;
    const char* City;
    const char* Country;
    const char* Contact;
};

const std::array<TCustomerDef, 12> kCustomers = {{
    {"Nordwind Klimatechnik GmbH", "Hafenstraße 12", "24103", "Kiel", "Deutschland",
     "Hr. Petersen"},
    {"Alpenluft Anlagenbau AG", "Seestrasse 88", "8002", "Zürich", "Schweiz", "Fr. Baumann"},
    {"Rheinauer Trocknungstechnik", "Industriering 4", "68219", "Mannheim", "Deutschland",
     "Hr. Öztürk"},
    {"Baltic Ventilation Oy", "Satamakatu 3", "00160", "Helsinki", "Finnland", "Mr. Virtanen"},
    {"Donau Filterbau GmbH", "Lände 17", "4020", "Linz", "Österreich", "Hr. Gruber"},
    {"Havel Kühlturmbau KG", "Am Wasser 5", "14467", "Potsdam", "Deutschland", "Fr. Lehmann"},
    {"Saar Prozessluft GmbH", "Hüttenweg 21", "66111", "Saarbrücken", "Deutschland", "Hr. Schäfer"},
    {"Severnyj Veter OOO", "ul. Lesnaja 9", "190000", "Sankt-Peterburg", "Russland", "Hr. Smirnow"},
    {"Kaltluft Systeme GmbH", "Gewerbepark 2", "01067", "Dresden", "Deutschland", "Fr. Krause"},
    {"Maasvent B.V.", "Kade 140", "6211", "Maastricht", "Niederlande", "Mr. de Vries"},
    {"Weser Stalltechnik", "Marschweg 33", "27568", "Bremerhaven", "Deutschland", "Hr. Janssen"},
    {"Brask Entwicklung", "Werkstraße 1", "34117", "Kassel", "Deutschland", "Fr. Brask"},
}};

const std::array<const char*, 5> kEditors = {"HK", "MS", "AB", "TW", "JR"};

struct TTextDef {
    std::int32_t No;
    const char* Text;
};

const std::array<TTextDef, 14> kTexts = {{
    {1, "Messung i.O."},
    {2, "Wiederholungsmessung"},
    {3, "Ansaugseite frei"},
    {4, "mit Berührungsschutz"},
    {5, "ohne Einströmdüse"},
    {6, "Kammer geschlossen"},
    {TReferenceTables::kTorqueSmall, "Drehmomentwelle 20 Nm"},
    {TReferenceTables::kTorqueMedium, "Drehmomentwelle 100 Nm"},
    {TReferenceTables::kTorqueLarge, "Drehmomentwelle 500 Nm"},
    {TReferenceTables::kPowerThreePhase, "Leistungsmesser 3~"},
    {TReferenceTables::kPowerSinglePhase, "Leistungsmesser 1~"},
    {TReferenceTables::kSoundMeter, "Schallpegelmesser Kl.1"},
    {202, "Hallraum Einzelmikrofon"},
    {TReferenceTables::kThreeMicrophones, "Hallraum 3 Mikrofone"},
}};

const char* MotorPrefix(int type) {
    switch (type) {
    case 1:
        return "GM";
    case 2:
        return "EC";
    case 3:
        return "ES";
    case 4:
        return "EK";
    case 5:
        return "DS";
    default:
        return "SO";
    }
}

std::string KilowattText(double watt) {
    std::string text = FixedText(watt / 1000, watt < 1000 ? 2 : 1);
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

} // namespace

TReferenceTables::TReferenceTables(TCatalogue& catalogue, TRandom& random, std::int32_t baseDay,
                                   TDemoContent& content)
    : catalogue_(catalogue), random_(random), baseDay_(baseDay), content_(content) {}

std::int32_t TReferenceTables::SomeDay() {
    return baseDay_ + random_.Int(0, 1500);
}

void TReferenceTables::BuildFixed() {
    TMdbTexte& texts = catalogue_.Texte();
    for (const TTextDef& t : kTexts) {
        TMdbRecord* r = texts.NewRecord();
        texts.SetInt(r, TMdbTexte::F_TEXTNR, t.No);
        texts.SetText(r, TMdbTexte::F_TEXTINHALT, t.Text);
    }

    TMdbKunde& customers = catalogue_.Kunde();
    std::int32_t no = 0;
    for (const TCustomerDef& c : kCustomers) {
        TMdbRecord* r = customers.NewRecord();
        ++no;
        customers.SetInt(r, TMdbKunde::F_KUNDENNR, no);
        customers.SetText(r, TMdbKunde::F_NAME, c.Name);
        customers.SetText(r, TMdbKunde::F_STRASSE, c.Street);
        customers.SetText(r, TMdbKunde::F_PLZ, c.Zip);
        customers.SetText(r, TMdbKunde::F_ORT, c.City);
        customers.SetText(r, TMdbKunde::F_LAND, c.Country);
        const std::string phone = "+49 " + ZeroPadded(random_.Int(100, 999), 3) + " " +
                                  ZeroPadded(random_.Int(10000, 99999), 6);
        customers.SetText(r, TMdbKunde::F_TEL, phone);
        customers.SetText(r, TMdbKunde::F_FAX, phone.substr(0, phone.size() - 2) + "99");
        customers.SetText(r, TMdbKunde::F_ANSPRPARTN, c.Contact);
        customers.SetText(r, TMdbKunde::F_EMAIL, "info@kunde" + std::to_string(no) + ".example");
        const std::int32_t created = SomeDay();
        customers.SetInt(r, TMdbKunde::F_ERSTDATUM, created);
        if (random_.Chance(0.5))
            customers.SetInt(r, TMdbKunde::F_AENDDATUM, created + random_.Int(1, 300));
    }

    TMdbAuftrag& orders = catalogue_.Auftrag();
    orderCount_ = 30;
    for (std::int32_t o = 1; o <= orderCount_; ++o) {
        TMdbRecord* r = orders.NewRecord();
        orders.SetInt(r, TMdbAuftrag::F_AUFTRAGSNR, 2000 + o);
        orders.SetInt(r, TMdbAuftrag::F_KUNDENNR, random_.Int(1, no));
        orders.SetFloat(r, TMdbAuftrag::F_ZEIT_SOLL, 4 * random_.Int(2, 30));
        orders.SetText(r, TMdbAuftrag::F_BEARBEITER,
                       kEditors[static_cast<std::size_t>(random_.Int(0, 4))]);
        orders.SetText(r, TMdbAuftrag::F_INFOTEXT,
                       o % 3 == 0 ? "Katalogmessungen Baureihe" : "Kennlinienmessung nach Auftrag");
        const std::int32_t created = SomeDay();
        orders.SetInt(r, TMdbAuftrag::F_ERSTDATUM, created);
        if (random_.Chance(0.4))
            orders.SetInt(r, TMdbAuftrag::F_AENDDATUM, created + random_.Int(1, 200));
    }
}

std::int32_t TReferenceTables::SomeOrder(float& serial) {
    const std::int32_t order = 2000 + random_.Int(1, orderCount_);
    serial = (orderSerials_[order] += 1);
    return order;
}

std::int32_t TReferenceTables::Motor(int type, double ratedPower, int poles) {
    const auto key = std::make_tuple(type, static_cast<int>(std::lround(ratedPower)), poles);
    if (const auto it = motors_.find(key); it != motors_.end()) return it->second;

    TMdbMotor& motors = catalogue_.Motor();
    const auto no = static_cast<std::int32_t>(motors_.size() + 1);
    TMdbRecord* r = motors.NewRecord();
    motors.SetInt(r, TMdbMotor::F_MOTORNR, no);
    motors.SetText(r, TMdbMotor::F_MOTORBEZ,
                   std::string(MotorPrefix(type)) + " " + KilowattText(ratedPower) + " kW " +
                       std::to_string(poles) + "p");
    motors.SetText(r, TMdbMotor::F_HERSTELLER, type == 2 ? "Brask EC" : "Brask Antriebe");
    const bool dc = type == 1;
    const bool threePhase = type == 5;
    const double voltage = dc ? 48 : threePhase ? 400 : 230;
    const double cosPhi = dc ? 1 : ratedPower < 1000 ? 0.76 : 0.84;
    const double eta = ratedPower < 1000 ? 0.78 : 0.87;
    const double current =
        ratedPower / eta / (voltage * cosPhi * (threePhase ? std::sqrt(3.0) : 1.0));
    const double slip = ratedPower < 1000 ? 0.06 : ratedPower < 10000 ? 0.035 : 0.02;
    motors.SetFloat(r, TMdbMotor::F_FREQUENZ, dc ? 0 : 50);
    motors.SetFloat(r, TMdbMotor::F_NENNSPG, voltage);
    motors.SetFloat(r, TMdbMotor::F_NENNSTROM, std::round(current * 100) / 100);
    motors.SetFloat(r, TMdbMotor::F_AUFNLEIST, ratedPower);
    motors.SetFloat(r, TMdbMotor::F_NENNDREHZA,
                    std::round(6000.0 / poles * (type == 2 ? 1 : 1 - slip)));
    motors.SetFloat(r, TMdbMotor::F_COS_PHI, cosPhi);
    motors.SetText(r, TMdbMotor::F_INFOTEXT, threePhase ? "Norm-Motor IE3" : "Prüfstandsmotor");
    motors.SetInt(r, TMdbMotor::F_MOTORTYP, type);
    motors.SetText(r, TMdbMotor::F_SERIENNR, "SN" + ZeroPadded(random_.Int(1, 999999), 6));
    motors.SetInt(r, TMdbMotor::F_ERSTDATUM, SomeDay());
    motors_.emplace(key, no);
    return no;
}

void TReferenceTables::CompleteMotors() {
    Motor(1, 250, 4);
    Motor(2, 370, 4);
    Motor(3, 120, 4);
    Motor(4, 180, 4);
    Motor(5, 1100, 4);
    Motor(6, 750, 2);
}

std::int32_t TReferenceTables::Nozzle(const std::string& kind, int size, double d0) {
    const auto key = std::make_pair(kind, size);
    if (const auto it = nozzles_.find(key); it != nozzles_.end()) return it->second;

    TMdbDuese& nozzles = catalogue_.Duese();
    const auto no = static_cast<std::int32_t>(nozzles_.size() + 1);
    TMdbRecord* r = nozzles.NewRecord();
    const std::string sheet = "D-" + kind + "." + ZeroPadded(size, 4);
    const double da = d0 * (kind == "ED" ? 1.32 : 1.25);
    const double h1 = d0 * 0.28;
    const double t = std::max(1.0, std::round(d0 / 200) + 0.5);
    const double u = kind == "ED" ? std::round(d0 * 0.012 * 10) / 10 : 0;
    nozzles.SetInt(r, TMdbDuese::F_TYPNR, no);
    nozzles.SetText(r, TMdbDuese::F_TYPBEZ, kind);
    nozzles.SetInt(r, TMdbDuese::F_GROESSE, size);
    nozzles.SetText(r, TMdbDuese::F_BLATTNR, sheet);
    nozzles.SetFloat(r, TMdbDuese::F_DA, std::round(da));
    nozzles.SetFloat(r, TMdbDuese::F_DA1, std::round(da * 1.08));
    nozzles.SetFloat(r, TMdbDuese::F_DE1, std::round(d0));
    nozzles.SetFloat(r, TMdbDuese::F_DE2, std::round(d0 * 0.97));
    nozzles.SetFloat(r, TMdbDuese::F_H1, std::round(h1));
    nozzles.SetFloat(r, TMdbDuese::F_T, t);
    nozzles.SetFloat(r, TMdbDuese::F_U, u);
    nozzles_.emplace(key, no);

    TDataSheet ds;
    ds.FileName = "D-" + kind + "_" + ZeroPadded(size, 4) + ".pdf";
    ds.Title = "Einströmdüse " + kind + "/" + std::to_string(size);
    ds.Subtitle = "Datenblatt " + sheet;
    ds.Rows = {{"Da", FixedText(std::round(da), 0) + " mm"},
               {"Da1", FixedText(std::round(da * 1.08), 0) + " mm"},
               {"De1", FixedText(std::round(d0), 0) + " mm"},
               {"De2", FixedText(std::round(d0 * 0.97), 0) + " mm"},
               {"H1", FixedText(std::round(h1), 0) + " mm"},
               {"t", FixedText(t, 2) + " mm"},
               {"u", FixedText(u, 1) + " mm"}};
    ds.Sketch.Kind = TSketchPlan::TKind::Impeller;
    ds.Sketch.Blades = 0;
    ds.Sketch.InletRatio = d0 / da;
    content_.Sheets.push_back(std::move(ds));
    return no;
}

std::int32_t TReferenceTables::ImpellerPicture(const std::string& typeText,
                                               const TSketchPlan& sketch) {
    TMdbBild& pictures = catalogue_.Bild();
    const std::int32_t no = pictures.RecordCount() + 1;
    TMdbRecord* r = pictures.NewRecord();
    const std::string sketchFile = "S" + std::to_string(no) + ".jpg";
    const std::string pictureFile = "B" + std::to_string(no) + ".jpg";
    pictures.SetInt(r, TMdbBild::F_BILDNR, no);
    pictures.SetText(r, TMdbBild::F_BILDBEZ, "Laufrad " + typeText);
    pictures.SetText(r, TMdbBild::F_PICS, sketchFile);
    pictures.SetText(r, TMdbBild::F_PICB, pictureFile);
    TSketchPlan filled = sketch;
    filled.Filled = true;
    content_.Pictures.push_back({sketchFile, sketch});
    content_.Pictures.push_back({pictureFile, filled});
    return no;
}

std::int32_t TReferenceTables::HousingPicture(int form, int angle) {
    const auto key = std::make_pair(form, angle);
    if (const auto it = housingPictures_.find(key); it != housingPictures_.end()) return it->second;
    TMdbBild& pictures = catalogue_.Bild();
    const std::int32_t no = pictures.RecordCount() + 1;
    TMdbRecord* r = pictures.NewRecord();
    const std::string sketchFile = "S" + std::to_string(no) + ".jpg";
    const std::string pictureFile = "B" + std::to_string(no) + ".jpg";
    pictures.SetInt(r, TMdbBild::F_BILDNR, no);
    pictures.SetText(r, TMdbBild::F_BILDBEZ,
                     "Gehäuse Form " + std::to_string(form) + " " + std::to_string(angle) + "°");
    pictures.SetText(r, TMdbBild::F_PICS, sketchFile);
    pictures.SetText(r, TMdbBild::F_PICB, pictureFile);
    TSketchPlan sketch;
    sketch.Kind = TSketchPlan::TKind::Housing;
    sketch.Angle = angle;
    sketch.Form = form;
    TSketchPlan filled = sketch;
    filled.Filled = true;
    content_.Pictures.push_back({sketchFile, sketch});
    content_.Pictures.push_back({pictureFile, filled});
    housingPictures_.emplace(key, no);
    return no;
}

} // namespace corvane
