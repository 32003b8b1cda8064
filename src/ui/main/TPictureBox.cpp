#include "ui/main/TPictureBox.h"

#include <QPainter>
#include <cmath>

namespace corvane {

TPictureBox::TPictureBox(QWidget* parent) : QWidget(parent) {
    setMinimumSize(120, 120);
}

void TPictureBox::SetImage(QImage image) {
    image_ = std::move(image);
    update();
}

QRect TPictureBox::FitRect(const QSize& image, const QSize& box) {
    if (image.width() <= 0 || image.height() <= 0 || box.width() <= 0 || box.height() <= 0)
        return {};
    const double imageRatio = static_cast<double>(image.width()) / image.height();
    const double boxRatio = static_cast<double>(box.width()) / box.height();
    if (boxRatio > imageRatio) {
        const int w = static_cast<int>(std::lround(imageRatio * box.height()));
        return {(box.width() - w) / 2, 0, w, box.height()};
    }
    const int h = static_cast<int>(std::lround(box.width() / imageRatio));
    return {0, (box.height() - h) / 2, box.width(), h};
}

void TPictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QRect target = FitRect(image_.size(), size());
    if (target.isValid()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(target, image_);
    }
}

} // namespace corvane
