#pragma once

#include <string>
#include <vector>

namespace corvane {

struct TEfficiencyGrade;

// One line of the energy-efficiency block: a label and its value text (Greek letters
// resolved, "." as decimal point).
struct TGradeLine {
    std::string Label;
    std::string Value;
};

// "Energieeffizienz" / "Energy efficiency" / ... in a text language (0..2, clamped).
std::string EnergyEfficiencyTitle(int language);

// The grade of a result row as the details panel, the context menu and the cover sheet show
// it: fan type, best-efficiency point, electrical input, both regulations and the Fan Energy
// Index. Flows in the display unit of `unitSystem`.
std::vector<TGradeLine> GradeLines(const TEfficiencyGrade& grade, int language, int unitSystem);

// "erfüllt" / "pass" / ..., "nicht erfüllt" / "fail" / ..., and the text of a value that
// does not apply.
std::string PassText(bool pass, int language);
std::string NotApplicableText(int language);

} // namespace corvane
