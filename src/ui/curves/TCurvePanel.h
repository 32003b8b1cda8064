#pragma once

#include "render/curves/CurveDiagram.h"
#include "render/curves/TCurveDiagramData.h"

#include <QWidget>

namespace corvane {

// The diagram area of a curve window: paints the snapshot it is given and reports mouse
// buttons and moves with their pixel positions. Keeps the axis maps of the diagram it shows.
class TCurvePanel : public QWidget {
    Q_OBJECT
public:
    explicit TCurvePanel(QWidget* parent = nullptr);

    void SetData(TCurveDiagramData diagramData);
    const TCurveDiagramData& Data() const { return data_; }
    // The maps of the diagram as drawn at the current size.
    const TCurveLayout& Layout() const { return layout_; }

Q_SIGNALS:
    void Pressed(QPoint pixel, Qt::MouseButton button);
    void Moved(QPoint pixel);
    void Released(QPoint pixel, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void UpdateLayout();

    TCurveDiagramData data_;
    TCurveLayout layout_;
};

} // namespace corvane
