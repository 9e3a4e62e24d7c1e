#pragma once
#include <QPoint>

namespace qm {

// Where the review window comes to rest: it slides right by 15 pixels and
// down by 10 pixels a step while it is left of or above its place, an axis
// that passes its target being held at it. A window already right of and
// below its place does not move.
QPoint DockedPosition(QPoint start, QPoint target);

} // namespace qm
