#include "MdbTestTable.h"
#include "mdb/MdbSqlText.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::TTestTable;

// Calculated fields, a transient float and fields without a key take no part in SQL.
TEST(MdbSqlText, StatementsOfATableWithOneKeyField) {
    TTestTable t;
    t.AddField(ftString, 0, 10, 0, 0, "", "ohne Schlüssel", "", 0);
    EXPECT_EQ(mdb_sql::Select(t, " WHERE NR=3"), "SELECT * FROM TESTTAB WHERE NR=3");
    EXPECT_EQ(mdb_sql::Select(t, ""), "SELECT * FROM TESTTAB");
    EXPECT_EQ(mdb_sql::Drop(t), "DROP TABLE TESTTAB");
    EXPECT_EQ(mdb_sql::MaxKey(t), "SELECT MAX(NR) FROM TESTTAB");
    EXPECT_EQ(mdb_sql::DeleteAll(t), "DELETE FROM TESTTAB");
    EXPECT_EQ(mdb_sql::Update(t), "UPDATE TESTTAB SET NR=:NR,FLOW=:FLOW,DATUM=:DATUM,NAME=:NAME,"
                                  "ART=:ART WHERE NR=:NR_KEY");
    EXPECT_EQ(mdb_sql::Insert(t), "INSERT INTO TESTTAB (NR,FLOW,DATUM,NAME,ART) VALUES "
                                  "(:NR,:FLOW,:DATUM,:NAME,:ART )");
    EXPECT_EQ(mdb_sql::Delete(t), "DELETE FROM TESTTAB WHERE NR=:NR");
    EXPECT_EQ(mdb_sql::Create(t), "CREATE TABLE IF NOT EXISTS TESTTAB (NR INTEGER,FLOW REAL,"
                                  "DATUM INTEGER,NAME TEXT,ART INTEGER,PRIMARY KEY (NR))");
}

TEST(MdbSqlText, TwoKeyFieldsAreJoinedWithAnd) {
    TMdb t(10, 3, "PUNKTE", nullptr, 5);
    t.AddField(ftInteger, -1, 0, 0, 0, "messnr", "Mess-Nr.", "", 0);
    t.AddField(ftCalcText, -1, 0, 0, 0, "", "Text", "", 0);
    t.AddField(ftInteger, -1, 0, 0, 0, "mwnr", "Nr.", "", 0);
    t.AddField(ftFloat, -1, 2, 0, 0, "v", "V", "", 11);
    EXPECT_EQ(mdb_sql::KeyFields(t), (std::vector<int>{1, 3}));
    EXPECT_EQ(mdb_sql::Delete(t), "DELETE FROM PUNKTE WHERE MESSNR=:MESSNR AND MWNR=:MWNR");
    EXPECT_EQ(mdb_sql::Update(t), "UPDATE PUNKTE SET MESSNR=:MESSNR,MWNR=:MWNR,V=:V WHERE "
                                  "MESSNR=:MESSNR_KEY AND MWNR=:MWNR_KEY");
    EXPECT_EQ(mdb_sql::Create(t), "CREATE TABLE IF NOT EXISTS PUNKTE (MESSNR INTEGER,"
                                  "MWNR INTEGER,V REAL,PRIMARY KEY (MESSNR,MWNR))");
}

} // namespace
} // namespace corvane
