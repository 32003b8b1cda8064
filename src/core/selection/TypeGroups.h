#pragma once

#include <string>
#include <vector>

namespace corvane {

class TMdbLrTyp;

// One entry of the impeller-type list: its name and the type group it stands for.
struct TTypeGroupEntry {
    std::string Name;
    int Group = 0;
};

// Name of a type group in the current text language: "Vorwärtsgekrümmte VLR" (0),
// "Rückwärtsgekrümmte VLR" (1), "alle VLR" (21); a product family (2..20) is named by the
// designations of its impeller types in the catalogue, in type-number order, joined by "/"
// (a type without designation by its number). Empty for a family without types.
std::string TypeGroupName(const TMdbLrTyp& types, int group);

// The type groups the search offers: every group 0..21 with a name to which at least one
// impeller type of the catalogue belongs, in group order.
std::vector<TTypeGroupEntry> OfferedTypeGroups(const TMdbLrTyp& types);

} // namespace corvane
