#include "RigSimOptions.h"

#include "settings/TInstallationSettings.h"

#include <charconv>
#include <cstdlib>

namespace corvane {

namespace {

bool ParseInt(const std::string& text, int low, int high, int& value) {
    int parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    if (parsed < low || parsed > high) return false;
    value = parsed;
    return true;
}

std::string FromEnvironment(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::string(value) : fallback;
}

} // namespace

const char* TRigSimOptions::Usage() {
    return "usage: corvane-rigsim [--write FILE] [--read FILE] [--period MS] [--points N]\n"
           "  --write FILE  exchange file written for the editor (the editor's input file)\n"
           "  --read FILE   exchange file the editor writes (series and point number)\n"
           "  --period MS   time between two records, 10..60000 ms (default 1000)\n"
           "  --points N    points from free blowing towards shut-off, 1..32 (default 8)\n"
           "Ends on SIGTERM or SIGINT, or on a line \"close\" on its standard input.\n";
}

TRigSimOptions TRigSimOptions::Parse(const std::vector<std::string>& args,
                                     const TInstallationSettings& installation) {
    TRigSimOptions o;
    for (std::size_t i = 0; i < args.size() && o.Error.empty(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.Help = true;
            continue;
        }
        const bool takesValue =
            a == "--write" || a == "--read" || a == "--period" || a == "--points";
        if (!takesValue) {
            o.Error = "unknown option " + a;
        } else if (i + 1 >= args.size()) {
            o.Error = a + " needs a value";
        } else {
            const std::string& v = args[++i];
            if (a == "--write")
                o.WritePath = v;
            else if (a == "--read")
                o.ReadPath = v;
            else if (a == "--period" && !ParseInt(v, 10, 60000, o.PeriodMs))
                o.Error = "--period must be 10..60000 ms";
            else if (a == "--points" && !ParseInt(v, 1, 32, o.Points))
                o.Error = "--points must be 1..32";
        }
    }
    if (o.WritePath.empty())
        o.WritePath = FromEnvironment("CORVANE_TDW_INPUT", installation.InputPath);
    if (o.ReadPath.empty())
        o.ReadPath = FromEnvironment("CORVANE_TDW_OUTPUT", installation.OutputPath);
    if (o.Error.empty() && o.WritePath == o.ReadPath)
        o.Error = "--write and --read name the same file";
    return o;
}

} // namespace corvane
