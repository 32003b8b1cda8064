#include "ui/measurements/TQtRigProgram.h"

#include "acquisition/TRigCommand.h"
#include "i18n/Texts.h"

#include <QPlainTextEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScrollBar>
#include <QStringList>
#include <QWidget>

namespace corvane {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int kCloseAttempts = 3;
constexpr int kAttemptWaitMs = 100;
constexpr int kKillWaitMs = 2000;
constexpr qsizetype kMaxOutput = 200000;

} // namespace

TQtRigProgram::TQtRigProgram(QWidget* owner) : QObject(owner), owner_(owner) {}

TQtRigProgram::~TQtRigProgram() {
    Close();
    delete window_;
}

void TQtRigProgram::Start(const TRigCommand& command) {
    Close();
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::MergedChannels);
    connect(process_, &QProcess::readyRead, this, &TQtRigProgram::TakeOutput);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : command.Environment)
        environment.insert(FromUtf8(name), FromUtf8(value));
    process_->setProcessEnvironment(environment);
    process_->setWorkingDirectory(FromUtf8(command.WorkingFolder));
    QStringList arguments;
    for (const std::string& a : command.Arguments)
        arguments << FromUtf8(a);
    process_->start(FromUtf8(command.Program), arguments);
    if (!process_->waitForStarted(5000)) {
        output_ += FromUtf8(command.Program) + QStringLiteral(": ") + process_->errorString() +
                   QLatin1Char('\n');
        Q_EMIT OutputChanged();
    }
}

void TQtRigProgram::Close() {
    if (process_ == nullptr) return;
    for (int attempt = 0; attempt < kCloseAttempts && IsRunning(); ++attempt) {
        process_->write("close\n");
        process_->terminate();
        process_->waitForFinished(kAttemptWaitMs);
    }
    if (IsRunning()) {
        process_->kill();
        process_->waitForFinished(kKillWaitMs);
    }
    TakeOutput();
    process_->disconnect(this);
    delete process_;
    process_ = nullptr;
}

bool TQtRigProgram::IsRunning() const {
    return process_ != nullptr && process_->state() != QProcess::NotRunning;
}

qint64 TQtRigProgram::ProcessId() const {
    return IsRunning() ? process_->processId() : 0;
}

void TQtRigProgram::TakeOutput() {
    if (process_ == nullptr) return;
    const QByteArray bytes = process_->readAll();
    if (bytes.isEmpty()) return;
    output_ += QString::fromUtf8(bytes);
    if (output_.size() > kMaxOutput) output_.remove(0, output_.size() - kMaxOutput);
    if (window_) {
        window_->setPlainText(output_);
        window_->verticalScrollBar()->setValue(window_->verticalScrollBar()->maximum());
    }
    Q_EMIT OutputChanged();
}

void TQtRigProgram::Show() {
    if (!window_) {
        window_ = new QPlainTextEdit(owner_);
        window_->setWindowFlag(Qt::Window);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->setReadOnly(true);
        window_->setWindowTitle(QString::fromUtf8(Txt(TextId::MwRigOutput)));
        window_->resize(560, 320);
    }
    TakeOutput();
    window_->setPlainText(output_);
    if (window_->isMinimized()) window_->showNormal();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace corvane
