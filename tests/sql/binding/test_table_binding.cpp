// The SQL binding of a table against real databases: SQLite always, PostgreSQL when the
// test script has started a server.
#include "../../core/mdb/MdbTestTable.h"
#include "ProcessStateGuard.h"
#include "SqlTestDatabase.h"
#include "mdb/EMdbError.h"
#include "mdb/TMessage.h"

#include <functional>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::TSqlTestDatabase;
using test::TTestTable;
using TBackend = TSqlTestDatabase::TBackend;

class TRecordedMessages : public TMessage {
public:
    TRecordedMessages() { Install(this); }
    void Show(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;

private:
    test::TProcessStateGuard guard_; // puts the previous handler back
};

// Passes everything on; before the n-th Execute it runs `cut` (which loses the connection
// or raises), as a database that goes away in the middle of a write.
class TBreakingQuery : public TMdbQuery {
public:
    TBreakingQuery(TMdbQuery& inner, int breakAt, std::function<void()> cut)
        : inner_(inner), breakAt_(breakAt), cut_(std::move(cut)) {}
    void Prepare(const std::string& sql) override { inner_.Prepare(sql); }
    const std::string& Statement() const override { return inner_.Statement(); }
    void SetParam(const std::string& n, const TMdbVariant& v) override { inner_.SetParam(n, v); }
    int Execute() override {
        if (++executed_ == breakAt_) cut_();
        return inner_.Execute();
    }
    void Open() override { inner_.Open(); }
    bool Next() override { return inner_.Next(); }
    int ColumnCount() const override { return inner_.ColumnCount(); }
    std::string ColumnName(int c) const override { return inner_.ColumnName(c); }
    TSqlValue Value(int c) const override { return inner_.Value(c); }
    void Close() noexcept override { inner_.Close(); }
    bool InTransaction() const override { return inner_.InTransaction(); }
    void BeginTransaction() override { inner_.BeginTransaction(); }
    void Commit() override { inner_.Commit(); }
    void Rollback() noexcept override { inner_.Rollback(); }
    const std::string& LastError() const override { return inner_.LastError(); }

private:
    TMdbQuery& inner_;
    int breakAt_;
    int executed_ = 0;
    std::function<void()> cut_;
};

class TableBinding : public ::testing::TestWithParam<TBackend> {
protected:
    void SetUp() override {
        const std::string why = TSqlTestDatabase::Unavailable(GetParam());
        if (!why.empty()) GTEST_SKIP() << why;
        database_ = std::make_unique<TSqlTestDatabase>(GetParam());
        query_ = database_->Connect();
    }

    // Three records with every kind of value, saved.
    void Fill(TTestTable& t) {
        TMdbRecord* a = t.Add(1, 0.1f, std::string(255, 'x'));
        t.SetInt(a, t.fDate, 45000);
        t.SetInt(a, t.fCode, 2);
        t.Add(7, -1.0f, "Gehäuse ´eta´ Ж");
        TMdbRecord* c = t.Add(-3, 3.4028235e38f, "");
        t.SetInt(c, t.fCode, -2147483647);
        t.RebuildIndex(false);
    }

    // Key -> every stored value as text, for comparing two tables.
    static std::map<int, std::string> Contents(const TTestTable& t) {
        std::map<int, std::string> rows;
        for (int i = 0; i < t.KeyIndexCount(); ++i) {
            const TMdbRecord* r = t.KeyRecord(i);
            char flow[32];
            std::snprintf(flow, sizeof flow, "%.9g", t.GetFloat(r, t.fFlow));
            rows[t.Key(r)] = std::string(flow) + "|" + std::to_string(t.GetInt(r, t.fDate)) + "|" +
                             t.GetText(r, t.fName) + "|" + std::to_string(t.GetInt(r, t.fCode));
        }
        return rows;
    }

    std::map<int, std::string> Reload() {
        TTestTable back;
        back.SetQuery(query_.get());
        EXPECT_TRUE(back.LoadFromDatabase(""));
        return Contents(back);
    }

