#pragma once

#include <functional>

namespace corvane {

class TResultList;
struct TErgebnisZeile;
struct TMessSlot;

// The result row a selected series came from: a slot's display number is its 1-based row in
// `list` (the list must outlive the function). Slots whose number is not a row give nullptr.
std::function<const TErgebnisZeile*(const TMessSlot& slot)> ResultRowOf(const TResultList& list);

} // namespace corvane
