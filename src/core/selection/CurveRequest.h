#pragma once

namespace corvane {

class TMessAuswahl;
struct TAuswahlParam;

// Hands the duty point of a search request to the curve selection: flow, pressure and
// tolerance, and the deviation kind only for a search at a given speed (-1 otherwise, so the
// curve windows draw no tolerance bar for a computed speed).
void SetCurveRequest(TMessAuswahl& selection, const TAuswahlParam& request);

} // namespace corvane
