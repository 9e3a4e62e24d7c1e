#include "ui/Skins.h"
#include "platform/ContentPath.h"
#include "platform/ProgramFolder.h"

namespace qm {

QString SkinPath(const QString& fileName)
{
    return ResolveContentPath(JoinPath(ProgramFolder(), QStringLiteral("GUIimages/") + fileName));
}

QPixmap LoadSkin(const QString& fileName)
{
    QPixmap p;
    p.load(SkinPath(fileName));
    return p;
}

} // namespace qm
