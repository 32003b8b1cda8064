#include "mdb/EMdbError.h"
#include "sql/TDatabaseUrl.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(DatabaseUrl, AcceptedForms) {
    struct Case {
        const char* url;
        const char* driver;
        const char* database;
        const char* host;
        int port;
        const char* user;
    };
    const Case cases[] = {
        {"sqlite:/data/katalog.db", "QSQLITE", "/data/katalog.db", "", -1, ""},
        {"sqlite:rel/k.db", "QSQLITE", "rel/k.db", "", -1, ""},
        {"postgresql://anna@db.example:5433/katalog", "QPSQL", "katalog", "db.example", 5433,
         "anna"},
        {"postgres://localhost/k", "QPSQL", "k", "localhost", -1, ""},
        {"postgresql://b%40x@[::1]:6000/my%20db", "QPSQL", "my db", "::1", 6000, "b@x"},
    };
    for (const Case& c : cases) {
        const TDatabaseUrl url = TDatabaseUrl::Parse(c.url);
        EXPECT_EQ(url.Driver, c.driver) << c.url;
        EXPECT_EQ(url.Database, c.database) << c.url;
        EXPECT_EQ(url.Host, c.host) << c.url;
        EXPECT_EQ(url.Port, c.port) << c.url;
        EXPECT_EQ(url.User, c.user) << c.url;
    }
    EXPECT_EQ(TDatabaseUrl::Parse("postgresql://anna@h:1/k").Text(), "postgresql://anna@h:1/k");
}

TEST(DatabaseUrl, RefusedForms) {
    for (const char* url :
         {"sqlite:", "mysql://h/k", "postgresql://h:0/k", "postgresql://h:x/k",
          "postgresql://h/k?sslmode=require", "postgresql://[::1/k", "postgresql://h/%4"}) {
        EXPECT_THROW(TDatabaseUrl::Parse(url), EMdbError) << url;
    }
    try {
        TDatabaseUrl::Parse("postgresql://anna:geheim@h/k");
        FAIL();
    } catch (const EMdbError& e) {
        EXPECT_EQ(std::string(e.what()).find("geheim"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("PGPASSWORD"), std::string::npos);
    }
}

} // namespace
} // namespace corvane
