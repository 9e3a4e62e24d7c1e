#include "platform/VisibleText.h"

#include <algorithm>

namespace qm {

QString VisibleText(QString text)
{
    text.removeIf(IsJoiner);
    return text;
}

int DocumentPosition(const QString& documentText, int visible)
{
    int seen = 0;
    for (qsizetype i = 0; i < documentText.size(); ++i) {
        if (IsJoiner(documentText[i])) continue;
        if (seen++ == visible) return int(i);
    }
    return int(documentText.size());
}

int VisiblePosition(const QString& documentText, int position)
{
    const qsizetype end = qBound(qsizetype(0), qsizetype(position), documentText.size());
    return int(end - std::count_if(documentText.cbegin(), documentText.cbegin() + end, IsJoiner));
}

} // namespace qm
