#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Replaces the Greek-letter markers of captions and texts by their letters (UTF-8 in and out):
// "´beta´" β, "´phi´" φ, "´rho´" ρ, "´eta´" η, "´psi´" ψ, "´d´" Δ, "´Lambda´" λ. Every text
// meant for people (windows, pages, the command-line tool's tables) goes through it; stored
// texts and file keys keep the markers.
std::string GreekText(std::string_view text);

} // namespace corvane
