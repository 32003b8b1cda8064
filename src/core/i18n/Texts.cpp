#include "i18n/Texts.h"

#include "i18n/Language.h"

#include <algorithm>
#include <iterator>

namespace corvane {

namespace {

struct TTextTriple {
    const char* Text[3];
};

constexpr TTextTriple kTexts[] = {
#define CORVANE_TEXT(id, de, en, ru) {{de, en, ru}},
#include "i18n/TextList.inc"
#undef CORVANE_TEXT
};

static_assert(std::size(kTexts) == static_cast<std::size_t>(TextId::Count));

} // namespace

const char* Txt(TextId id, int language) {
    const auto index = static_cast<std::size_t>(id);
    if (index >= std::size(kTexts)) return "";
    return kTexts[index].Text[std::clamp(language, 0, 2)];
}

const char* Txt(TextId id) {
    return Txt(id, TextLanguage());
}

} // namespace corvane
