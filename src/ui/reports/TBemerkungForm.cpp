#include "ui/reports/TBemerkungForm.h"

#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "ui/reports/TRemarkHistory.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

namespace {

const char* const kTitle[3] = {"Bemerkung für den nächsten Ausdruck",
                               "remark for the next printout", "Примечание для следующей печати"};
const char* const kRecall[3] = {"&letzte Bemerkung", "&last remark", "&Последнее примечание"};

QString Text3(const char* const texts[3]) {
    return QString::fromUtf8(texts[TextLanguage()]);
}

} // namespace

TBemerkungForm::TBemerkungForm(TRemarkHistory& history, const QString& text, QWidget* parent)
    : QDialog(parent), history_(history), memo_(new QPlainTextEdit(text, this)),
      recallBtn_(new QPushButton(Text3(kRecall), this)) {
    setObjectName(QStringLiteral("TBemerkungForm"));
    setWindowTitle(Text3(kTitle));
    history_.BeginRecall();

    auto* ok = new QPushButton(QString::fromUtf8(Txt(TextId::OkBtn)), this);
    auto* cancel = new QPushButton(QString::fromUtf8(Txt(TextId::CancelBtn)), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    recallBtn_->setObjectName(QStringLiteral("RecallBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(recallBtn_, &QPushButton::clicked, this, [this] {
        const std::string recalled = history_.Recall();
        if (!recalled.empty()) memo_->setPlainText(QString::fromStdString(recalled));
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(recallBtn_);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addSpacing(8);
    buttons->addWidget(ok);
    buttons->addSpacing(16);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_, 1);
    layout->addLayout(buttons);
    resize(480, 220);
}

QString TBemerkungForm::Text() const {
    return memo_->toPlainText();
}

void TBemerkungForm::accept() {
    history_.Commit(Text().toStdString());
    QDialog::accept();
}

} // namespace corvane
