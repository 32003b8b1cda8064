#pragma once

#include <QWidget>

namespace corvane {

// The status line "StatusLine": panel 0 (100 pixels) shows the search progress as a bar in
// the highlight colour, panel 1 (400 pixels and the rest) carries the hint and status texts.
// A warning colours the line yellow.
class TStatusLine : public QWidget {
    Q_OBJECT
public:
    static constexpr int kProgressWidth = 100;
    static constexpr int kTextWidth = 400;

    explicit TStatusLine(QWidget* parent = nullptr);

    void SetText(const QString& text, bool warning);
    const QString& Text() const { return text_; }
    bool Warning() const { return warning_; }
    // Fraction done 0..1; repaints the progress panel at once.
    void SetProgress(double fraction);
    double Progress() const { return progress_; }
    // Pixel width of the filled part of the progress panel.
    int ProgressPixels() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    bool warning_ = false;
    double progress_ = 0;
};

} // namespace corvane
