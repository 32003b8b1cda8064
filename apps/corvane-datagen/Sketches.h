#pragma once

class QImage;

namespace corvane {

struct TSketchPlan;

// Draws a sketch (black lines on white) or, with Filled, the shaded picture of an impeller
// or housing. No text is drawn, so the pixels do not depend on installed fonts.
QImage DrawSketch(const TSketchPlan& plan, int width = 320, int height = 240);

} // namespace corvane
