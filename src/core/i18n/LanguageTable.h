#pragma once

namespace corvane {

// The eight language/unit entries of the language menu. Each combines a text language with a
// unit system; the index is also the unit system.
inline constexpr int kLanguageEntryCount = 8;

struct TLanguageEntry {
    const char* MenuText; // UTF-8
    int TextLanguage;     // 0 German, 1 English, 2 Russian
};

// Entry of a language/unit index (clamped to 0..7).
const TLanguageEntry& LanguageEntry(int index);
// Number of entries offered: 8 when the locale can show Cyrillic, else 6.
int OfferedLanguageEntries();
// A stored language/unit index brought into the offered entries.
int ClampLanguageIndex(int index);
// "deutsch", "english", "Русский".
const char* LanguageName(int textLanguage);

} // namespace corvane
