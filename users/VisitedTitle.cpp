#include "users/VisitedTitle.h"

namespace qm {

QString VisitedSetTitle(const QString& topicTitle)
{
    QString title = topicTitle;
    title.replace(QChar('"'), QChar(0x00AB));
    return title;
}

} // namespace qm
