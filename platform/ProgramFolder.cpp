#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qm {
namespace {
QString overrideFolder;
}

QString ProgramFolder()
{
    if (!overrideFolder.isEmpty()) return overrideFolder;
    const QString dir = QCoreApplication::applicationDirPath();
    const QString canonical = QFileInfo(dir).canonicalFilePath();
    return canonical.isEmpty() ? dir : canonical;
}

void SetProgramFolder(const QString& folder)
{
    QString f = folder;
    while (f.size() > 1 && f.endsWith('/')) f.chop(1);
    overrideFolder = f;
}

QString DataHomeRoot()
{
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty()) home = QDir::homePath() + QStringLiteral("/.local/share");
    if (!home.endsWith('/')) home += '/';
    return home;
}

} // namespace qm
