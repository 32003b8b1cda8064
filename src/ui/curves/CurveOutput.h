#pragma once

#include <QImage>
#include <QSize>

class QPrinter;
class QString;

namespace corvane {

struct TCurveDiagramData;

// Size of a diagram copied to the clipboard, whatever the window's size.
inline constexpr QSize kCopySize{800, 600};

// The diagram drawn into a bitmap of `size`.
QImage CurveImage(const TCurveDiagramData& data, QSize size = kCopySize);
// One page: the remark (when not empty) above the diagram, which takes the page width at 4:3.
// False when the printer cannot be started.
bool PrintCurveDiagram(QPrinter& printer, const TCurveDiagramData& data, const QString& remark);

} // namespace corvane
