#include "ui/curves/KennlTexts.h"

#include "i18n/Language.h"

#include <array>

namespace corvane {

namespace {

// clang-format off
constexpr std::array<std::array<const char*, 3>, 8> kTexts{{
    {"&Kopieren", "&copy", "&Копировать"},
    {"&Drucken", "&print", "&Печать"},
    {"&Schließen", "c&lose", "&Закрыть"},
    {"&Kopieren in Zwischenablage", "&copy to clipboard", "&Копировать в буфер обмена"},
    {"ausgewählte Punkte &anzeigen", "&show selected points", "&Показать выбранные точки"},
    {"Schnittpunkte mit Anlagenparabeln anzeigen", "show intersections with system curves",
     "Показать пересечения с характеристиками сети"},
    {"neuen Punkt &einfügen", "&insert new point", "&Вставить новую точку"},
    {"ausgewählten Punkt &löschen", "&delete selected point", "&Удалить выбранную точку"},
}};
// clang-format on

} // namespace

QString KennlText(EKennlText id) {
    return QString::fromUtf8(
        kTexts[static_cast<std::size_t>(id)][static_cast<std::size_t>(TextLanguage())]);
}

} // namespace corvane
