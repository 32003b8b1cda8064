// Rules of the reference tables: delete guards and confirmations, new records, change dates
// and the uniqueness checks of the edit dialogs.

#include "ProcessStateGuard.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbAuftrag.h"
#include "catalogue/TMdbKunde.h"
#include "catalogue/TMdbMotor.h"
#include "catalogue/TMdbTexte.h"
#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"
#include "measurements/TMdbMessung.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace corvane;

namespace {

class AnsweringConfirmation : public TConfirmation {
public:
    bool Confirm(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    bool answer = true;
    std::vector<std::string> questions;
};

TMdbRecord* Add(TMdb& table, int field, std::int32_t value) {
    TMdbRecord* record = table.NewRecord();
    table.SetInt(record, field, value);
    table.RebuildIndex(false);
    return record;
}

// The message of the EMdbError that `action` raises, or "" when it raises none.
std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EMdbError& e) {
        return e.what();
    }
    return "";
}

class RefTablesRules : public ::testing::Test {
protected:
    void SetUp() override { TConfirmation::Install(&confirm); }
    test::TProcessStateGuard guard;
    TCatalogue cat;
    AnsweringConfirmation confirm;
};

} // namespace

TEST_F(RefTablesRules, CustomerAndOrderDeletion) {
    TMdbKunde& customers = cat.Kunde();
    TMdbAuftrag& orders = cat.Auftrag();
    TMdbRecord* used = Add(customers, TMdbKunde::F_KUNDENNR, 5);
    TMdbRecord* unused = Add(customers, TMdbKunde::F_KUNDENNR, 6);
    TMdbRecord* order = Add(orders, TMdbAuftrag::F_AUFTRAGSNR, 30);
    orders.SetInt(order, TMdbAuftrag::F_KUNDENNR, 5);

    EXPECT_EQ(ErrorOf([&] { customers.DeleteRecord(used); }),
              "Dieser Kunde wird noch in einem Auftrag verwendet!");
    EXPECT_TRUE(confirm.questions.empty()); // refused before asking

    confirm.answer = false; // Cancel: silently nothing
    customers.DeleteRecord(unused);
    EXPECT_EQ(confirm.questions, std::vector<std::string>{"Kunde Nr.6 löschen ?"});
    EXPECT_EQ(customers.FindByKey(6), unused);
    confirm.answer = true;
    customers.DeleteRecord(unused);
    EXPECT_EQ(customers.FindByKey(6), nullptr);

    // An order is in use while a measurement series names it.
    TMdbMessung& series = cat.Messung();
    TMdbRecord* s = Add(series, TMdbMessung::F_MESSNR, 100);
    series.SetInt(s, TMdbMessung::F_AUFTRAGSNR, 30);
    EXPECT_EQ(ErrorOf([&] { orders.DeleteRecord(order); }),
              "Dieser Auftrag wird noch in einer Messung verwendet!");
    series.SetInt(s, TMdbMessung::F_AUFTRAGSNR, 31);
    confirm.questions.clear();
    orders.DeleteRecord(order);
    EXPECT_EQ(confirm.questions, std::vector<std::string>{"Auftrag Nr.30 löschen ?"});
    // With the order gone the customer is free.
    customers.DeleteRecord(used);
    EXPECT_EQ(orders.RecordCount() + customers.RecordCount(), 0);
}

TEST_F(RefTablesRules, MotorAndTextDeletion) {
    TMdbMotor& motors = cat.Motor();
    TMdbRecord* motor = Add(motors, TMdbMotor::F_MOTORNR, 2);
    motors.SetText(motor, TMdbMotor::F_MOTORBEZ, "EC 80/4");
    TMdbRecord* s = Add(cat.Messung(), TMdbMessung::F_MESSNR, 7);
    cat.Messung().SetInt(s, TMdbMessung::F_MOTORNR, 2);
    EXPECT_EQ(ErrorOf([&] { motors.DeleteRecord(motor); }),
              "Dieser Motor wird noch in einer Messung verwendet!");
    cat.Messung().SetInt(s, TMdbMessung::F_MOTORNR, 0);
    motors.DeleteRecord(motor);
    // A motor numbered 0 is not "in use" by the series that have no motor.
    motors.DeleteRecord(Add(motors, TMdbMotor::F_MOTORNR, 0));
    EXPECT_EQ(motors.RecordCount(), 0);

    cat.Texte().DeleteRecord(Add(cat.Texte(), TMdbTexte::F_TEXTNR, 7));
    EXPECT_EQ(confirm.questions,
              (std::vector<std::string>{"Motor EC 80/4 löschen ?", "Motor  löschen ?",
                                        "Text Nr.7 löschen ?"}));
    EXPECT_EQ(cat.Texte().RecordCount(), 0);
}

