// Declarations of the reference tables (customers, orders, motors, pictures, texts) and their
// code and calculated texts.

#include "ProcessStateGuard.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbAuftrag.h"
#include "catalogue/TMdbBild.h"
#include "catalogue/TMdbKunde.h"
#include "catalogue/TMdbMotor.h"
#include "catalogue/TMdbTexte.h"
#include "i18n/Language.h"

#include <gtest/gtest.h>
#include <string>

using namespace corvane;

namespace {

// "KEY:type" of every field, joined by blanks.
std::string Layout(const TMdb& table) {
    std::string text;
    for (int f = 1; f <= table.FieldCount(); ++f)
        text += (f > 1 ? " " : "") + table.Field(f).Key + ":" +
                std::to_string(table.Field(f).FieldType);
    return text;
}

} // namespace

TEST(RefTablesFields, Declarations) {
    const TMdbKunde customers;
    const TMdbAuftrag orders;
    const TMdbMotor motors;
    const TMdbBild pictures;
    const TMdbTexte texts;
    EXPECT_EQ(Layout(customers), "KUNDENNR:0 NAME:3 STRASSE:3 PLZ:3 ORT:3 LAND:3 TEL:3 FAX:3 "
                                 "ANSPRPARTN:3 EMAIL:3 ERSTDATUM:2 AENDDATUM:2");
    EXPECT_EQ(Layout(orders), "AUFTRAGSNR:0 KUNDENNR:0 :5 ZEIT_SOLL:1 BEARBEITER:3 INFOTEXT:3 "
                              "ERSTDATUM:2 AENDDATUM:2");
    EXPECT_EQ(Layout(motors), "MOTORNR:0 MOTORBEZ:3 HERSTELLER:3 FREQUENZ:1 NENNSPG:1 "
                              "NENNSTROM:1 AUFNLEIST:1 NENNDREHZA:1 COS_PHI:1 INFOTEXT:3 "
                              "MOTORTYP:4 SERIENNR:3 ERSTDATUM:2 AENDDATUM:2");
    EXPECT_EQ(Layout(pictures), "BILDNR:0 BILDBEZ:3 PICS:3 PICB:3");
    EXPECT_EQ(Layout(texts), "TEXTNR:0 TEXTINHALT:3");

    EXPECT_EQ(customers.MdbNo(), 1003u);
    EXPECT_EQ(orders.MdbNo(), 1001u);
    EXPECT_EQ(motors.MdbNo(), 1007u);
    EXPECT_EQ(pictures.MdbNo(), 1008u);
    EXPECT_EQ(texts.MdbNo(), 1010u);
    EXPECT_EQ(orders.TableName(), "AUFTRAG");
    EXPECT_EQ(orders.SlotCount(), 7); // the customer name is calculated

    EXPECT_EQ(customers.Field(TMdbKunde::F_NAME).MinValue, 1);
    EXPECT_EQ(customers.Field(TMdbKunde::F_NAME).MaxValue, 2147483648.0f);
    EXPECT_EQ(orders.Field(TMdbAuftrag::F_ZEIT_SOLL).Quantity, 19);
    EXPECT_EQ(motors.Field(TMdbMotor::F_NENNDREHZA).Quantity, 5);
    EXPECT_EQ(motors.Field(TMdbMotor::F_COS_PHI).MaxValue, 1.0f);
    EXPECT_EQ(pictures.Field(TMdbBild::F_BILDNR).MinValue, 0);
    // Default columns: all but the motor number and the two picture file names.
    EXPECT_EQ(customers.ColumnCount(), 12);
    EXPECT_EQ(motors.ColumnCount(), 13);
    EXPECT_EQ(pictures.ColumnCount(), 2);
}

TEST(RefTablesFields, CaptionsAndCodeTexts) {
    const TMdbMotor motors;
    const TMdbField& bez = motors.Field(TMdbMotor::F_MOTORBEZ);
    EXPECT_EQ(bez.Caption[0], "Motor-Bezeichnung");
    EXPECT_EQ(bez.Caption[1], "motor designation");
    EXPECT_EQ(bez.Caption[2], "motor designation"); // English serves Russian too
    EXPECT_EQ(motors.Field(TMdbMotor::F_COS_PHI).Caption[2], "cos(´phi´)");
    EXPECT_EQ(TMdbKunde().Field(TMdbKunde::F_AENDDATUM).Caption[1], "Änd.-Datum");

    TMdbMotor table;
    TMdbRecord* motor = table.NewRecord();
    table.SetInt(motor, TMdbMotor::F_MOTORTYP, 5);
    EXPECT_EQ(table.GetFieldText(motor, TMdbMotor::F_MOTORTYP), "Drehstrom");
    const test::TProcessStateGuard guard;
    SetTextLanguage(2);
    EXPECT_EQ(table.GetFieldText(motor, TMdbMotor::F_MOTORTYP), "Трехфазный ток");
    EXPECT_EQ(TMdbBild().BrowserCaption(), "Изображение");
    SetTextLanguage(0);
    for (int code : {9, -1, 7}) { // outside 0..6: code 0
        table.SetInt(motor, TMdbMotor::F_MOTORTYP, code);
        EXPECT_EQ(table.GetFieldText(motor, TMdbMotor::F_MOTORTYP), "????");
    }
    EXPECT_NE(TMdbMotor::MotorTypeText(4, 2), TMdbMotor::MotorTypeText(3, 2));
    EXPECT_EQ(TMdbMotor::MotorTypeText(3, 1), "AC w/o condenser");
    EXPECT_EQ(TMdbBild::DialogCaption(true, 1), "show picture");
    EXPECT_EQ(TMdbBild::DialogCaption(false, 0), "Bild bearbeiten");
}

TEST(RefTablesFields, OrderShowsCustomerName) {
    TCatalogue cat;
    TMdbKunde& customers = cat.Kunde();
    TMdbRecord* customer = customers.NewRecord();
    customers.SetInt(customer, TMdbKunde::F_KUNDENNR, 4);
    customers.SetText(customer, TMdbKunde::F_NAME, "Lüfterbau Nord");
    customers.RebuildIndex(false);

    TMdbAuftrag& orders = cat.Auftrag();
    TMdbRecord* order = orders.NewRecord();
    orders.SetInt(order, TMdbAuftrag::F_KUNDENNR, 4);
    EXPECT_EQ(orders.GetFieldText(order, TMdbAuftrag::F_KUNDENNAME), "Lüfterbau Nord");
    orders.SetInt(order, TMdbAuftrag::F_KUNDENNR, 5);
    EXPECT_EQ(orders.GetFieldText(order, TMdbAuftrag::F_KUNDENNAME), "");
    // An order whose customer was removed.
    orders.SetInt(order, TMdbAuftrag::F_KUNDENNR, 4);
    customers.FreeRecord(customer, true);
    EXPECT_EQ(orders.GetFieldText(order, TMdbAuftrag::F_KUNDENNAME), "");
}
