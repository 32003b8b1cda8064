#include "catalogue/TDuplicateKey.h"

#include "i18n/Texts.h"
#include "util/Text.h"

#include <algorithm>

namespace corvane {

std::string DuplicateKeysWarning(const std::vector<TDuplicateKey>& duplicates,
                                 std::size_t maxLines) {
    if (duplicates.empty()) return {};
    std::string text = Txt(TextId::DuplicateKeysWarning);
    const std::size_t shown = std::min(duplicates.size(), maxLines);
    for (std::size_t i = 0; i < shown; ++i) {
        const TDuplicateKey& d = duplicates[i];
        text += '\n' + d.Table + ' ' + std::to_string(d.Key);
        if (d.SeriesNo != 0)
            text += std::string(" (") + Txt(TextId::DuplicateKeyInSeries) + ' ' +
                    std::to_string(d.SeriesNo) + ')';
    }
    if (shown < duplicates.size())
        text += '\n' + ReplaceAll(Txt(TextId::DuplicateKeysMore), "%s",
                                  std::to_string(duplicates.size() - shown));
    return text;
}

} // namespace corvane
