#include "selection/SearchTables.h"

#include <bitset>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace corvane {

namespace {

using TTypeSet = std::bitset<256>;

TTypeSet Range(int first, int last) {
    TTypeSet set;
    for (int t = first; t <= last; ++t)
        set.set(static_cast<std::size_t>(t));
    return set;
}

TTypeSet Of(std::initializer_list<int> types) {
    TTypeSet set;
    for (const int t : types)
        set.set(static_cast<std::size_t>(t));
    return set;
}

// Group 0: forward-curved impellers, 1: backward-curved, 2..20: product families.
const std::array<TTypeSet, kTypeGroupCount>& TypeGroups() {
    static const std::array<TTypeSet, kTypeGroupCount> groups = {
        Range(60, 120), Range(149, 249), Of({149}),      Of({150}),           Of({151}),
        Of({152}),      Of({153, 157}),  Of({156}),      Of({155, 185, 205}), Of({219}),
        Of({187, 188}), Of({225, 226}),  Of({221, 222}), Of({210, 211}),      Of({217}),
        Of({207}),      Of({212}),       Of({204}),      Of({213}),           Of({220}),
        Of({218})};
    return groups;
}

} // namespace

bool TypeInGroup(std::int32_t group, std::int32_t typeNo) {
    if (group == kTypeGroupCount) return true;
    if (group < 0 || group > kTypeGroupCount) return false;
    if (typeNo < 1 || typeNo > 255) return false;
    return TypeGroups()[static_cast<std::size_t>(group)].test(static_cast<std::size_t>(typeNo));
}

int StandardDiameterIndex(double d2) {
    int index = 0;
    for (std::size_t i = 0; i < kStandardDiameters.size(); ++i)
        if (std::fabs(kStandardDiameters[i] - d2) <= 2) index = static_cast<int>(i);
    return index;
}

} // namespace corvane
