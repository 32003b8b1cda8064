#include "CliArgs.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace corvane::cli {

namespace {

// Options every command takes: the program folder, the language and the unit system.
const std::vector<std::string> kCommonOptions = {"home", "lang", "units"};

bool IsOption(const std::string& word) {
    return word.size() >= 3 && word.compare(0, 2, "--") == 0;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string WholeNumberRange(int lo, int hi) {
    return "expected a whole number " + std::to_string(lo) + ".." + std::to_string(hi);
}

} // namespace

CliArgs::CliArgs(int argc, char** argv, const std::vector<std::string>& flags) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (!IsOption(word)) {
            positional_.push_back(word);
            continue;
        }
        const auto eq = word.find('=');
        if (eq != std::string::npos) {
            options_.emplace(word.substr(2, eq - 2), word.substr(eq + 1));
            continue;
        }
        const std::string name = word.substr(2);
        if (Contains(flags, name) || i + 1 >= argc || IsOption(argv[i + 1])) {
            options_.emplace(name, "");
            ++bare_[name];
        } else {
            options_.emplace(name, argv[++i]);
        }
    }
}

void CliArgs::Require(const std::string& command, const TCommandSyntax& syntax) const {
    const auto refuse = [&command](const std::string& what) {
        throw std::invalid_argument(command + ": " + what);
    };
    for (auto it = options_.begin(); it != options_.end(); it = options_.upper_bound(it->first)) {
        const std::string& name = it->first;
        if (name == "help") continue;
        const auto given = options_.count(name);
        const auto bare = bare_.count(name) ? static_cast<std::size_t>(bare_.at(name)) : 0u;
        const bool flag = Contains(syntax.Flags, name);
        const bool repeatable = Contains(syntax.Repeatable, name);
        if (!flag && !repeatable && !Contains(syntax.Options, name) &&
            !Contains(kCommonOptions, name))
            refuse("unknown option --" + name);
        if (given > 1 && !repeatable) refuse("--" + name + " given more than once");
        if (flag && bare != given) refuse("--" + name + " takes no value");
        if (!flag && bare > 0) refuse("--" + name + " needs a value");
    }
    const auto words = static_cast<int>(positional_.size()) - 1; // after the command's name
    if (words > syntax.MaxWords)
        refuse("unexpected argument \"" +
               positional_[static_cast<std::size_t>(syntax.MaxWords) + 1] + "\"");
    if (words < syntax.MinWords) refuse("missing arguments (see --help)");
}

bool CliArgs::Has(const std::string& name) const {
    return options_.count(name) > 0;
}

std::string CliArgs::Value(const std::string& name, const std::string& fallback) const {
    const auto it = options_.find(name);
    return it == options_.end() ? fallback : it->second;
}

std::vector<std::string> CliArgs::Values(const std::string& name) const {
    std::vector<std::string> values;
    const auto range = options_.equal_range(name);
    for (auto it = range.first; it != range.second; ++it)
        values.push_back(it->second);
    return values;
}

double CliArgs::Number(const std::string& name, double fallback) const {
    if (!Has(name)) return fallback;
    std::string text = Value(name);
    std::replace(text.begin(), text.end(), ',', '.');
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        !std::isfinite(value))
        throw std::invalid_argument("--" + name + ": not a finite number: \"" + Value(name) + "\"");
    return value;
}

int CliArgs::Integer(const std::string& name, int fallback, int lo, int hi) const {
    const double value = Number(name, fallback);
    // Compared as doubles first: only a value inside the range is converted.
    if (!(value >= lo && value <= hi) || value != std::trunc(value))
        throw std::invalid_argument("--" + name + ": " + WholeNumberRange(lo, hi));
    return static_cast<int>(value);
}

int CliArgs::WordInteger(const std::string& word, const std::string& what, int lo, int hi) {
    int value = 0;
    const char* end = word.data() + word.size();
    const auto result = std::from_chars(word.data(), end, value);
    if (word.empty() || result.ec != std::errc() || result.ptr != end || value < lo || value > hi)
        throw std::invalid_argument(what + ": \"" + word + "\": " + WholeNumberRange(lo, hi));
    return value;
}

float CliArgs::ToFloat(double value, const std::string& what) {
    if (!std::isfinite(value)) throw std::invalid_argument(what + ": not a finite number");
    if (std::fabs(value) > std::numeric_limits<float>::max())
        throw std::invalid_argument(what + ": number out of range");
    return static_cast<float>(value);
}

} // namespace corvane::cli
