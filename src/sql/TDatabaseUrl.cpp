#include "sql/TDatabaseUrl.h"

#include "mdb/EMdbError.h"

#include <charconv>
#include <string_view>

namespace corvane {

namespace {

constexpr std::string_view kSqlite = "sqlite:";
constexpr std::string_view kPostgres[] = {"postgresql://", "postgres://"};

[[noreturn]] void Refuse(const std::string& url, const std::string& why) {
    throw EMdbError("Database URL \"" + url + "\": " + why);
}

// %XX escapes of a URL part.
std::string Decode(std::string_view part, const std::string& url) {
    std::string text;
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (part[i] != '%') {
            text += part[i];
            continue;
        }
        unsigned value = 0;
        if (i + 3 > part.size() ||
            std::from_chars(part.data() + i + 1, part.data() + i + 3, value, 16).ptr !=
                part.data() + i + 3)
            Refuse(url, "bad %-escape");
        text += static_cast<char>(value);
        i += 2;
    }
    return text;
}

TDatabaseUrl ParsePostgres(const std::string& url, std::string_view rest) {
    TDatabaseUrl result;
    result.Driver = "QPSQL";
    const auto slash = rest.find('/');
    std::string_view authority = rest.substr(0, slash);
    if (slash != std::string_view::npos) {
        std::string_view name = rest.substr(slash + 1);
        if (name.find_first_of("?#") != std::string_view::npos)
            Refuse(url, "options after the database name are not supported");
        result.Database = Decode(name, url);
    }
    const auto at = authority.rfind('@');
    if (at != std::string_view::npos) {
        const std::string_view user = authority.substr(0, at);
        // The URL is not repeated: it holds the secret.
        if (user.find(':') != std::string_view::npos)
            throw EMdbError("Database URL: a password does not belong in the URL; set "
                            "PGPASSWORD or use ~/.pgpass");
        result.User = Decode(user, url);
        authority = authority.substr(at + 1);
    }
    std::string_view host = authority;
    std::string_view port;
    if (!host.empty() && host.front() == '[') { // [IPv6]:port
        const auto close = host.find(']');
        if (close == std::string_view::npos) Refuse(url, "unclosed [ in the host");
        port = host.substr(close + 1);
        host = host.substr(1, close - 1);
        if (!port.empty() && port.front() != ':') Refuse(url, "bad host");
        if (!port.empty()) port.remove_prefix(1);
    } else if (const auto colon = host.rfind(':'); colon != std::string_view::npos) {
        port = host.substr(colon + 1);
        host = host.substr(0, colon);
    }
    result.Host = Decode(host, url);
    if (!port.empty()) {
        int value = 0;
        const auto r = std::from_chars(port.data(), port.data() + port.size(), value);
        if (r.ec != std::errc() || r.ptr != port.data() + port.size() || value < 1 || value > 65535)
            Refuse(url, "bad port");
        result.Port = value;
    }
    return result;
}

} // namespace

TDatabaseUrl TDatabaseUrl::Parse(const std::string& url) {
    if (url.compare(0, kSqlite.size(), kSqlite) == 0) {
        TDatabaseUrl result;
        result.Driver = "QSQLITE";
        result.Database = url.substr(kSqlite.size());
        if (result.Database.empty()) Refuse(url, "no file after \"sqlite:\"");
        return result;
    }
    for (std::string_view scheme : kPostgres) {
        if (url.compare(0, scheme.size(), scheme) == 0)
            return ParsePostgres(url, std::string_view(url).substr(scheme.size()));
    }
    Refuse(url, "use sqlite:PATH or postgresql://user@host:port/dbname");
}

std::string TDatabaseUrl::Text() const {
    if (IsSqlite()) return "sqlite:" + Database;
    std::string text = "postgresql://";
    if (!User.empty()) text += User + "@";
    text += Host;
    if (Port > 0) text += ":" + std::to_string(Port);
    return text + "/" + Database;
}

} // namespace corvane
