#include "ui/main/TStatusLine.h"

#include <QPainter>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

namespace corvane {

namespace {
constexpr int kBorder = 2;
}

TStatusLine::TStatusLine(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusLine"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TStatusLine::SetText(const QString& text, bool warning) {
    if (text == text_ && warning == warning_) return;
    text_ = text;
    warning_ = warning;
    update();
}

void TStatusLine::SetProgress(double fraction) {
    progress_ = std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
    repaint(QRect(0, 0, kProgressWidth, height()));
}

int TStatusLine::ProgressPixels() const {
    const int inner = kProgressWidth - 2 * kBorder;
    return static_cast<int>(std::lround(inner * progress_));
}

QSize TStatusLine::sizeHint() const {
    return {kProgressWidth + kTextWidth, fontMetrics().height() + 2 * kBorder + 4};
}

void TStatusLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor face = warning_ ? QColor(Qt::yellow) : palette().color(QPalette::Window);
    p.fillRect(rect(), face);
    const QRect bar(0, 0, kProgressWidth, height());
    const QRect inner = bar.adjusted(kBorder, kBorder, -kBorder, -kBorder);
    p.fillRect(QRect(inner.left(), inner.top(), ProgressPixels(), inner.height()),
               palette().color(QPalette::Highlight));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(bar.adjusted(0, 0, -1, -1));
    const QRect textPanel(kProgressWidth + 2, 0, width() - kProgressWidth - 2, height());
    p.drawRect(textPanel.adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(textPanel.adjusted(6, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, text_);
}

} // namespace corvane
