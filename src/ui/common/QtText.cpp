#include "ui/common/QtText.h"

#include "i18n/Texts.h"
#include "util/GreekText.h"

namespace corvane {

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToUtf8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString ShownText(std::string_view utf8) {
    return ToQString(GreekText(utf8));
}

QString QTxt(TextId id) {
    return ShownText(corvane::Txt(id));
}

QString WithoutMnemonics(const QString& caption) {
    QString text = caption;
    text.remove(QLatin1Char('&'));
    return text;
}

} // namespace corvane
