#include "selection/SearchProgress.h"

#include <utility>

namespace corvane {

namespace {

TSearchProgress& Slot() {
    static TSearchProgress slot;
    return slot;
}

} // namespace

void SetSearchProgressCallback(TSearchProgress callback) {
    Slot() = std::move(callback);
}

void ReportSearchProgress(double fraction) {
    if (Slot()) Slot()(fraction);
}

} // namespace corvane
