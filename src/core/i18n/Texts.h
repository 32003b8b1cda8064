#pragma once

namespace corvane {

// Identifiers of the program's text triples.
enum class TextId : int {
#define CORVANE_TEXT(id, de, en, ru) id,
#include "i18n/TextList.inc"
#undef CORVANE_TEXT
    Count
};

// The text in the current text language (UTF-8).
const char* Txt(TextId id);
// The text in the given text language (0 German, 1 English, 2 Russian; clamped).
const char* Txt(TextId id, int language);

} // namespace corvane
