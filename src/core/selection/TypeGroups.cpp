#include "selection/TypeGroups.h"

#include "catalogue/TMdbLrTyp.h"
#include "i18n/Texts.h"
#include "selection/SearchTables.h"
#include "util/Text.h"

namespace corvane {

namespace {

bool HasType(const TMdbLrTyp& types, int group) {
    for (int i = 0; i < types.KeyIndexCount(); ++i)
        if (TypeInGroup(group, types.GetInt(types.KeyRecord(i), TMdbLrTyp::F_TYPNR))) return true;
    return false;
}

} // namespace

std::string TypeGroupName(const TMdbLrTyp& types, int group) {
    switch (group) {
    case 0:
        return Txt(TextId::TypeGroupForward);
    case 1:
        return Txt(TextId::TypeGroupBackward);
    case kTypeGroupCount:
        return Txt(TextId::TypeGroupAll);
    default:
        break;
    }
    std::string name;
    // The key index runs in ascending type numbers.
    for (int i = 0; i < types.KeyIndexCount(); ++i) {
        const TMdbRecord* type = types.KeyRecord(i);
        const std::int32_t number = types.GetInt(type, TMdbLrTyp::F_TYPNR);
        if (group < 2 || group >= kTypeGroupCount || !TypeInGroup(group, number)) continue;
        std::string designation = Trim(types.GetText(type, TMdbLrTyp::F_TYPBEZ));
        if (designation.empty()) designation = std::to_string(number);
        name += (name.empty() ? "" : "/") + designation;
    }
    return name;
}

std::vector<TTypeGroupEntry> OfferedTypeGroups(const TMdbLrTyp& types) {
    std::vector<TTypeGroupEntry> groups;
    for (int group = 0; group <= kTypeGroupCount; ++group) {
        if (!HasType(types, group)) continue;
        std::string name = TypeGroupName(types, group);
        if (!name.empty()) groups.push_back({std::move(name), group});
    }
    return groups;
}

} // namespace corvane