    std::unique_ptr<TSqlTestDatabase> database_;
    std::unique_ptr<TQtSqlQuery> query_;
};

TEST_P(TableBinding, SavedRecordsLoadBackExactlyAndNumberOn) {
    TTestTable t;
    t.SetQuery(query_.get());
    EXPECT_EQ(t.NextKey(), 1) << "no relational table yet";
    Fill(t);
    t.SaveToDatabase(); // creates the relational table
    EXPECT_EQ(t.NextKey(), 8);

    EXPECT_EQ(Reload(), Contents(t));

    TTestTable back;
    back.SetQuery(query_.get());
    ASSERT_TRUE(back.LoadFromDatabase(" WHERE NR>0"));
    EXPECT_EQ(back.KeyIndexCount(), 2);
    EXPECT_EQ(back.GetText(back.FindByKey(7), back.fName), "Gehäuse ´eta´ Ж");

    // Saving again replaces the rows.
    t.FreeRecord(t.FindByKey(1), true);
    t.SaveToDatabase();
    EXPECT_EQ(Reload().size(), 2u);
}

TEST_P(TableBinding, StoreRecordUpdatesOrInsertsAndReportsFailure) {
    TTestTable t;
    t.SetQuery(query_.get());
    Fill(t);
    t.SaveToDatabase();
    t.SetText(t.FindByKey(7), t.fName, "neu");
    t.StoreRecord(t.FindByKey(7), true, true); // updates
    TMdbRecord* fresh = t.Add(t.NextKey(), 2.5f, "eingefügt");
    t.StoreRecord(fresh, true, true); // no row to update: inserted
    const auto rows = Reload();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_NE(rows.at(7).find("|neu|"), std::string::npos);
    EXPECT_NE(rows.at(8).find("eingefügt"), std::string::npos);

    // A database that refuses the insert: the caller hears of it, nothing is stored.
    query_->Run("DROP TABLE TESTTAB");
    query_->Run("CREATE TABLE TESTTAB (NR INTEGER PRIMARY KEY CHECK (NR < 100), FLOW REAL, "
                "DATUM INTEGER, NAME TEXT, ART INTEGER)");
    TTestTable other;
    other.SetQuery(query_.get());
    TMdbRecord* big = other.Add(500, 1, "zu groß");
    EXPECT_THROW(other.StoreRecord(big, true, true), EMdbError);
    EXPECT_FALSE(query_->LastError().empty());
    EXPECT_TRUE(Reload().empty());
}

// A save that fails half-way, on a key constraint or because the connection is lost,
// leaves the rows as they were.
TEST_P(TableBinding, SaveIsAllOrNothing) {
    TTestTable t;
    t.SetQuery(query_.get());
    Fill(t);
    t.SaveToDatabase();
    const auto before = Reload();

    t.SetText(t.FindByKey(1), t.fName, "geändert");
    t.Add(7, 1, "doppelt");
    t.RebuildIndex(false);
    EXPECT_THROW(t.SaveToDatabase(), EMdbError);
    EXPECT_EQ(Reload(), before);

    auto victim = database_->Connect();
    std::function<void()> cut;
    std::unique_ptr<TQtSqlQuery> killer;
    if (GetParam() == TBackend::Postgres) {
        killer = database_->Connect();
        const int pid = TSqlTestDatabase::BackendPid(*victim);
        cut = [&killer, pid] {
            killer->Run("SELECT pg_terminate_backend(" + std::to_string(pid) + ")");
        };
    } else {
        cut = [] { throw EMdbError("connection lost"); };
    }
    // The table check, the delete-all and the first insert pass; the second insert fails.
    TBreakingQuery breaking(*victim, 4, cut);
    TTestTable changed;
    changed.SetQuery(&breaking);
    changed.Add(50, 1, "a");
    changed.Add(51, 2, "b");
    changed.RebuildIndex(false);
    EXPECT_THROW(changed.SaveToDatabase(), EMdbError);
    EXPECT_EQ(Reload(), before);
}

TEST_P(TableBinding, DeleteDropAndFailedLoad) {
    TRecordedMessages messages;
    TTestTable t;
    t.SetQuery(query_.get());
    Fill(t);
    t.SaveToDatabase();
    t.DeleteRecord(t.FindByKey(7));
    EXPECT_EQ(t.FindByKey(7), nullptr);
    EXPECT_EQ(Reload().count(7), 0u);
    EXPECT_EQ(Reload().size(), 2u);

    t.DropDatabaseTable();
    EXPECT_EQ(t.NextKey(), 1) << "errors of NextKey count as an empty table";
    EXPECT_FALSE(t.LoadFromDatabase(""));
    EXPECT_EQ(t.RecordCount(), 0);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Fehler beim Laden von TESTTAB"});
    EXPECT_THROW(t.DropDatabaseTable(), EMdbError);
}

// Columns are matched by name; NULLs, texts in number columns, ISO date texts and columns
// without a field are read as the field types say.
TEST_P(TableBinding, ForeignColumnsAreReadByTheFieldTypes) {
    query_->Run("CREATE TABLE TESTTAB (EXTRA TEXT, NAME TEXT, DATUM TEXT, NR BIGINT, "
                "FLOW TEXT, ART TEXT)");
    query_->Run("INSERT INTO TESTTAB VALUES ('x', 'Anna', '2023-03-01', 4, '2,5', '3')");
    query_->Run("INSERT INTO TESTTAB VALUES (NULL, NULL, '45000.4', 5, NULL, NULL)");
    query_->Run("INSERT INTO TESTTAB VALUES ('y', 'Bert', 'gestern', 99999999999, 'viel', "
                "'drei')");
    TTestTable t;
    t.SetQuery(query_.get());
    ASSERT_TRUE(t.LoadFromDatabase(""));
    ASSERT_EQ(t.KeyIndexCount(), 3);
    const TMdbRecord* a = t.FindByKey(4);
    EXPECT_EQ(t.GetText(a, t.fName), "Anna");
    EXPECT_EQ(t.GetInt(a, t.fDate), 44986); // 1 March 2023
    EXPECT_FLOAT_EQ(t.GetFloat(a, t.fFlow), 2.5f);
    EXPECT_EQ(t.GetInt(a, t.fCode), 3);
    const TMdbRecord* b = t.FindByKey(5);
    EXPECT_EQ(t.GetText(b, t.fName), "");
    EXPECT_EQ(t.GetInt(b, t.fDate), 45000);
    EXPECT_EQ(t.GetFloat(b, t.fFlow), 0.0f);
    const TMdbRecord* c = t.FindByKey(2147483647); // clamped into the integer range
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(t.GetInt(c, t.fDate), 0);
    EXPECT_EQ(t.GetInt(c, t.fCode), 0) << "a text that is no integer reads as 0";
    EXPECT_EQ(t.GetText(c, t.fName), "Bert") << "the row goes on after a bad value";
}

INSTANTIATE_TEST_SUITE_P(Backends, TableBinding,
                         ::testing::Values(TBackend::Sqlite, TBackend::Postgres),
                         [](const auto& backend) {
                             return std::string(test::BackendName(backend.param));
                         });

} // namespace
} // namespace corvane
