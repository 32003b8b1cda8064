#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Identifier of a result row: the housing number, or for a row without housing the impeller
// number + 1000000.
inline constexpr std::int32_t kImpellerIdOffset = 1000000;
inline std::int32_t ErgId(std::int32_t housingNumber, std::int32_t impellerNumber) {
    return housingNumber > 0 ? housingNumber : impellerNumber + kImpellerIdOffset;
}

// Id list of the rows with a chart mark: each identifier followed by ";".
std::string WriteIdList(const std::vector<std::int32_t>& ids);
// Reads the digit runs of an id list; identifiers below 1 are skipped.
std::vector<std::int32_t> ReadIdList(std::string_view text);

// Remark marker of a result row's speed class: "*3" no speed limits recorded, "*4" no speed
// limits and no catalogue measurement, "*1" / "*2" above the maximum speed (reinforced version
// at standard density / other density), empty otherwise.
const char* RemarkMarker(std::int32_t speedClass, bool densityNonStd);

} // namespace corvane
