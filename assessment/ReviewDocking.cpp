#include "assessment/ReviewDocking.h"

namespace qm {

QPoint DockedPosition(QPoint start, QPoint target)
{
    int x = start.x();
    int y = start.y();
    while (x < target.x() || y < target.y()) {
        x += 15;
        y += 10;
        if (x > target.x()) x = target.x();
        if (y > target.y()) y = target.y();
    }
    return QPoint(x, y);
}

} // namespace qm
