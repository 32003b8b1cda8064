#include "render/diagram/TLogTicks.h"

#include <cmath>

namespace corvane {

namespace {

struct TPatternChoice {
    double AboveDecades;
    double Factor;
    const char* Pattern;
};

// From many decades (sparse ticks) to few (dense ticks); the last entry takes the rest.
constexpr TPatternChoice kChoices[] = {
    {7.0, 1.0, "4-545"},
    {2.9, 1.0, "4-5"},
    {1.9, 1.0, "111-11111-1"},
    {0.9, 1.0, "1-11-11111-1"},
    {0.6, 0.5, "1-11-1111-1111-111111-1"},
    {-1e300, 0.5, "1-11-11-11-11-1111-1111-1"},
};

// Decade of a log value, robust against values a hair below an integer.
double DecadeOf(double logValue) {
    return std::pow(10.0, std::trunc(logValue + 20.00001) - 20);
}

} // namespace

void TLogTicks::Choose(double decades) {
    for (const TPatternChoice& c : kChoices) {
        if (decades > c.AboveDecades) {
            factor_ = c.Factor;
            pattern_ = c.Pattern;
            return;
        }
    }
}

void TLogTicks::Start(double logLo) {
    position_ = 0;
    major_ = false;
    value_ = std::trunc(logLo + 20.00001) - 21;
    // Each step adds at least half a decade's percent, so a few hundred steps cover any range
    // a double can express; the bound only guards against a non-finite start.
    for (int guard = 0; value_ < logLo - 1e-5 && guard < 100000; ++guard)
        Next();
}

void TLogTicks::Next() {
    major_ = false;
    if (pattern_[position_] == '-') {
        major_ = true;
        position_ = (position_ + 1) % pattern_.size();
    }
    const int digit = pattern_[position_] - '0';
    position_ = (position_ + 1) % pattern_.size();
    value_ = std::log10(std::pow(10.0, value_) + DecadeOf(value_) * factor_ * digit);
}

} // namespace corvane
