#include "ui/main/TIntroForm.h"

#include "i18n/Texts.h"
#include "ui/common/QtText.h"
#include "ui/main/ProgramTitle.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QVBoxLayout>

namespace corvane {

namespace {
TIntroForm* g_splash = nullptr;
constexpr int kMargin = 4;
} // namespace

TIntroForm::TIntroForm(const QString& picturePath, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("IntroForm"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("corvane--TIntroForm { border: 1px solid #404040; }"));

    pictureLabel_ = new QLabel(this);
    pictureLabel_->setAlignment(Qt::AlignCenter);
    const QPixmap picture(picturePath.isEmpty() ? DefaultPicturePath() : picturePath);
    if (!picture.isNull()) pictureLabel_->setPixmap(picture);

    textPanel_ = new QWidget(this);
    auto* title = new QLabel(QString::fromUtf8(kApplicationTitle), textPanel_);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2.0);
    big.setBold(true);
    title->setFont(big);
    auto* info = new QLabel(QTxt(TextId::AboutInfo), textPanel_);
    gauge_ = new QProgressBar(textPanel_);
    gauge_->setObjectName(QStringLiteral("Gauge"));
    gauge_->setRange(0, kSteps);
    gauge_->setValue(0);
    gauge_->setTextVisible(false);
    gauge_->setFixedHeight(12);
    versionLabel_ = new QLabel(QStringLiteral("Halvik"), textPanel_);
    QFont small = versionLabel_->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    versionLabel_->setFont(small);
    versionLabel_->adjustSize();

    textPanel_->installEventFilter(this);
    auto* panelLayout = new QVBoxLayout(textPanel_);
    panelLayout->addWidget(title, 0, Qt::AlignHCenter);
    panelLayout->addWidget(info, 0, Qt::AlignHCenter);
    panelLayout->addSpacing(6);
    panelLayout->addWidget(gauge_);
    panelLayout->addSpacing(versionLabel_->height());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(pictureLabel_, 1);
    layout->addWidget(textPanel_);

    const int panelHeight = textPanel_->sizeHint().height();
    const int width = std::max(kMinWidth, picture.width() + 2 * kMargin);
    const int height = std::max(kMinHeight, picture.height() + panelHeight + 2 * kMargin);
    setFixedSize(width, height);
    g_splash = this;
}

TIntroForm::~TIntroForm() {
    if (g_splash == this) g_splash = nullptr;
}

void TIntroForm::Step() {
    gauge_->setValue(std::min(gauge_->value() + 1, kSteps));
    if (isVisible()) repaint();
}

int TIntroForm::Position() const {
    return gauge_->value();
}

void TIntroForm::ProgressStep() {
    if (g_splash != nullptr) g_splash->Step();
}

QString TIntroForm::DefaultPicturePath() {
    const QFileInfo program(QApplication::applicationFilePath());
    return program.absolutePath() + QLatin1Char('/') + program.completeBaseName() +
           QStringLiteral(".BMP");
}

bool TIntroForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == textPanel_ && event->type() == QEvent::Resize) PlaceVersionLabel();
    return QWidget::eventFilter(watched, event);
}

void TIntroForm::PlaceVersionLabel() {
    // The small label sits 8 pixels from the panel's right edge, at its bottom.
    versionLabel_->move(textPanel_->width() - versionLabel_->width() - 8,
                        textPanel_->height() - versionLabel_->height() - 2);
}

} // namespace corvane
