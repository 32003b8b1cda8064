#include "acquisition/TSteadyClock.h"

#include <chrono>

namespace corvane {

std::int64_t TSteadyClock::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace corvane
