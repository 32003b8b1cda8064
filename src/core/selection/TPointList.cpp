#include "selection/TPointList.h"

#include "util/Numbers.h"

namespace corvane {

std::string WriteListText(const TPointList& list) {
    std::string text;
    for (std::size_t i = 0; i < list.Values.size(); ++i) {
        if (i > 0) text += '|';
        if (static_cast<int>(i) + 1 == list.Current) text += '-';
        text += std::to_string(list.Values[i]);
    }
    return text;
}

TPointList ReadListText(std::string_view text) {
    TPointList list;
    std::size_t pos = 0;
    while (pos < text.size() && list.Values.size() < kMaxListPoints) {
        const std::int32_t value = ClampRoundInt(NextSignedNumberLong(text, pos));
        if (value == 0) continue;
        list.Values.push_back(value < 0 ? -value : value);
        if (value < 0) list.Current = static_cast<int>(list.Values.size());
    }
    if (list.Current == 0 && !list.Values.empty()) list.Current = 1;
    return list;
}

} // namespace corvane
