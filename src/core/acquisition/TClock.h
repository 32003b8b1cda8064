#pragma once

#include <cstdint>

namespace corvane {

// Time source of the acquisition: milliseconds on a monotonic scale. The editor and the
// analysers take it by reference so that tests drive time by hand.
class TClock {
public:
    virtual ~TClock() = default;
    virtual std::int64_t NowMs() const = 0;
};

} // namespace corvane
