#include "ui/reports/TEvaluationCommands.h"

#include "i18n/Texts.h"
#include "ui/reports/TAuswertungForm.h"

#include <QAction>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace corvane {

TEvaluationCommands::TEvaluationCommands(const TCurveWindowContext& context,
                                         std::function<void()> prepare, QWidget* window)
    : QObject(window), context_(context), prepare_(std::move(prepare)), window_(window),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      printBtn_(new QPushButton(window)), printSetupMen_(new QAction(this)),
      printMen_(new QAction(this)) {
    printBtn_->setObjectName(QStringLiteral("PrintBtn"));
    printSetupMen_->setObjectName(QStringLiteral("PrintSetupMen"));
    printMen_->setObjectName(QStringLiteral("PrintMen"));
    printMen_->setVisible(false);
    ApplyTexts();
    connect(printBtn_, &QPushButton::clicked, this, [this] { ShowPreview(); });
    connect(printSetupMen_, &QAction::triggered, this, [this] {
        QPageSetupDialog dialog(printer_.get(), window_);
        dialog.exec();
    });
    connect(printMen_, &QAction::triggered, this, [this] {
        QPrintDialog dialog(printer_.get(), window_);
        dialog.exec();
    });
}

TEvaluationCommands::~TEvaluationCommands() = default;

void TEvaluationCommands::ApplyTexts() {
    printBtn_->setText(QString::fromUtf8(Txt(TextId::PrintBtn)));
    printSetupMen_->setText(QString::fromUtf8(Txt(TextId::PrintSetupMen)));
    printMen_->setText(QString::fromUtf8(Txt(TextId::PrintMen)));
}

bool TEvaluationCommands::ShowPreview() {
    if (prepare_) prepare_();
    TAuswertungForm form(context_, window_);
    form.SetPrinter(printer_.get());
    return form.exec() == QDialog::Accepted;
}

} // namespace corvane
