#pragma once
#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

// The symbols drawn on skin faces, each fitted into a square area.
namespace skin {

enum class Direction { Left, Right, Up, Down };

// A block arrow (shaft and head) pointing in the direction.
void DrawArrow(QPainter& p, const QRectF& area, Direction dir, const QColor& color);
// A "go back to where I was" arrow: a hook bending round to point left.
void DrawReturnArrow(QPainter& p, const QRectF& area, const QColor& color);
// A diagonal cross (close / exit).
void DrawCross(QPainter& p, const QRectF& area, const QColor& color);
// A bar along the bottom of the area (minimise).
void DrawBar(QPainter& p, const QRectF& area, const QColor& color);
// A small triangle (menu scroll arrows, menu button and module row markers).
void DrawChevron(QPainter& p, const QRectF& area, Direction dir, const QColor& color);
// Three short lines (the toolbar button marker).
void DrawMenuLines(QPainter& p, const QRectF& area, const QColor& color);
// A round dot (topic rows).
void DrawDot(QPainter& p, const QPointF& centre, qreal radius, const QColor& color);

} // namespace skin
