#pragma once

#include <string>
#include <vector>

namespace corvane {
class TSelectionSession;
struct TGradeOptions;
} // namespace corvane

namespace corvane::cli {

class CliArgs;

// Options of every command that searches (search, partload, batch).
extern const std::vector<std::string> kSearchOptions;

// Prepares a session as `corvane-cli search` does: the user's settings file unless
// --no-settings, then a selection file, then --units/--lang, then the typed request options
// and the cart. Malformed options raise std::invalid_argument.
void PrepareSession(const CliArgs& args, TSelectionSession& session);

// Whether --sort asks for the order by Fan Energy Index ("--sort fei").
bool SortByFei(const CliArgs& args);
// Grading options of the command line (--speed-controller).
TGradeOptions GradeOptionsOf(const CliArgs& args);

// Refuses options outside `known` and positional arguments beyond `positional` (the command
// word included).
void CheckArguments(const CliArgs& args, const std::string& command,
                    const std::vector<std::string>& known, std::size_t positional);

} // namespace corvane::cli
