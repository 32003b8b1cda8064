#pragma once

#include <stdexcept>
#include <string>

namespace corvane {

// The range error of the table engine and of the catalogue rules; it carries the text shown
// to the user ("Mdb index error", "Illegal byte count from stream!", ...).
class EMdbError : public std::runtime_error {
public:
    explicit EMdbError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace corvane
