#include "ui/ContentLayout.h"

#include <QLabel>

namespace qm {

int FitLabelHeight(QLabel* label, int minHeight)
{
    if (!label) return 0;
    int h = label->text().isEmpty() ? 0 : label->heightForWidth(label->width());
    if (h < 0) h = label->sizeHint().height();
    h = qMax(h, minHeight);
    label->resize(label->width(), h);
    return h;
}

} // namespace qm
