#pragma once

#include <string>

namespace corvane {

// Walks the ticks of a logarithmic axis. A tick pattern is a string of digits, some preceded
// by "-"; each digit adds digit × step factor × the current decade to the tick value, and a
// digit preceded by "-" gives a major tick (long tick, label, grid line). The pattern repeats.
// Values are log10 of the quantity.
class TLogTicks {
public:
    // Chooses pattern and step factor for a range of `decades` (already multiplied by the
    // caller's density factor): the fewer decades, the denser the ticks.
    void Choose(double decades);
    // Starts one decade below the decade of logLo and walks to the first tick at or above
    // logLo (within 1e-5).
    void Start(double logLo);
    // Advances to the next tick.
    void Next();

    double Value() const { return value_; }
    bool Major() const { return major_; }
    const std::string& Pattern() const { return pattern_; }
    double Factor() const { return factor_; }

private:
    double factor_ = 1.0;
    std::string pattern_ = "4-5";
    std::size_t position_ = 0;
    double value_ = 0;
    bool major_ = false;
};

} // namespace corvane
