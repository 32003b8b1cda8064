#pragma once

#include <QImage>
#include <QWidget>

namespace corvane {

// A box that draws one image as large as fits, centred, keeping its proportions.
class TPictureBox : public QWidget {
    Q_OBJECT
public:
    explicit TPictureBox(QWidget* parent = nullptr);
    void SetImage(QImage image);
    bool HasImage() const { return !image_.isNull(); }
    // Where the image is drawn in a box of the given size.
    static QRect FitRect(const QSize& image, const QSize& box);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

} // namespace corvane
