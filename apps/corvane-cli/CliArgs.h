#pragma once

#include <map>
#include <string>
#include <vector>

namespace corvane::cli {

// What a command accepts on its command line besides the options every command takes
// (--home, --lang, --units, --help): how many words follow the command's name, and its
// options by kind. Anything else is refused before the command runs.
struct TCommandSyntax {
    int MinWords = 0;                    // words after the command's name
    int MaxWords = 0;                    //
    std::vector<std::string> Options;    // "--name VALUE" or "--name=VALUE", at most once
    std::vector<std::string> Repeatable; // the same, any number of times
    std::vector<std::string> Flags;      // "--name" without a value, at most once
};

// Command-line words: positional arguments and "--name value" / "--name=value" options.
// Options may repeat; flags given without a value hold "". A word after "--name" that
// starts with "--" is the next option, not the value.
class CliArgs {
public:
    // `flags` are the names that never take the following word as their value.
    CliArgs(int argc, char** argv, const std::vector<std::string>& flags);

    // Refuses (std::invalid_argument naming `command`) unknown options, options given more
    // often than allowed, flags with a value, options without one, and too few or too many
    // words after the command's name (the first positional word).
    void Require(const std::string& command, const TCommandSyntax& syntax) const;

    const std::vector<std::string>& Positional() const { return positional_; }
    bool Has(const std::string& name) const;
    std::string Value(const std::string& name, const std::string& fallback = "") const;
    std::vector<std::string> Values(const std::string& name) const;
    // The option as a finite number ("," or "." as decimal point); raises
    // std::invalid_argument naming the option when it is malformed, NaN or infinite.
    double Number(const std::string& name, double fallback) const;
    // The option as a whole number in lo..hi, checked before it is converted.
    int Integer(const std::string& name, int fallback, int lo, int hi) const;
    // A word (a positional argument) as a whole number in lo..hi; `what` names it in the
    // message. Trailing characters ("1abc") are refused.
    static int WordInteger(const std::string& word, const std::string& what, int lo, int hi);
    // A finite number that fits a single-precision float (the tables' targets); `what` names
    // it in the message.
    static float ToFloat(double value, const std::string& what);

private:
    std::vector<std::string> positional_;
    std::multimap<std::string, std::string> options_;
    std::map<std::string, int> bare_; // occurrences given without a value, by name
};

} // namespace corvane::cli
