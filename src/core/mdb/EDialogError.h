#pragma once

#include "mdb/EMdbError.h"

#include <string>

namespace corvane {

// A refused dialog input: the message for the user and the control that gets the focus,
// given by its field number (Field > 0) or by its name.
class EDialogError : public EMdbError {
public:
    EDialogError(const std::string& message, int field) : EMdbError(message), Field(field) {}
    EDialogError(const std::string& message, std::string controlName)
        : EMdbError(message), ControlName(std::move(controlName)) {}

    int Field = 0;
    std::string ControlName;
};

} // namespace corvane
