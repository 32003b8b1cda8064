#pragma once

#include <QPoint>
#include <cstdint>
#include <optional>

namespace corvane {

class TDiagram;
struct TPointList;

// What the mouse does to the selected flows and system parabolas on a curve diagram: picking
// the nearest one, inserting the clicked value, deleting, and dragging with the 5-pixel rule.
// Works on the program-wide lists given at construction; knows no widget.
class TPointPicker {
public:
    // The diagram under the mouse: its axis maps, whether it is drawn over volume flow and
    // shows a pressure, and the unit system of its world values.
    struct TTarget {
        const TDiagram* Diagram = nullptr;
        bool OverFlow = true;
        bool Pressure = true;
        int Units = 0;
    };

    // Moves of at most this many pixels in x and y do not start a drag.
    static constexpr int kDragSlack = 4;

    TPointPicker(TPointList& flows, TPointList& parabolas);

    int ShowMode() const { return showMode_; }
    void SetShowMode(int mode);
    // The list of the mode: selected flows (1), parabolas (2), none (0).
    TPointList* ActiveList() const;
    // Whether the target takes points in the current mode: selected flows on diagrams over
    // volume flow, parabolas on pressure diagrams over volume flow.
    bool Accepts(const TTarget& target) const;

    // Makes the point nearest to the pixel current and remembers the clicked value. False
    // (nothing changed) when the target takes no points.
    bool Pick(const TTarget& target, QPoint pixel);
    // The clicked value can be inserted / the mode's list has a current point.
    bool CanInsert() const;
    bool CanDelete() const;
    void InsertClicked();
    void DeleteCurrent();
    std::int32_t ClickedValue() const { return clicked_; }

    // Left button down: picks, and with a current point anchors a drag. True when the mouse
    // is to be captured.
    bool Press(const TTarget& target, QPoint pixel);
    // True when the current point moved (repaint).
    bool Move(const TTarget& target, QPoint pixel);
    // Ends a press. After a drag the list is sorted and the pixel x to put the mouse pointer
    // on is returned: the dragged flow's line, or the release x for a parabola.
    std::optional<int> Release(const TTarget& target, QPoint pixel);
    bool Pressed() const { return pressed_; }
    bool Dragging() const { return dragging_; }

private:
    // The mode's value at a pixel: the flow (m³/h) or the parabola through the point.
    double FlowAt(const TTarget& target, QPoint pixel) const;
    std::int32_t ParabolaAt(const TTarget& target, QPoint pixel) const;

    TPointList& flows_;
    TPointList& parabolas_;
    int showMode_ = 0;
    std::int32_t clicked_ = 0;
    QPoint anchor_;
    bool pressed_ = false;
    bool dragging_ = false;
};

} // namespace corvane
