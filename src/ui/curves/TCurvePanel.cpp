#include "ui/curves/TCurvePanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace corvane {

TCurvePanel::TCurvePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DiagramPanel"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(160, 120);
}

void TCurvePanel::SetData(TCurveDiagramData diagramData) {
    data_ = std::move(diagramData);
    UpdateLayout();
    update();
}

void TCurvePanel::UpdateLayout() {
    layout_ = CurveDiagramLayout(*this, rect(), data_);
}

void TCurvePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    layout_ = PaintCurveDiagram(painter, rect(), data_);
}

void TCurvePanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateLayout();
}

void TCurvePanel::mousePressEvent(QMouseEvent* event) {
    Q_EMIT Pressed(event->position().toPoint(), event->button());
}

void TCurvePanel::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT Moved(event->position().toPoint());
}

void TCurvePanel::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT Released(event->position().toPoint(), event->button());
}

} // namespace corvane
