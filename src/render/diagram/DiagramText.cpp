#include "render/diagram/DiagramText.h"

#include "util/GreekText.h"

namespace corvane {

QString DiagramText(std::string_view utf8) {
    const std::string text = GreekText(utf8);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace corvane
