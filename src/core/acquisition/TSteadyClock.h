#pragma once

#include "acquisition/TClock.h"

namespace corvane {

// The system's monotonic clock.
class TSteadyClock : public TClock {
public:
    std::int64_t NowMs() const override;
};

} // namespace corvane
