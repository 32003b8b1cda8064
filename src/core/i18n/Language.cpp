#include "i18n/Language.h"

#include <algorithm>

namespace corvane {

namespace {
int g_language = 0;
int g_screenUnits = 0;
int g_printUnits = 0;
} // namespace

int TextLanguage() {
    return g_language;
}
void SetTextLanguage(int language) {
    g_language = std::clamp(language, 0, 2);
}
int ScreenUnitSystem() {
    return g_screenUnits;
}
void SetScreenUnitSystem(int unitSystem) {
    g_screenUnits = std::clamp(unitSystem, 0, 7);
}
int PrintUnitSystem() {
    return g_printUnits;
}
void SetPrintUnitSystem(int unitSystem) {
    g_printUnits = std::clamp(unitSystem, 0, 7);
}

int LanguageOfUnitSystem(int unitSystem) {
    if (unitSystem <= 1) return 0;
    if (unitSystem <= 5) return 1;
    return 2;
}

} // namespace corvane
