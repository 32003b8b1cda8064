#include "ui/main/TAboutForm.h"

#include "i18n/Texts.h"
#include "ui/common/QtText.h"
#include "ui/main/ProgramTitle.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    logoLabel_ = new QLabel(this);
    logoLabel_->setObjectName(QStringLiteral("LogoLabel"));
    logoLabel_->setTextFormat(Qt::RichText);
    logoLabel_->setOpenExternalLinks(true);
    logoLabel_->setText(QStringLiteral("<a href=\"%1\" style=\"text-decoration:none\">"
                                       "<span style=\"font-size:20pt;font-weight:bold\">"
                                       "Halvik</span></a>")
                            .arg(MakerSite()));
    titleLabel_ = new QLabel(QString::fromUtf8(kApplicationTitle), this);
    QFont big = titleLabel_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    titleLabel_->setFont(big);
    infoLabel_ = new QLabel(this);
    infoLabel_->setObjectName(QStringLiteral("InfoLabel"));
    authorLabel_ = new QLabel(this);
    authorLabel_->setObjectName(QStringLiteral("AuthorLabel"));
    authorLabel_->setTextFormat(Qt::RichText);
    authorLabel_->setOpenExternalLinks(true);
    authorLabel_->setText(QStringLiteral("<a href=\"%1\">Brask Software</a>").arg(AuthorSite()));
    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName(QStringLiteral("OkBtn"));
    okBtn_->setDefault(true);
    connect(okBtn_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(logoLabel_, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(titleLabel_, 0, Qt::AlignHCenter);
    layout->addWidget(infoLabel_, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(authorLabel_, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    ApplyLanguage();
}

void TAboutForm::ApplyLanguage() {
    setWindowTitle(QTxt(TextId::AboutTitle));
    infoLabel_->setText(QTxt(TextId::AboutInfo));
    okBtn_->setText(QTxt(TextId::OkBtn));
}

const QString& TAboutForm::MakerSite() {
    static const QString site = QStringLiteral("https://halvik.example");
    return site;
}

const QString& TAboutForm::AuthorSite() {
    static const QString site = QStringLiteral("https://brask.example");
    return site;
}

} // namespace corvane
