#include "platform/ContentPath.h"

#include <QDir>
#include <QFileInfo>

namespace qm {

QString JoinPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty()) return name;
    if (folder.endsWith('/')) return folder + name;
    return folder + '/' + name;
}

QString ResolveContentPath(const QString& input)
{
    QString path = input;
    path.replace('\\', '/');
    if (path.isEmpty() || QFileInfo::exists(path)) return path;

    const bool absolute = path.startsWith('/');
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString candidate = current.isEmpty() ? part : JoinPath(current, part);
        if (part == "." || part == ".." || QFileInfo::exists(candidate)) {
            current = candidate;
            continue;
        }
        QDir dir(current.isEmpty() ? QStringLiteral(".") : current);
        const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QString match;
        for (const QString& e : entries) {
            if (e.compare(part, Qt::CaseInsensitive) == 0) {
                match = e;
                break;
            }
        }
        if (match.isEmpty()) {
            // Nothing matches: keep the rest as written.
            for (int j = i; j < parts.size(); ++j) current = current.isEmpty() ? parts[j] : JoinPath(current, parts[j]);
            return current;
        }
        current = current.isEmpty() ? match : JoinPath(current, match);
    }
    return current;
}

bool ContentFileExists(const QString& path)
{
    const QFileInfo info(ResolveContentPath(path));
    return info.exists() && info.isFile();
}

} // namespace qm
