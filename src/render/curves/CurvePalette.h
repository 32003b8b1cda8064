#pragma once

#include <QColor>
#include <array>

namespace corvane {

// Colour of curve 1..10 (curve i is also drawn with marker symbol i); black outside.
QColor CurveColour(int curve);
// Lines of the selected points and system parabolas: the current one, the others.
inline const QColor kCurrentPointColour{0, 255, 0};
inline const QColor kOtherPointColour{0, 128, 0};

// The diagram codes offered for a selection, in menu order.
inline constexpr std::array<int, 13> kSelectionDiagrams{1,  2,  3,  5,  6,  9, 10,
                                                        11, 12, 13, 14, 15, 19};

} // namespace corvane
