#pragma once

#include <QColor>

namespace corvane {

// True when any of red, green and blue is above 127.
bool IsLightColour(const QColor& colour);
// The colour a diagram draws `colour` with. A colour surface shows it unchanged. A two-colour
// surface (monochrome bitmap or printer) with a light background keeps white and draws every
// other colour black; with a dark background black becomes white and every other colour
// black.
QColor MapColour(bool colourDevice, bool lightBackground, const QColor& colour);

} // namespace corvane
