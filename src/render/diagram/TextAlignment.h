#pragma once

#include <QPoint>

class QPainter;
class QRect;
class QString;

namespace corvane {

// Alignment codes of diagram texts. Codes 1..9 place horizontal text like a telephone keypad
// read by columns: the column (1-3, 4-6, 7-9) puts the reference point at the left, centre or
// right of the text, the row within it at the bottom, middle or top. Codes -1..-9 do the same
// for text rotated by 90° (reading upwards, glyph tops facing left) in the text's own frame:
// -1..-3 start, -4..-6 middle, -7..-9 end of the text; -1/-4/-7 glyph bottoms, -2/-5/-8
// centred across the line, -3/-6/-9 glyph tops at the reference point. Any other code puts
// the top-left corner (the start of a rotated text's glyph tops) on the point.
//
// Top-left output point of a text of width w and height h with its reference point at (x, y);
// halves are integer halves truncated toward zero.
QPoint AlignedOrigin(int code, int x, int y, int w, int h);

// Draws `text` with its reference point at pixel (x, y), with the painter's font and pen,
// rotated by 90° when `rotated` is set.
void AlignedTextOut(QPainter& painter, int x, int y, const QString& text, bool rotated, int code);
// Text with its top-left corner at (x, y), clipped to `clip` when one is given.
void TransparentTextOut(QPainter& painter, int x, int y, const QRect* clip, const QString& text);
// Text word-wrapped into `rect`; "&" is an ordinary character.
void WrappedText(QPainter& painter, const QRect& rect, const QString& text);

} // namespace corvane
