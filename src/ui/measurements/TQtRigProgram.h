#pragma once

#include "acquisition/TRigProgram.h"

#include <QObject>
#include <QPointer>

class QPlainTextEdit;
class QProcess;
class QWidget;

namespace corvane {

// The acquisition program as a child process. Closing asks it politely ("close" on its
// standard input and SIGTERM, up to three times, 100 ms apart) and kills it when it is still
// there, so it is never left running. "Messung zeigen" brings up a window with what the
// program wrote to its output.
class TQtRigProgram : public QObject, public TRigProgram {
    Q_OBJECT
public:
    explicit TQtRigProgram(QWidget* owner);
    ~TQtRigProgram() override;

    void Start(const TRigCommand& command) override;
    void Close() override;
    void Show() override;
    bool IsRunning() const override;

    // Process id of the running program, 0 when none (tests).
    qint64 ProcessId() const;
    // What the program wrote so far, and why it could not be started.
    QString Output() const { return output_; }

Q_SIGNALS:
    void OutputChanged();

private:
    void TakeOutput();

    QWidget* owner_;
    QProcess* process_ = nullptr;
    QString output_;
    QPointer<QPlainTextEdit> window_;
};

} // namespace corvane
