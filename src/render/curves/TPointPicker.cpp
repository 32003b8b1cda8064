#include "render/curves/TPointPicker.h"

#include "render/diagram/TDiagram.h"
#include "selection/PointListEdit.h"
#include "units/Units.h"

#include <cstdlib>

namespace corvane {

namespace {

constexpr int kFlowQuantity = 11;
constexpr int kPressureQuantity = 9;

} // namespace

TPointPicker::TPointPicker(TPointList& flows, TPointList& parabolas)
    : flows_(flows), parabolas_(parabolas) {}

void TPointPicker::SetShowMode(int mode) {
    showMode_ = mode == 1 || mode == 2 ? mode : 0;
    pressed_ = false;
    dragging_ = false;
}

TPointList* TPointPicker::ActiveList() const {
    if (showMode_ == 1) return &flows_;
    if (showMode_ == 2) return &parabolas_;
    return nullptr;
}

bool TPointPicker::Accepts(const TTarget& target) const {
    if (target.Diagram == nullptr || !target.OverFlow) return false;
    return showMode_ == 1 || (showMode_ == 2 && target.Pressure);
}

double TPointPicker::FlowAt(const TTarget& target, QPoint pixel) const {
    return FromDisplay(kFlowQuantity, target.Units, target.Diagram->XAxis.PixelToWorld(pixel.x()));
}

std::int32_t TPointPicker::ParabolaAt(const TTarget& target, QPoint pixel) const {
    const double pressure =
        FromDisplay(kPressureQuantity, target.Units, target.Diagram->YAxis.PixelToWorld(pixel.y()));
    return ParabolaThrough(FlowAt(target, pixel), pressure);
}

bool TPointPicker::Pick(const TTarget& target, QPoint pixel) {
    if (!Accepts(target)) return false;
    TPointList& list = *ActiveList();
    clicked_ = showMode_ == 1 ? ClickedFlow(FlowAt(target, pixel)) : ParabolaAt(target, pixel);
    const int nearest = NearestPoint(list, clicked_);
    if (nearest > 0) list.Current = nearest;
    return true;
}

bool TPointPicker::CanInsert() const {
    const TPointList* list = ActiveList();
    return list != nullptr && CanInsertPoint(*list, clicked_);
}

bool TPointPicker::CanDelete() const {
    const TPointList* list = ActiveList();
    return list != nullptr && list->Current >= 1 &&
           list->Current <= static_cast<int>(list->Values.size());
}

void TPointPicker::InsertClicked() {
    if (TPointList* list = ActiveList()) InsertPoint(*list, clicked_);
}

void TPointPicker::DeleteCurrent() {
    if (TPointList* list = ActiveList()) DeleteCurrentPoint(*list);
}

bool TPointPicker::Press(const TTarget& target, QPoint pixel) {
    pressed_ = false;
    dragging_ = false;
    if (!Pick(target, pixel) || !CanDelete()) return false;
    anchor_ = pixel;
    pressed_ = true;
    return true;
}

bool TPointPicker::Move(const TTarget& target, QPoint pixel) {
    if (!pressed_ || !Accepts(target) || !CanDelete()) return false;
    if (!dragging_) {
        const QPoint delta = pixel - anchor_;
        if (std::abs(delta.x()) <= kDragSlack && std::abs(delta.y()) <= kDragSlack) return false;
        dragging_ = true;
    }
    const std::int32_t value =
        showMode_ == 1 ? DraggedFlow(FlowAt(target, pixel)) : ParabolaAt(target, pixel);
    SetCurrentPointValue(*ActiveList(), value);
    return true;
}

std::optional<int> TPointPicker::Release(const TTarget& target, QPoint pixel) {
    const bool dragged = pressed_ && dragging_;
    pressed_ = false;
    dragging_ = false;
    if (!dragged || ActiveList() == nullptr) return std::nullopt;
    TPointList& list = *ActiveList();
    SortPoints(list);
    if (showMode_ != 1 || !CanDelete() || target.Diagram == nullptr) return pixel.x();
    const double flow = list.Values[static_cast<std::size_t>(list.Current - 1)];
    return target.Diagram->PixelX(ToDisplay(kFlowQuantity, target.Units, flow));
}

} // namespace corvane
