#pragma once

#include "mdb/TConfirmation.h"

class QWidget;

namespace corvane {

// Asks the core's OK/Cancel questions in a message box over the given window. Installed for
// its lifetime as the process-wide handler (the previous handler is not restored: there is
// only one window layer).
class TQtConfirmation : public TConfirmation {
public:
    explicit TQtConfirmation(QWidget* owner);
    ~TQtConfirmation() override;
    TQtConfirmation(const TQtConfirmation&) = delete;
    TQtConfirmation& operator=(const TQtConfirmation&) = delete;

    bool Confirm(const std::string& question) override;

private:
    QWidget* owner_;
};

} // namespace corvane
