#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace corvane {

enum class TextId : int;

// Strings are UTF-8 inside the program; these cross into and out of Qt.
QString ToQString(std::string_view utf8);
std::string ToUtf8(const QString& text);
// A text meant for people: the Greek-letter markers become their letters.
QString ShownText(std::string_view utf8);
// A program text in the current text language, Greek markers replaced.
QString QTxt(TextId id);
// A caption as a tooltip or hint: the "&" mnemonics removed.
QString WithoutMnemonics(const QString& caption);

} // namespace corvane
