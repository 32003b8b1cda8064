#pragma once

#include <string>
#include <utility>

namespace corvane {

// The outcome of an operation that can fail for a reason a person should read (saving or
// opening a file, a search): success, or failure with a message that a dialog can show as it
// is. Converts to true on success.
class [[nodiscard]] TOutcome {
public:
    TOutcome() = default; // success
    static TOutcome Failure(std::string message) {
        TOutcome outcome;
        outcome.failed_ = true;
        outcome.message_ = std::move(message);
        return outcome;
    }

    bool Ok() const { return !failed_; }
    explicit operator bool() const { return !failed_; }
    // Empty on success.
    const std::string& Message() const { return message_; }

private:
    bool failed_ = false;
    std::string message_;
};

} // namespace corvane
