#include "content/PlayerVersions.h"
#include "content/RegistryAccess.h"

namespace qm {
namespace {
void readCurVer(const QString& keyPath, QString& version)
{
    MachineKey key;
    if (!OpenMachineKey(keyPath, key)) return;
    version = QueryValueString(key, QString());
    CloseMachineKey(key);
}
} // namespace

void GetFlashVersion(QString& version)
{
    readCurVer(QStringLiteral("SOFTWARE\\Classes\\ShockwaveFlash.ShockwaveFlash\\CurVer"), version);
}

void GetShockwaveVersion(QString& version)
{
    readCurVer(QStringLiteral("SOFTWARE\\Classes\\SWCtl.SWCtl\\CurVer"), version);
}

void GetMediaPlayerVersion(QString& version)
{
    readCurVer(QStringLiteral("SOFTWARE\\Classes\\MediaPlayer.MediaPlayer\\CurVer"), version);
}

} // namespace qm
