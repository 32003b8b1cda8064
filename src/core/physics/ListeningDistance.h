#pragma once

namespace corvane {

// The listening distance in metres for sound levels (setting "LpAbstand"); -1 for none.
// Process-wide, read by every point evaluation.
double ListeningDistance();
void SetListeningDistance(double metres);

} // namespace corvane
