#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>

namespace corvane {

class TImage;

// A sketch or picture box: the image scaled to fit, centred, on a framed empty box.
// A double click is reported (the picture dialog chooses a file on it).
class TPicturePane : public QWidget {
    Q_OBJECT
public:
    explicit TPicturePane(QWidget* parent = nullptr);

    void SetImage(const TImage& image);
    void SetImage(const QImage& image);
    const QImage& Image() const { return image_; }

Q_SIGNALS:
    void DoubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Scales the image for the current size once, outside painting.
    void Rescale();

    QImage image_;
    QPixmap scaled_;
    QRect target_;
};

} // namespace corvane
