#include "ui/catalogue/TPicturePane.h"

#include "catalogue/PictureFiles.h"
#include "catalogue/TImage.h"

#include <QPainter>

namespace corvane {

TPicturePane::TPicturePane(QWidget* parent) : QWidget(parent) {
    setMinimumSize(120, 90);
}

void TPicturePane::SetImage(const TImage& image) {
    if (image.Empty()) {
        SetImage(QImage());
        return;
    }
    const QImage::Format format =
        image.Channels() == 4 ? QImage::Format_RGBA8888 : QImage::Format_RGB888;
    // A deep copy: the view onto the decoded pixels must not outlive them.
    SetImage(QImage(image.Data(), image.Width(), image.Height(),
                    static_cast<qsizetype>(image.Stride()), format)
                 .copy());
}

void TPicturePane::SetImage(const QImage& image) {
    image_ = image;
    Rescale();
}

void TPicturePane::resizeEvent(QResizeEvent* /*event*/) {
    Rescale();
}

void TPicturePane::Rescale() {
    const TPictureRect fit =
        FitPicture(image_.width(), image_.height(), 1, 1, width() - 2, height() - 2);
    if (image_.isNull() || !fit.Valid) {
        scaled_ = QPixmap();
    } else {
        target_ = QRect(fit.X, fit.Y, fit.Width, fit.Height);
        scaled_ = QPixmap::fromImage(
            image_.scaled(target_.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    update();
}

void TPicturePane::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!scaled_.isNull()) painter.drawPixmap(target_.topLeft(), scaled_);
}

void TPicturePane::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
    Q_EMIT DoubleClicked();
}

} // namespace corvane
