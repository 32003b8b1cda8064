#include "units/Units.h"

#include "util/Numbers.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdlib>
#include <langinfo.h>

namespace corvane {

namespace {

constexpr int kQuantities = 24;

// Factor from the base unit to the unit of `system`, 1 when the value is not scaled.
// Temperatures of system 4 and the flows of the m³/s systems are handled separately.
// Barometric pressure (base hPa) follows the pressure factors scaled by 100 in the two systems
// that label it in lbf/ft² and in WG, so both pressure kinds agree.
double Factor(int quantity, int system) {
    if (system == 4) {
        switch (quantity) {
        case 4:
        case 10:
            return 0.73756103318;
        case 8:
            return 2.088541634;
        case 9:
            return 0.02088541634;
        case 11:
            return 0.0098096111431;
        }
    } else if (system == 5) {
        switch (quantity) {
        case 4:
            return 0.0013410218587;
        case 8:
            return 0.40146293092;
        case 9:
            return 0.0040146293092;
        case 10:
            return 0.73756103318;
        case 11:
            return 0.58857666859;
        }
    }
    if (system == 4 || system == 5) {
        switch (quantity) {
        case 15:
            return 0.062427817836;
        case 17:
            return 0.03937007874;
        case 18:
            return 10.763915051;
        case 23:
            return 3.280840601;
        }
    }
    return 1.0;
}

bool FlowPerSecond(int quantity, int system) {
    return quantity == 11 && (system == 1 || system == 3 || system == 7);
}

struct LabelRow {
    const char* german;
    const char* english;
    const char* system4; // nullptr: the English label
    const char* system5;
    const char* russian;
};

const LabelRow kLabels[kQuantities] = {
    {"", "", nullptr, nullptr, ""},
    {"Hz", "Hz", nullptr, nullptr, "Гц"},
    {"V", "V", nullptr, nullptr, "В"},
    {"A", "A", nullptr, nullptr, "А"},
    {"W", "W", "ft lbf/s", "hp", "Вт"},
    {"1/Min", "1/min", nullptr, nullptr, "1/мин"},
    {"°C", "°C", "°F", nullptr, "°C"},
    {"% rF", "% rH", nullptr, nullptr, "%"},
    {"haPa", "haPa", "lbf/ft²", "in WG", "гекто Па"},
    {"Pa", "Pa", "lbf/ft²", "in WG", "Па"},
    {"Nm", "Nm", "ft lbf", "ft lbf", "Нм"},
    {"m³/h", "m³/h", "ft³/s", "ft³/min", "м^3/час"},
    {"VA", "VA", nullptr, nullptr, "ВА"},
    {"dB", "dB", nullptr, nullptr, "дБ"},
    {"dB(A)", "dB(A)", nullptr, nullptr, "дБ(А)"},
    {"kg/m³", "kg/m³", "lb/ft³", "lb/ft³", "кг/м^3"},
    {"%", "%", nullptr, nullptr, "%"},
    {"mm", "mm", "in", "in", "мм"},
    {"m²", "m²", "ft²", "ft²", "м^2"},
    {"Stunden", "hours", nullptr, nullptr, "часы"},
    {"°", "°", nullptr, nullptr, "°"},
    {"???", "???", nullptr, nullptr, "???"},
    {"Kg", "Kg", nullptr, nullptr, "кг"},
    {"m", "m", "ft", "ft", "м"},
};

// True when a code-set name can show Cyrillic: UTF-8 or Windows-1251.
bool CodeSetShowsCyrillic(const std::string& name) {
    std::string n;
    for (const char c : name) {
        if (c != '-' && c != '_')
            n.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    return n.find("UTF8") != std::string::npos || n.find("CP1251") != std::string::npos ||
           n.find("WINDOWS1251") != std::string::npos;
}

std::string LocaleCodeSet() {
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    const std::string previous = current ? current : "C";
    std::string codeSet;
    if (std::setlocale(LC_CTYPE, "") != nullptr) {
        const char* cs = nl_langinfo(CODESET);
        codeSet = cs ? cs : "";
        std::setlocale(LC_CTYPE, previous.c_str());
        return codeSet;
    }
    // The environment names a locale the system does not have: read its name instead.
    for (const char* var : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(var);
        if (value != nullptr && *value != '\0') return value;
    }
    return std::string();
}

} // namespace

double ToDisplay(int quantity, int unitSystem, double value) {
    if (FlowPerSecond(quantity, unitSystem)) return value / 3600.0;
    if (quantity == 6 && unitSystem == 4) return value * 1.8 + 32.0;
    return value * Factor(quantity, unitSystem);
}

double FromDisplay(int quantity, int unitSystem, double value) {
    if (FlowPerSecond(quantity, unitSystem)) return value * 3600.0;
    if (quantity == 6 && unitSystem == 4) return (value - 32.0) / 1.8;
    return value / Factor(quantity, unitSystem);
}

int DisplayDecimals(int decimals, int quantity, int unitSystem) {
    int d = decimals;
    if (FlowPerSecond(quantity, unitSystem)) d += 3;
    if (unitSystem == 4) {
        if (quantity == 9 || quantity == 11)
            d += 2;
        else if (quantity == 15 || quantity == 17)
            d += 1;
        else if (quantity == 18)
            d -= 1;
    } else if (unitSystem == 5) {
        // Barometric pressure: 1 hPa is 0.4 in WG, one more decimal keeps the resolution.
        if (quantity == 4)
            d += 3;
        else if (quantity == 9)
            d += 2;
        else if (quantity == 15 || quantity == 17 || quantity == 8)
            d += 1;
        else if (quantity == 18)
            d -= 1;
    }
    return std::clamp(d, 0, 4);
}

std::string UnitLabel(int quantity, int unitSystem) {
    if (quantity < 0 || quantity >= kQuantities) return std::string();
    const LabelRow& row = kLabels[quantity];
    switch (std::clamp(unitSystem, 0, 7)) {
    case 0:
        return row.german;
    case 1:
        return quantity == 11 ? "m³/s" : row.german;
    case 2:
        return row.english;
    case 3:
        return quantity == 11 ? "m³/s" : row.english;
    case 4:
        return row.system4 ? row.system4 : row.english;
    case 5:
        return row.system5 ? row.system5 : row.english;
    case 6:
        return row.russian;
    default:
        return quantity == 11 ? "м^3/сек" : row.russian;
    }
}

std::string FormatQuantity(int decimals, int quantity, int unitSystem, double value) {
    return FormatFixed(ToDisplay(quantity, unitSystem, value),
                       DisplayDecimals(decimals, quantity, unitSystem), 10);
}

int MaxUnitSystem() {
    return CodeSetShowsCyrillic(LocaleCodeSet()) ? 7 : 5;
}

int ClampUnitSystem(int system) {
    return std::clamp(system, 0, MaxUnitSystem());
}

} // namespace corvane
