#include "selection/TWarenkorbEintrag.h"

#include "util/Numbers.h"

namespace corvane {

std::string WriteCartText(const TWarenkorb& cart) {
    std::string text;
    for (std::size_t i = 0; i < cart.size(); ++i) {
        if (i > 0) text += '|';
        text += std::to_string(cart[i].Id);
        text += ':';
        text += FormatDouble(cart[i].Speed);
        text += ':';
        text += FormatDouble(cart[i].Flow);
    }
    return text;
}

TWarenkorb ReadCartText(std::string_view text) {
    TWarenkorb cart;
    std::size_t start = 0;
    while (start <= text.size() && cart.size() < kMaxCartEntries) {
        std::size_t end = text.find('|', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view part = text.substr(start, end - start);
        std::size_t pos = 0;
        TWarenkorbEintrag entry;
        entry.Id = ClampRoundInt(NextSignedNumberLong(part, pos));
        entry.Speed = NextSignedNumberLong(part, pos);
        entry.Flow = NextSignedNumberLong(part, pos);
        if (entry.IsValid()) cart.push_back(entry);
        start = end + 1;
    }
    return cart;
}

} // namespace corvane
