#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace corvane {

struct TEfficiencyGrade;

// A grade value as tables and JSON carry it: a number, a pass flag, or nothing where the
// value does not apply.
struct TGradeValue {
    enum EKind { Null, IsNumber, IsFlag };
    EKind Kind = Null;
    double Number = 0;
    bool Flag = false;
};

// One named value of a row's grade: its JSON key, its unit and the decimals of its text.
struct TGradeField {
    const char* Key = "";
    const char* Unit = "";
    int Decimals = 0;
    TGradeValue Value;
};

inline constexpr std::size_t kGradeFieldCount = 11;
using TGradeFields = std::array<TGradeField, kGradeFieldCount>;

// The declared grade as flat values: etaBep (%), peBep (kW), n327Achieved, n327Required,
// pass327, n1834Achieved, n1834Required, pass1834, fepRef (kW), fepAct (kW), fei.
TGradeFields GradeFields(const TEfficiencyGrade& grade);
// Text of a field: the number with its decimals ("." as decimal point), the pass text of
// `language` for a flag, empty for nothing.
std::string GradeFieldText(const TGradeField& field, int language);

// Positions of the grades ordered by Fan Energy Index, highest first; grades without an
// index keep their order behind the others.
std::vector<std::size_t> OrderByFei(const std::vector<TEfficiencyGrade>& grades);

} // namespace corvane
