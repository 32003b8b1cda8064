#pragma once

#include "DemoContent.h"

#include <string>

namespace corvane {

class TMdbLaufrad;
class TMdbGehaeuse;
class TMdbRecord;
struct TFamily;

// Data sheets of impellers and housings: title, dimension table and sketch; the file name
// follows the data-sheet rule of the result list (dots of the sheet number become "_").
TDataSheet ImpellerSheet(const TMdbLaufrad& table, const TMdbRecord* impeller,
                         const TFamily& family, const std::string& sheetNo);
TDataSheet HousingSheet(const TMdbGehaeuse& table, const TMdbRecord* housing,
                        const std::string& sheetNo);
// "L150.0450" -> "L150_0450.pdf".
std::string SheetFileName(const std::string& sheetNo);

} // namespace corvane
