#pragma once

namespace corvane {

// Process-wide display state: the text language (0 German, 1 English, 2 Russian) and the
// unit systems (0..7) used on screen and in print.
int TextLanguage();
void SetTextLanguage(int language);
int ScreenUnitSystem();
void SetScreenUnitSystem(int unitSystem);
int PrintUnitSystem();
void SetPrintUnitSystem(int unitSystem);
// Language of a language/unit index: 0, 1 German; 2..5 English; 6, 7 Russian.
int LanguageOfUnitSystem(int unitSystem);

} // namespace corvane
