#pragma once
#include <QString>

namespace qm {

// The versioned class identifier of each movie player, the default value of
// its class registration's "CurVer" key. When the player is not registered the
// argument is left as it was (callers pass it empty).
void GetFlashVersion(QString& version);
void GetShockwaveVersion(QString& version);
void GetMediaPlayerVersion(QString& version);

} // namespace qm
