#pragma once

#include <QString>

namespace corvane {

// Texts of the curve windows.
enum class EKennlText {
    CopyBtn,
    PrintBtn,
    CloseBtn,
    CopyMen,
    PunkteMen,
    ParabelMen,
    PunktInsMen,
    PunktDelMen,
};

// The text in the current text language.
QString KennlText(EKennlText id);

} // namespace corvane
