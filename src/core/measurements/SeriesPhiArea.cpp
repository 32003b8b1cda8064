#include "measurements/SeriesPhiArea.h"

#include <cmath>
#include <numbers>

namespace corvane {

namespace {
constexpr double kPi = std::numbers::pi;
}

double PhiAreaFromDimensions(int phiType, double d2mm, double bmm) {
    const double d = d2mm / 1000;
    const double b = bmm / 1000;
    switch (phiType) {
    case 0:
        return kPi * d * d / 4;
    case 1:
        return kPi * (d * d - b * b) / 4;
    case 2:
    case 3:
        return kPi * d * b;
    case 4:
        return d * b;
    default:
        return -1;
    }
}

double SecondDimensionFromPhiArea(int phiType, double d2mm, double a0) {
    const double d = d2mm / 1000;
    double b = -1;
    switch (phiType) {
    case 1: {
        const double square = d * d - 4 * a0 / kPi;
        if (square > 0) b = std::sqrt(square);
        break;
    }
    case 2:
    case 3:
        if (d > 0) b = a0 / (kPi * d);
        break;
    case 4:
        if (d > 0) b = a0 / d;
        break;
    default:
        break;
    }
    return b > 0 ? b * 1000 : -1;
}

} // namespace corvane
