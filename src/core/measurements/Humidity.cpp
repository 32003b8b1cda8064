#include "measurements/Humidity.h"

#include <cstddef>

namespace corvane {

namespace {

constexpr std::size_t kTemperatures = 15; // -20, -15, ..., 50 °C
constexpr std::size_t kHumidities = 11;   // 0, 10, ..., 100 %

// Water content in g/kg; rows are relative humidities, columns temperatures. Kept as 32-bit
// floats, as the values were always held.
constexpr float kWater[kHumidities][kTemperatures] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0.05f, 0.07f, 0.12f, 0.25f, 0.38f, 0.54f, 0.77f, 1.06f, 1.46f, 1.98f, 2.65f, 3.52f, 4.62f,
     6.02f, 7.75f},
    {0.13f, 0.18f, 0.29f, 0.49f, 0.76f, 1.08f, 1.53f, 2.12f, 2.92f, 3.96f, 5.32f, 7.05f, 9.34f,
     12.2f, 15.8f},
    {0.21f, 0.29f, 0.46f, 0.73f, 1.14f, 1.63f, 2.3f, 3.19f, 4.39f, 5.97f, 8.0f, 10.7f, 14.1f, 18.4f,
     23.9f},
    {0.29f, 0.39f, 0.63f, 0.97f, 1.52f, 2.17f, 3.07f, 4.26f, 5.87f, 8.0f, 10.8f, 14.3f, 18.9f,
     24.8f, 32.3f},
    {0.38f, 0.5f, 0.8f, 1.22f, 1.91f, 2.72f, 3.84f, 5.34f, 7.36f, 9.99f, 13.5f, 18.0f, 23.8f, 31.3f,
     40.9f},
    {0.44f, 0.61f, 0.97f, 1.49f, 2.29f, 3.27f, 4.61f, 6.41f, 8.83f, 12.1f, 16.2f, 21.7f, 28.8f,
     38.0f, 49.7f},
    // 45 °C at 70 %: 44.7 corrects a long-standing misprint (40.1), which broke the rise of
    // the column between 38.0 at 60 % and 51.7 at 80 %; 44.7 is the physical value.
    {0.49f, 0.72f, 1.13f, 1.74f, 2.67f, 3.82f, 5.39f, 7.49f, 10.4f, 14.1f, 19.0f, 25.5f, 33.8f,
     44.7f, 58.5f},
    {0.54f, 0.83f, 1.29f, 1.99f, 3.06f, 4.37f, 6.17f, 8.58f, 11.9f, 16.2f, 21.8f, 29.3f, 39.0f,
     51.7f, 68.1f},
    {0.59f, 0.93f, 1.46f, 2.24f, 3.44f, 4.92f, 6.94f, 9.66f, 13.3f, 18.3f, 24.7f, 33.2f, 44.2f,
     58.7f, 77.7f},
    {0.64f, 1.03f, 1.62f, 2.5f, 3.82f, 5.47f, 7.73f, 10.8f, 14.9f, 20.4f, 27.5f, 37.0f, 49.5f,
     65.9f, 87.5f},
};

// Grid position of a value on an equidistant grid first, first + step, ...: the first grid
// value not below the input and its predecessor, with the fraction between them. Inputs
// beyond either end take that end (both indexes equal, fraction 0).
struct TGridPos {
    std::size_t Lo;
    std::size_t Hi;
    double Fraction;
};

TGridPos Locate(double value, double first, double step, std::size_t count) {
    if (!(value > first)) return {0, 0, 0.0}; // below the first grid value (or NaN)
    const auto grid = [first, step](std::size_t i) {
        return first + step * static_cast<double>(i);
    };
    if (!(grid(count - 1) >= value)) return {count - 1, count - 1, 0.0};
    // The grid value above the quotient's whole part, then moved by a step where that is not
    // the first one not below the input (an input on a grid value, or a quotient rounded across
    // one): the first i >= 1 with grid(i) >= value, as a walk from the start finds it.
    std::size_t i = static_cast<std::size_t>((value - first) / step) + 1;
    if (i > count - 1) i = count - 1;
    while (i > 1 && grid(i - 1) >= value)
        --i;
    while (grid(i) < value)
        ++i;
    const double lower = grid(i) - step;
    return {i - 1, i, (value - lower) / step};
}

double Lerp(double a, double b, double fraction) {
    return a + (b - a) * fraction;
}

} // namespace

double WaterContent(double t, double rf) {
    const TGridPos pt = Locate(t, -20.0, 5.0, kTemperatures);
    const TGridPos ph = Locate(rf, 0.0, 10.0, kHumidities);
    const double lowRow = Lerp(kWater[ph.Lo][pt.Lo], kWater[ph.Lo][pt.Hi], pt.Fraction);
    const double highRow = Lerp(kWater[ph.Hi][pt.Lo], kWater[ph.Hi][pt.Hi], pt.Fraction);
    return Lerp(lowRow, highRow, ph.Fraction);
}

double HumidityTerm(double t, double rf) {
    const double x = WaterContent(t, rf);
    return x * (1.0 + x / 1000.0) * 100000.0 / ((x / 1000.0 + 0.622) * 461.5 * (t + 273.0));
}

double MeasuredAirDensity(float pb, float rt, float rf) {
    const double t = rt == -1.0f ? 20.0 : rt;
    const double x = HumidityTerm(t, rf);
    return pb * (1 + x / 1000) / (287.1 + 461.4 * x / 1000) * 100 / (t + 273);
}

} // namespace corvane
