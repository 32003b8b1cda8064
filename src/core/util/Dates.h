#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// Day numbers: day 0 is 30 Dec 1899, day 1 is 31 Dec 1899, day 2 is 1 Jan 1900 (proleptic
// Gregorian calendar, negative numbers before day 0).
std::int32_t DayNumber(int year, int month, int day);
bool IsValidDate(int year, int month, int day);
void DecodeDayNumber(std::int32_t dayNumber, int& year, int& month, int& day);

// Process-wide choice of the date text order: false "dd.mm.yyyy", true "yyyy.mm.dd".
void SetDateOrderYearFirst(bool yearFirst);
bool DateOrderYearFirst();

// Date text in the chosen order; empty for day numbers below 1.
std::string DateToText(std::int32_t dayNumber);
// Three digit tokens read as day, month, year ("yyyy.mm.dd" when the first token has four
// digits or the year-first order is chosen); day <= 0 or an invalid date gives 0.
std::int32_t TextToDate(std::string_view text);
// "yyyy-mm-dd", empty for day 0 (catalogue as text).
std::string DateToIso(std::int32_t dayNumber);
// Invalid texts give 0; TryIsoToDate tells them apart from the empty text (true, day 0).
std::int32_t IsoToDate(std::string_view text);
bool TryIsoToDate(std::string_view text, std::int32_t& dayNumber);

} // namespace corvane
