#include "platform/ContentName.h"

#include "platform/ContentPath.h"

namespace qm {

bool IsPlainContentName(const QString& name)
{
    if (name.isEmpty() || name == "." || name == "..") return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || QStringView(u"/\\\"<>:|?*").contains(c)) return false;
    }
    return true;
}

QString ContentPathInside(const QString& folder, const QString& name)
{
    if (!IsPlainContentName(name)) return QString();
    return JoinPath(folder, name);
}

} // namespace qm
