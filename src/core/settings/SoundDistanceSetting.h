#pragma once

namespace corvane {

// The setting "LpAbstand" keeps the sound-level distance in metres with its sign as the
// switch: above 1 the levels are converted to that distance; a negative value keeps the
// magnitude for the next time while the conversion is off.
inline constexpr double kSmallestSoundDistance = 1.0;

// Whether the levels are converted.
bool SoundDistanceOn(float stored);
// The distance offered for editing: the magnitude, at least 1 m.
double SoundDistanceShown(float stored);
// The setting from an edited distance in metres (at least 1 m) and the switch.
float SoundDistanceStored(double metres, bool convert);

} // namespace corvane
