#include "ProcessStateGuard.h"
#include "i18n/Language.h"
#include "i18n/LanguageTable.h"
#include "i18n/Texts.h"
#include "units/Units.h"
#include "util/Codepage.h"

#include <gtest/gtest.h>
#include <string>

using namespace corvane;

TEST(LanguageTexts, LanguageTable) {
    EXPECT_STREQ(LanguageEntry(0).MenuText, "deutsch (m³/h, Pa, °C)");
    EXPECT_STREQ(LanguageEntry(6).MenuText, "Русский (м^3/час, Па, °C)");
    for (int i = 0; i < kLanguageEntryCount; ++i)
        EXPECT_EQ(LanguageEntry(i).TextLanguage, LanguageOfUnitSystem(i)) << i;
    EXPECT_EQ(LanguageEntry(42).TextLanguage, 2); // clamped, never out of the table
    EXPECT_EQ(OfferedLanguageEntries(), MaxUnitSystem() + 1);
    EXPECT_EQ(ClampLanguageIndex(7), MaxUnitSystem());
    EXPECT_EQ(ClampLanguageIndex(-1), 0);
    EXPECT_STREQ(LanguageName(2), "Русский");
}

TEST(LanguageTexts, EveryTripleIsCompleteAndFollowsTheTextLanguage) {
    for (int id = 0; id < static_cast<int>(TextId::Count); ++id) {
        for (int language = 0; language < 3; ++language) {
            const std::string text = Txt(static_cast<TextId>(id), language);
            EXPECT_FALSE(text.empty()) << id << "/" << language;
            // Valid UTF-8: the fallback decoder leaves such text unchanged.
            EXPECT_EQ(Utf8OrCp1252ToUtf8(text), text) << id << "/" << language;
        }
    }
    const test::TProcessStateGuard guard;
    SetTextLanguage(1);
    EXPECT_STREQ(Txt(TextId::SuchBtn), "search matching wheels");
    SetTextLanguage(0);
    EXPECT_STREQ(Txt(TextId::SuchBtn), "passende Laufräder suchen");
    EXPECT_STREQ(Txt(TextId::PolyPointToPoint), "Punkt zu Punkt");
    EXPECT_STREQ(Txt(TextId::SortAngle, 1), "ordered by housing angle");
    EXPECT_STREQ(Txt(TextId::AllAngles, 9), " * все * ");
    EXPECT_STREQ(Txt(TextId::Count), "");
}
