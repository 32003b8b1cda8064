#pragma once

#include "selection/TPointList.h"

#include <cstdint>

namespace corvane {

// Editing the program-wide point lists: the selected volume flows and the system parabolas
// (each stored as the flow at which it reaches kParabolaPressure). Values are m³/h, at least
// 1, ascending after every completed change; the current entry follows its value.

inline constexpr double kParabolaPressure = 1000;        // Pa
inline constexpr std::int32_t kMaxDraggedFlow = 1000000; // m³/h
inline constexpr std::int32_t kMaxPointValue = 1000000000;

// 1-based index of the entry nearest to `value` (the first one on a tie); 0 for an empty list.
int NearestPoint(const TPointList& list, double value);
// A clicked value can become a new entry when it is at least 1 and the list is not full.
bool CanInsertPoint(const TPointList& list, std::int32_t value);
// Appends `value` as the current entry and sorts; nothing when it cannot be inserted.
void InsertPoint(TPointList& list, std::int32_t value);
// Removes the current entry; the current index stays, limited to the new count.
void DeleteCurrentPoint(TPointList& list);
// Ascending by repeated bubble passes; the current index follows its entry.
void SortPoints(TPointList& list);
// "+" raises the current entry by 1 (up to kMaxPointValue), "-" lowers it by 1 when it is at
// least 2; then sorts. Nothing without a current entry.
void StepCurrentPoint(TPointList& list, int delta);
// Sets the current entry while it is dragged (the list is sorted when the drag ends).
void SetCurrentPointValue(TPointList& list, std::int32_t value);

// The flow a click at `flow` (m³/h) stands for: rounded, kept inside the 32-bit range.
std::int32_t ClickedFlow(double flow);
// The flow a dragged line is moved to: rounded and kept within 1..kMaxDraggedFlow.
std::int32_t DraggedFlow(double flow);
// The parabola through a point (flow m³/h, pressure Pa), each taken as at least 1 and at
// most 1e9: the flow at which it reaches kParabolaPressure, rounded, within 1..1e9.
std::int32_t ParabolaThrough(double flow, double pressure);

} // namespace corvane
