#pragma once

#include "render/diagram/TAxisMap.h"

#include <QColor>
#include <QFont>
#include <QPoint>

class QPainter;
class QString;

namespace corvane {

struct TWorldPoint {
    double X = 0;
    double Y = 0;
};

// A drawing surface (window, bitmap, printer page, PDF, SVG) bound to two linear axis maps:
// everything is drawn in world coordinates. The painter is not owned; its pen and brush are
// the diagram's current pen and brush, its font the canvas font.
class TDiagram {
public:
    QPainter* Canvas = nullptr;
    TAxisMap XAxis;
    TAxisMap YAxis;
    QColor Background = Qt::white;
    QColor FontColour = Qt::black;
    bool IsColourDevice = true;
    bool LightBackground = true;
    bool IsPrinter = false;
    int Decimals = -1; // digits of axis labels; -1 automatic

    // Binds the canvas and maps pixel `left` to world xmin, `right` to xmax, `bottom` to ymin
    // and `top` to ymax; colour surface, no printer, canvas font, automatic decimals.
    void InitDiagram(QPainter* canvas, int left, int bottom, int right, int top, double xmin,
                     double ymin, double xmax, double ymax);
    // Maps the axes again (canvas, flags and fonts untouched); equal pixel bounds keep the
    // previous ones.
    void SetDiagramRange(int left, int bottom, int right, int top, double xmin, double ymin,
                         double xmax, double ymax);
    // Reads the surface kind (printer, colours) and sets pen, brush and text colour for the
    // background: black on a light background, white on a dark one, mapped for two-colour
    // surfaces.
    void BeginDiagram(const QColor& background);
    QColor MapColour(const QColor& colour) const;

    int PixelX(double x) const { return XAxis.WorldToPixel(x); }
    int PixelY(double y) const { return YAxis.WorldToPixel(y); }
    QPoint Pixel(double x, double y) const { return {PixelX(x), PixelY(y)}; }

    void DiagMoveTo(double x, double y);
    void DiagLineTo(double x, double y);
    // A connected line through the points (one call to the surface).
    void DiagPolyline(const TWorldPoint* points, int count);
    // Text with its reference point at (x, y), placed by alignment code (see TextAlignment.h),
    // in the text colour, rotated when a rotated font is selected.
    void DiagText(int code, const QString& text, double x, double y);
    void DiagMarker(int symbol, int size, double x, double y);

    // Width of a text in x-world units (absolute), height in y-world units (positive when y
    // grows upwards), measured with the selected font.
    double TextWidthWorld(const QString& text) const;
    double TextHeightWorld(const QString& text) const;

    // Selects a font whose texts are drawn rotated by 90°; the canvas font in use before the
    // first one is restored by RestoreFont.
    void SelectRotatedFont(const QFont& font);
    void RestoreFont();
    bool HasRotatedFont() const { return rotated_; }

private:
    QPoint penPosition_;
    QFont savedFont_;
    bool rotated_ = false;
};

} // namespace corvane
