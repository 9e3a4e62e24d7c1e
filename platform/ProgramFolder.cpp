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
    // The executable does not move while it runs; resolving its folder costs
    // several system calls, and the catalogue asks once for every module.
    static QString folder;
    if (folder.isEmpty() && QCoreApplication::instance()) {
        const QString dir = QCoreApplication::applicationDirPath();
        const QString canonical = QFileInfo(dir).canonicalFilePath();
        folder = canonical.isEmpty() ? dir : canonical;
    }
    return folder;
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
