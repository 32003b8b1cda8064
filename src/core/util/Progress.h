#pragma once

#include <functional>

namespace corvane {

// Progress of a long operation (a search, writing the data file): the fraction done, 0..1.
// The windows draw it as a gauge; an empty function reports nothing.
using TProgressCallback = std::function<void(double fraction)>;

} // namespace corvane
