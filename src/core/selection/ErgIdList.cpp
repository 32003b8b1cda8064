#include "selection/ErgIdList.h"

#include "util/Numbers.h"

namespace corvane {

std::string WriteIdList(const std::vector<std::int32_t>& ids) {
    std::string text;
    for (const std::int32_t id : ids) {
        text += std::to_string(id);
        text += ';';
    }
    return text;
}

std::vector<std::int32_t> ReadIdList(std::string_view text) {
    std::vector<std::int32_t> ids;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::int32_t id = ClampRoundInt(NextDigitsNumberLong(text, pos));
        if (id >= 1) ids.push_back(id);
    }
    return ids;
}

const char* RemarkMarker(std::int32_t speedClass, bool densityNonStd) {
    if (speedClass == 1) return "*3";
    if (speedClass == 2) return "*4";
    if (speedClass >= 10 && speedClass <= 29) return densityNonStd ? "*2" : "*1";
    return "";
}

} // namespace corvane
