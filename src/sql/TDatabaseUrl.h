#pragma once

#include <string>

namespace corvane {

// Where a catalogue database is: "sqlite:PATH" (the embedded default) or
// "postgresql://user@host:port/dbname" (user, port and database name may be left out).
// A password never appears in a URL: PostgreSQL takes it from PGPASSWORD or ~/.pgpass.
struct TDatabaseUrl {
    std::string Driver;   // Qt SQL driver: "QSQLITE" or "QPSQL"
    std::string Database; // SQLite file, or PostgreSQL database name
    std::string Host;
    int Port = -1; // -1: the driver's default
    std::string User;

    // Raises EMdbError with a clear text for anything else, and for a URL with a password.
    static TDatabaseUrl Parse(const std::string& url);
    bool IsSqlite() const { return Driver == "QSQLITE"; }
    // The URL without any secret, for messages.
    std::string Text() const;
};

} // namespace corvane
