#include "SkinSymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

namespace skin {

namespace {

// Rotation that turns a right-pointing symbol to the direction.
qreal Angle(Direction dir)
{
    switch (dir) {
    case Direction::Left: return 180;
    case Direction::Up: return -90;
    case Direction::Down: return 90;
    case Direction::Right: break;
    }
    return 0;
}

// Paints a path given in a unit square (-1..1) into the area, turned by angle.
void FillUnitPath(QPainter& p, const QRectF& area, const QPainterPath& unit, qreal angle, const QColor& color)
{
    const qreal half = std::min(area.width(), area.height()) / 2;
    QTransform t;
    t.translate(area.center().x(), area.center().y());
    t.rotate(angle);
    t.scale(half, half);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(t.map(unit));
    p.restore();
}

} // namespace

void DrawArrow(QPainter& p, const QRectF& area, Direction dir, const QColor& color)
{
    QPainterPath path;
    path.addPolygon(QPolygonF({{-0.85, -0.22}, {0.05, -0.22}, {0.05, -0.62}, {0.85, 0.0},
                               {0.05, 0.62}, {0.05, 0.22}, {-0.85, 0.22}}));
    path.closeSubpath();
    FillUnitPath(p, area, path, Angle(dir), color);
}

void DrawReturnArrow(QPainter& p, const QRectF& area, const QColor& color)
{
    const qreal half = std::min(area.width(), area.height()) / 2;
    const QPointF c = area.center();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The hook: from the lower left, right along the bottom, up round a bend.
    QPen pen(color, half * 0.36, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(c.x() - half * 0.25, c.y() + half * 0.55);
    hook.lineTo(c.x() + half * 0.30, c.y() + half * 0.55);
    hook.arcTo(QRectF(c.x() + half * 0.30 - half * 0.55, c.y() - half * 0.55, half * 1.1, half * 1.1), -90, 180);
    hook.lineTo(c.x() - half * 0.25, c.y() - half * 0.55);
    p.drawPath(hook);
    // The head at the top end, pointing left.
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({{c.x() - half * 0.95, c.y() - half * 0.55},
                             {c.x() - half * 0.25, c.y() - half * 1.0},
                             {c.x() - half * 0.25, c.y() - half * 0.10}}));
    p.restore();
}

void DrawCross(QPainter& p, const QRectF& area, const QColor& color)
{
    const qreal half = std::min(area.width(), area.height()) / 2;
    const QPointF c = area.center();
    const qreal r = half * 0.55;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, std::max<qreal>(2.0, half * 0.28), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() + r));
    p.drawLine(QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() - r));
    p.restore();
}

void DrawBar(QPainter& p, const QRectF& area, const QColor& color)
{
    const qreal half = std::min(area.width(), area.height()) / 2;
    const QPointF c = area.center();
    const qreal thick = std::max<qreal>(2.0, half * 0.28);
    p.fillRect(QRectF(c.x() - half * 0.6, c.y() + half * 0.45 - thick / 2, half * 1.2, thick), color);
}

void DrawChevron(QPainter& p, const QRectF& area, Direction dir, const QColor& color)
{
    // A solid triangle: it reads better than an outline at these small sizes.
    QPainterPath path;
    path.addPolygon(QPolygonF({{-0.4, -0.75}, {0.5, 0.0}, {-0.4, 0.75}}));
    path.closeSubpath();
    FillUnitPath(p, area, path, Angle(dir), color);
}

void DrawMenuLines(QPainter& p, const QRectF& area, const QColor& color)
{
    const qreal half = std::min(area.width(), area.height()) / 2;
    const QPointF c = area.center();
    const qreal thick = std::max<qreal>(2.0, half * 0.2);
    for (int i = -1; i <= 1; ++i)
        p.fillRect(QRectF(c.x() - half * 0.65, c.y() + i * half * 0.5 - thick / 2, half * 1.3, thick), color);
}

void DrawDot(QPainter& p, const QPointF& centre, qreal radius, const QColor& color)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

} // namespace skin
