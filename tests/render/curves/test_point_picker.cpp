// Picking, inserting and dragging selected flows and parabolas with pixel positions.
#include "render/curves/TPointPicker.h"
#include "render/diagram/TDiagram.h"
#include "selection/PointListEdit.h"
#include "selection/TPointList.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

struct TFixture {
    TPointList flows{{1000, 3000}, 1};
    TPointList parabolas{{4000}, 1};
    TPointPicker picker{flows, parabolas};
    TDiagram diagram;
    TPointPicker::TTarget target;

    TFixture() {
        // 10 m³/h per pixel from x = 0, 2 Pa per pixel upwards from y = 500.
        diagram.InitDiagram(nullptr, 0, 500, 640, 0, 0, 0, 6400, 1000);
        target.Diagram = &diagram;
    }
};

TEST(PointPicker, PickNearestAndWhatTheMenuOffers) {
    TFixture f;
    f.picker.SetShowMode(1);
    EXPECT_TRUE(f.picker.Pick(f.target, {200, 250})); // 2000: between, the first wins
    EXPECT_EQ(f.flows.Current, 1);
    EXPECT_EQ(f.picker.ClickedValue(), 2000);
    EXPECT_TRUE(f.picker.CanInsert());
    EXPECT_TRUE(f.picker.CanDelete());
    f.picker.Pick(f.target, {201, 250});
    EXPECT_EQ(f.flows.Current, 2);
    f.picker.InsertClicked();
    EXPECT_EQ(f.flows, (TPointList{{1000, 2010, 3000}, 2}));
    // Left of the axis the clicked flow is negative: nothing to insert.
    f.picker.Pick(f.target, {-5, 250});
    EXPECT_FALSE(f.picker.CanInsert());
    f.picker.DeleteCurrent();
    EXPECT_EQ(f.flows, (TPointList{{2010, 3000}, 1}));

    // Parabolas on a pressure diagram: 4000 m³/h at 250 Pa lies on the one of 8000 m³/h.
    f.picker.SetShowMode(2);
    EXPECT_TRUE(f.picker.Pick(f.target, {400, 375}));
    EXPECT_EQ(f.picker.ClickedValue(), 8000);
    f.picker.InsertClicked();
    EXPECT_EQ(f.parabolas, (TPointList{{4000, 8000}, 2}));

    // Diagrams that take no points: nothing changes.
    TPointPicker::TTarget power = f.target;
    power.Pressure = false;
    EXPECT_FALSE(f.picker.Pick(power, {100, 100}));
    TPointPicker::TTarget phi = f.target;
    phi.OverFlow = false;
    f.picker.SetShowMode(1);
    EXPECT_FALSE(f.picker.Pick(phi, {100, 100}));
    EXPECT_FALSE(f.picker.Press(phi, {100, 100}));
    EXPECT_EQ(f.flows, (TPointList{{2010, 3000}, 1}));
    EXPECT_TRUE(f.picker.Pick(power, {100, 100})); // selected flows on any diagram over flow
    f.picker.SetShowMode(0);
    EXPECT_FALSE(f.picker.Pick(f.target, {100, 100}));
    EXPECT_EQ(f.picker.ActiveList(), nullptr);
}

TEST(PointPicker, DragStartsAfterFivePixels) {
    TFixture f;
    f.picker.SetShowMode(1);
    ASSERT_TRUE(f.picker.Press(f.target, {300, 200}));
    EXPECT_EQ(f.flows.Current, 2);
    EXPECT_FALSE(f.picker.Move(f.target, {304, 196}));
    EXPECT_FALSE(f.picker.Move(f.target, {296, 204}));
    EXPECT_EQ(f.flows.Values[1], 3000);
    EXPECT_FALSE(f.picker.Dragging());
    EXPECT_TRUE(f.picker.Move(f.target, {305, 200}));
    EXPECT_TRUE(f.picker.Dragging());
    EXPECT_EQ(f.flows.Values[1], 3050);
    // Back within the slack it keeps following once dragging.
    EXPECT_TRUE(f.picker.Move(f.target, {301, 200}));
    EXPECT_EQ(f.flows.Values[1], 3010);
    // Past its neighbour: sorted on release, the pointer goes onto the dragged line.
    EXPECT_TRUE(f.picker.Move(f.target, {52, 200}));
    EXPECT_EQ(f.flows, (TPointList{{1000, 520}, 2}));
    EXPECT_EQ(f.picker.Release(f.target, {52, 203}), std::optional<int>(52));
    EXPECT_EQ(f.flows, (TPointList{{520, 1000}, 1}));
    EXPECT_FALSE(f.picker.Pressed());

    // A press without a move is no drag.
    ASSERT_TRUE(f.picker.Press(f.target, {100, 200}));
    EXPECT_EQ(f.picker.Release(f.target, {100, 200}), std::nullopt);
}

TEST(PointPicker, DragBoundsAndParabolaDrag) {
    TFixture f;
    f.picker.SetShowMode(1);
    ASSERT_TRUE(f.picker.Press(f.target, {100, 200}));
    f.picker.Move(f.target, {-400, 200});
    EXPECT_EQ(f.flows.Values[0], 1);
    f.picker.Move(f.target, {200000, 200});
    EXPECT_EQ(f.flows.Values[0], kMaxDraggedFlow);
    f.picker.Release(f.target, {200000, 200});

    f.picker.SetShowMode(2);
    ASSERT_TRUE(f.picker.Press(f.target, {400, 0}));
    EXPECT_TRUE(f.picker.Move(f.target, {400, 375})); // through 4000 m³/h, 250 Pa
    EXPECT_EQ(f.parabolas.Values[0], 8000);
    // The pointer stays where the parabola was let go.
    EXPECT_EQ(f.picker.Release(f.target, {400, 375}), std::optional<int>(400));

    // Nothing to drag in an empty list.
    TPointList empty;
    TPointPicker none(empty, empty);
    none.SetShowMode(1);
    EXPECT_FALSE(none.Press(f.target, {100, 100}));
    EXPECT_FALSE(none.Move(f.target, {200, 100}));
}

TEST(PointPicker, WorldValuesAreConvertedToBaseUnits) {
    TFixture f;
    f.diagram.InitDiagram(nullptr, 0, 500, 640, 0, 0, 0, 6.4, 1000); // m³/s
    f.target.Units = 1;
    f.picker.SetShowMode(1);
    f.picker.Pick(f.target, {50, 100}); // 0.5 m³/s
    EXPECT_EQ(f.picker.ClickedValue(), 1800);
}

} // namespace
} // namespace corvane
