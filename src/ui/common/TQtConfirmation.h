#pragma once

#include "mdb/TConfirmation.h"

class QWidget;

namespace corvane {

// Asks the core's OK/Cancel questions in a message box over the given window; installed for
// its lifetime unless another handler (a test's script) is already installed.
class TQtConfirmation : public TConfirmation {
public:
    explicit TQtConfirmation(QWidget* owner);
    ~TQtConfirmation() override;
    TQtConfirmation(const TQtConfirmation&) = delete;
    TQtConfirmation& operator=(const TQtConfirmation&) = delete;

    bool Confirm(const std::string& question) override;

private:
    QWidget* owner_;
    bool installed_ = false;
};

} // namespace corvane
