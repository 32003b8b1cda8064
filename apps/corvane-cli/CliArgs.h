#pragma once

#include <map>
#include <string>
#include <vector>

namespace corvane::cli {

// Command-line words: positional arguments and "--name value" / "--name=value" options.
// Options may repeat; flags given without a value hold "".
class CliArgs {
public:
    CliArgs(int argc, char** argv, const std::vector<std::string>& flags);

    const std::vector<std::string>& Positional() const { return positional_; }
    bool Has(const std::string& name) const;
    std::string Value(const std::string& name, const std::string& fallback = "") const;
    std::vector<std::string> Values(const std::string& name) const;
    // The option as a number; raises std::invalid_argument with a clear text when malformed.
    double Number(const std::string& name, double fallback) const;
    int Integer(const std::string& name, int fallback, int lo, int hi) const;
    // Names given on the command line that are not in `known`.
    std::vector<std::string> Unknown(const std::vector<std::string>& known) const;

private:
    std::vector<std::string> positional_;
    std::multimap<std::string, std::string> options_;
};

} // namespace corvane::cli
