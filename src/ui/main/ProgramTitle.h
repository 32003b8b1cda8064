#pragma once

namespace corvane {

// The application title; the main window shows it followed by the maker's name.
inline constexpr const char* kApplicationTitle = "Corvane V4.0";
inline constexpr const char* kMainTitleSuffix = " - Halvik";

} // namespace corvane
