#include "CliArgs.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace corvane::cli {

CliArgs::CliArgs(int argc, char** argv, const std::vector<std::string>& flags) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word.size() < 3 || word.compare(0, 2, "--") != 0) {
            positional_.push_back(word);
            continue;
        }
        const auto eq = word.find('=');
        if (eq != std::string::npos) {
            options_.emplace(word.substr(2, eq - 2), word.substr(eq + 1));
            continue;
        }
        const std::string name = word.substr(2);
        const bool isFlag = std::find(flags.begin(), flags.end(), name) != flags.end();
        if (isFlag || i + 1 >= argc) {
            options_.emplace(name, "");
        } else {
            options_.emplace(name, argv[++i]);
        }
    }
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
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
        throw std::invalid_argument("--" + name + ": not a number: \"" + Value(name) + "\"");
    return value;
}

int CliArgs::Integer(const std::string& name, int fallback, int lo, int hi) const {
    const double value = Number(name, fallback);
    if (value < lo || value > hi || value != static_cast<int>(value))
        throw std::invalid_argument("--" + name + ": expected a whole number " +
                                    std::to_string(lo) + ".." + std::to_string(hi));
    return static_cast<int>(value);
}

std::vector<std::string> CliArgs::Unknown(const std::vector<std::string>& known) const {
    std::vector<std::string> unknown;
    for (const auto& [name, value] : options_)
        if (std::find(known.begin(), known.end(), name) == known.end()) unknown.push_back(name);
    return unknown;
}

} // namespace corvane::cli