TEST_F(RefTablesRules, NewRecordsAndChangeDates) {
    constexpr std::int32_t today = 45000;
    TMdbKunde& customers = cat.Kunde();
    Add(customers, TMdbKunde::F_KUNDENNR, 41);
    TMdbRecord* created = customers.CreateRecord(today);
    EXPECT_EQ(customers.GetInt(created, TMdbKunde::F_KUNDENNR), 42);
    EXPECT_EQ(customers.GetInt(created, TMdbKunde::F_ERSTDATUM), today);
    // Stored on the day of creation: no change date; on a later day: that day.
    customers.StampChangeDate(created, today);
    EXPECT_EQ(customers.GetInt(created, TMdbKunde::F_AENDDATUM), 0);
    customers.StampChangeDate(created, today + 3);
    EXPECT_EQ(customers.GetInt(created, TMdbKunde::F_AENDDATUM), today + 3);
    EXPECT_EQ(cat.Texte().GetInt(cat.Texte().CreateRecord(), TMdbTexte::F_TEXTNR), 1);

    // A stored new motor draws its number afresh; its own provisional number does not count.
    TMdbMotor& motors = cat.Motor();
    Add(motors, TMdbMotor::F_MOTORNR, 3);
    TMdbRecord* motor = motors.CreateRecord(today);
    motors.SetInt(motor, TMdbMotor::F_MOTORNR, 90);
    motors.AssignNewNumber(motor);
    EXPECT_EQ(motors.GetInt(motor, TMdbMotor::F_MOTORNR), 4);
}

TEST_F(RefTablesRules, UniquenessChecks) {
    TMdbKunde& customers = cat.Kunde();
    TMdbRecord* existing = Add(customers, TMdbKunde::F_KUNDENNR, 5);
    TMdbRecord* fresh = customers.CreateRecord(1);
    customers.RebuildIndex(false);
    EXPECT_EQ(ErrorOf([&] { customers.CheckNewNumber(fresh, 5); }),
              "Diese Kunden-Nr. existiert schon!");
    EXPECT_EQ(ErrorOf([&] { customers.CheckNewNumber(fresh, 7); }), "");
    EXPECT_EQ(ErrorOf([&] { customers.CheckNewNumber(existing, 5); }), ""); // its own number
    EXPECT_EQ(customers.GetInt(existing, TMdbKunde::F_KUNDENNR), 5);
    Add(cat.Auftrag(), TMdbAuftrag::F_AUFTRAGSNR, 8);
    EXPECT_EQ(ErrorOf([&] { cat.Auftrag().CheckNewNumber(nullptr, 8); }),
              "Diese Auftrags-Nr. existiert schon!");

    // Motor designations compare without regard to case, ignoring the motor itself.
    TMdbMotor& motors = cat.Motor();
    TMdbRecord* motor = Add(motors, TMdbMotor::F_MOTORNR, 1);
    motors.SetText(motor, TMdbMotor::F_MOTORBEZ, "Ec 80/4");
    TMdbRecord* other = Add(motors, TMdbMotor::F_MOTORNR, 2);
    EXPECT_EQ(ErrorOf([&] { motors.CheckNewDesignation(other, "EC 80/4"); }),
              "Dieser Motor existiert schon!");
    EXPECT_EQ(ErrorOf([&] { motors.CheckNewDesignation(motor, "EC 80/4"); }), "");
}
